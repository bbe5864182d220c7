// The grid window "Database Dati Rete" (TzRvnContainerDlg, template 9064): a modeless window over
// the network database dialog whose stack window holds the panes "Nodi", "Rami" and "Serbatoi",
// each a grid dialog. Closing it saves the grids into the chosen network (made under the typed
// name when none is chosen), refreshes the dialog's summary and the schema; a refused save keeps
// it open. The grids' context menu acts on the grid it was opened on.
#pragma once

#include "afx_dialog.h"
#include "dialogs/grid_window.h"
#include "dialogs/element_grid.h"
#include "stack_window.h"

#include <memory>

class TzRvnNodesDlg;
class TzRvnEdgesDlg;
class TzRvnTanksDlg;
using TzRvnStackWnd = CStackWnd;

class TzRvnContainerDlg : public CDialog, public TzRvnGridWindow, private TzRvnGridOwner {
public:
    static constexpr UINT kTemplate = 9064;
    static constexpr UINT kStack = 9042;
    static constexpr UINT kMenu = 9076;

    explicit TzRvnContainerDlg(TzRvnGridWindowHost& host);
    ~TzRvnContainerDlg() override;

    bool open() override;
    bool isOpen() const override { return shown_; }
    int nodeRowCount() const override;
    void setTitle(const std::wstring& title) override;
    TzRvnGridCounts saveInto(TzRvnNetwork& network) override;
    void refreshFrom(const TzRvnNetwork& network) override;
    void refreshTitles() override;
    void clear() override;

    TzRvnStackWnd* stack() const { return stack_.get(); }
    // The grid the context menu was opened on last; nullptr before.
    TzRvnElementGridDlg* activeGrid() const { return active_; }

    // The close box: the save sequence, then the teardown.
    void OnClose() override;

protected:
    BOOL OnInitDialog() override;

private:
    // TzRvnGridOwner.
    const std::wstring& programFolder() const override;
    AcDbObjectId chosenNetwork() const override;
    void gridContextMenu(TzRvnElementGridDlg& grid, int row, int col) override;
    void say(const std::wstring& text, UINT icon) override;

    // Closing (grid_container_save.cpp).
    enum class SaveTarget { save, none, refused };
    bool saveOnClose();
    SaveTarget networkToSave(AcDbObjectId& id);
    void tearDown();
    // The context menu's commands (grid_container_menu.cpp).
    bool rowsMayChange() const;
    void runMenuCommand(UINT command, TzRvnElementGridDlg& grid, int row);

    TzRvnGridWindowHost& host_;
    std::unique_ptr<TzRvnStackWnd> stack_;
    std::unique_ptr<TzRvnNodesDlg> nodes_;
    std::unique_ptr<TzRvnEdgesDlg> edges_;
    std::unique_ptr<TzRvnTanksDlg> tanks_;
    TzRvnElementGridDlg* active_ = nullptr;
    bool shown_ = false;
};
