// What the network database dialog and the grid window "Database Dati Rete" (the modeless window
// of the node, branch and tank grids) need of each other. The dialog reaches the window only
// through TzRvnGridWindow, made by the factory in force; the window reaches the dialog only
// through TzRvnGridWindowHost.
#pragma once

#include "dbid.h"
#include "netobj/network_object.h"

#include <functional>
#include <memory>
#include <string>

class CWnd;

// How many elements each update of a network from the grids stored; negative for an update that
// failed.
struct TzRvnGridCounts {
    int nodes = 0;
    int edges = 0;
    int tanks = 0;
};

class TzRvnGridWindow {
public:
    virtual ~TzRvnGridWindow() = default;

    // Shows the window (modeless); false when it cannot be created.
    virtual bool open() = 0;
    // True while the window is shown: opened and not closed by the user since.
    virtual bool isOpen() const = 0;
    // The node rows that make a node when saved.
    virtual int nodeRowCount() const = 0;
    virtual void setTitle(const std::wstring& title) = 0;
    // Updates network (open for write) from the grids: nodes, branches, then tanks.
    virtual TzRvnGridCounts saveInto(TzRvnNetwork& network) = 0;
    // Shows the data and results of network (open for read) in the grids.
    virtual void refreshFrom(const TzRvnNetwork& network) = 0;
    // Titles the unit columns again from the settings file (after the settings changed).
    virtual void refreshTitles() = 0;
    // Empties the three grids.
    virtual void clear() = 0;
};

// The message of a save from the grids that failed (the last update that failed names it); empty
// when every update stored its elements.
std::wstring GridSaveFailure(const TzRvnGridCounts& counts);

// The network database dialog as the grid window sees it.
class TzRvnGridWindowHost {
public:
    // The dialog's window, parent of the grid window.
    virtual CWnd* hostWindow() = 0;
    virtual const std::wstring& programFolder() const = 0;
    // The network chosen in the dialog; null when none is.
    virtual AcDbObjectId chosenNetwork() const = 0;
    // The text of the dialog's network list: the name of a network still to make.
    virtual std::wstring typedNetworkName() const = 0;
    // The grid window made the network under that name: it becomes the chosen one.
    virtual void networkCreated(AcDbObjectId id, const std::wstring& name) = 0;
    // The summary fields show network (open).
    virtual void showSummary(const TzRvnNetwork& network) = 0;
    // The dialog's calculation run.
    virtual void calculate() = 0;
    // The user closed the grid window.
    virtual void gridWindowClosed() = 0;

protected:
    ~TzRvnGridWindowHost() = default;
};

// Makes the grid window of host; nullptr when there is none to make.
using TzRvnGridWindowFactory = std::function<std::unique_ptr<TzRvnGridWindow>(TzRvnGridWindowHost& host)>;

// The factory in force (by default the one that makes the window "Database Dati Rete");
// SetGridWindowFactory replaces it and gives back the one before. An empty factory stands for the
// default.
const TzRvnGridWindowFactory& GridWindowFactory();
TzRvnGridWindowFactory SetGridWindowFactory(TzRvnGridWindowFactory factory);
