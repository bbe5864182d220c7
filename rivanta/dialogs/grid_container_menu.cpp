// The grids' context menu (menu 9076): rows inserted and deleted while the rows are the user's
// (no schema behind them), the clipboard, the roughness by material on the branch grid's Sca
// column, the calculation of the network database dialog and the print of the grid.
#include "dialogs/grid_container_dialog.h"

#include "afx_menu.h"
#include "dialogs/edge_grid_dialog.h"
#include "dialogs/grid_menu_commands.h"
#include "dialogs/roughness_dialog.h"
#include "frame/translation.h"
#include "host/open_object.h"

namespace {

using namespace TzRvnGridMenu;

UINT enabledIf(bool enabled) { return MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED); }

}  // namespace

// Rows may be added and removed unless the chosen network's elements come from its schema.
bool TzRvnContainerDlg::rowsMayChange() const {
    const AcDbObjectId id = host_.chosenNetwork();
    if (id.isNull()) return true;
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
    return !network.isOpen() || !network->hasSchema();
}

void TzRvnContainerDlg::gridContextMenu(TzRvnElementGridDlg& grid, int row, int col) {
    active_ = &grid;
    CMenu menu;
    if (!menu.LoadMenu(kMenu) || menu.GetSubMenu(0) == nullptr) return;
    CMenu* popup = menu.GetSubMenu(0);
    TranslateMenu(popup);
    const bool rows = rowsMayChange();
    popup->EnableMenuItem(kInsertRow, enabledIf(rows));
    popup->EnableMenuItem(kDeleteRow, enabledIf(rows));
    popup->EnableMenuItem(kPaste, enabledIf(!grid.grid().IsColumnReadOnly(col)));
    popup->EnableMenuItem(kRoughness, enabledIf(&grid == edges_.get() && col == TzRvnEdgesDlg::kRoughness));
    const UINT command = static_cast<UINT>(popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, 0,
                                                                 0, this));
    const CCellID focus = grid.grid().GetFocusCell();
    runMenuCommand(command, grid, focus.IsValid() && focus.row > 0 ? focus.row : row);
}

void TzRvnContainerDlg::runMenuCommand(UINT command, TzRvnElementGridDlg& grid, int row) {
    switch (command) {
        case kInsertRow: return grid.insertRow(row);
        case kDeleteRow: return grid.deleteRow(row);
        case kCopy: return grid.grid().OnEditCopy();
        case kPaste: return static_cast<void>(grid.grid().OnEditPaste());
        case kRoughness: return RunRoughnessDialog(&grid, programFolder(), chosenNetwork());
        case kCalculate: return host_.calculate();
        case kPrint: return grid.grid().Print();
        default: return;  // Annulla, Taglia and a menu closed without a choice do nothing
    }
}
