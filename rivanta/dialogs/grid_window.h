// What the network database dialog needs of the grid window "Database Dati Rete": the modeless
// window of the node, branch and tank grids. The dialog reaches it only through this interface,
// made by the factory in force; until the grid window is in this version the factory makes none.
#pragma once

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
    virtual int nodeRowCount() const = 0;
    virtual void setTitle(const std::wstring& title) = 0;
    // Updates network (open for write) from the grids: nodes, branches, then tanks.
    virtual TzRvnGridCounts saveInto(TzRvnNetwork& network) = 0;
    // Shows the data and results of network (open for read) in the grids.
    virtual void refreshFrom(const TzRvnNetwork& network) = 0;
    // Empties the three grids.
    virtual void clear() = 0;
};

// Makes the grid window as a child of parent; the window calls onClosed when the user closes it.
// nullptr when there is none to make.
using TzRvnGridWindowFactory =
    std::function<std::unique_ptr<TzRvnGridWindow>(CWnd* parent, std::function<void()> onClosed)>;

// The factory in force (by default one that makes no window); SetGridWindowFactory replaces it and
// gives back the one before. An empty factory stands for the default.
const TzRvnGridWindowFactory& GridWindowFactory();
TzRvnGridWindowFactory SetGridWindowFactory(TzRvnGridWindowFactory factory);
