// The grid's focused cell, its selection of cells and rows, and the mouse.
#include "afx_grid.h"

#include <algorithm>

CCellID CGridCtrl::SetFocusCell(int row, int col) {
    const CCellID previous = focus_;
    if (!IsValid(row, col) || IsCellFixed(row, col)) return previous;
    if (editing_.IsValid() && editing_ != CCellID(row, col) && !EndEditing()) return previous;
    focus_ = CCellID(row, col);
    if (previous != focus_) {
        changed(GridChange::Focus, row, col);
        notifyParent(GVN_SELCHANGED, row, col);
    }
    return previous;
}


int CGridCtrl::GetSelectedCount() const {
    int count = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) count += IsCellSelected(row, col) ? 1 : 0;
    }
    return count;
}

BOOL CGridCtrl::IsCellSelected(int row, int col) const {
    return IsValid(row, col) && (table_.cell(row, col).state & GVIS_SELECTED) ? TRUE : FALSE;
}

CCellRange CGridCtrl::GetSelectedCellRange() const {
    int minRow = GetRowCount(), minCol = GetColumnCount(), maxRow = -1, maxCol = -1;
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            if (!IsCellSelected(row, col)) continue;
            minRow = std::min(minRow, row);
            minCol = std::min(minCol, col);
            maxRow = std::max(maxRow, row);
            maxCol = std::max(maxCol, col);
        }
    }
    return maxRow < 0 ? CCellRange() : CCellRange(minRow, minCol, maxRow, maxCol);
}

void CGridCtrl::setSelected(int row, int col, bool selected) {
    UINT& state = table_.cell(row, col).state;
    state = selected ? (state | GVIS_SELECTED) : (state & ~GVIS_SELECTED);
}

// Adds the range's non-fixed cells to the selection.
void CGridCtrl::selectRange(const CCellRange& range) {
    for (int row = std::max(range.GetMinRow(), fixedRows_); row <= range.GetMaxRow(); ++row) {
        for (int col = std::max(range.GetMinCol(), fixedCols_); col <= range.GetMaxCol(); ++col) {
            if (IsValid(row, col)) setSelected(row, col, true);
        }
    }
}

void CGridCtrl::ClearSelection() {
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) setSelected(row, col, false);
    }
    changed(GridChange::Selection);
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol) {
    ClearSelection();
    selectRange(CCellRange(minRow, minCol, maxRow, maxCol));
    changed(GridChange::Selection);
}

void CGridCtrl::SelectAllCells() { SetSelectedRange(fixedRows_, fixedCols_, GetRowCount() - 1, GetColumnCount() - 1); }

void CGridCtrl::SelectRows(int row, UINT modifiers) {
    if (row < fixedRows_ || row >= GetRowCount()) return;
    const int from = (modifiers & MK_SHIFT) && focus_.IsValid() ? focus_.row : row;
    if (!(modifiers & MK_CONTROL)) ClearSelection();
    selectRange(CCellRange(std::min(from, row), fixedCols_, std::max(from, row), GetColumnCount() - 1));
    changed(GridChange::Selection);
    // Shift keeps the focus where the range started, so that a further Shift click widens it.
    if (!(modifiers & MK_SHIFT)) SetFocusCell(row, focus_.IsValid() ? std::max(focus_.col, fixedCols_) : fixedCols_);
}

void CGridCtrl::Click(int row, int col, UINT modifiers) {
    if (!IsValid(row, col)) return;
    if (editing_.IsValid() && editing_ != CCellID(row, col) && !EndEditing()) return;
    SetFocus();
    const bool rowTitle = row >= fixedRows_ && col < fixedCols_;
    const bool columnTitle = row < fixedRows_ && col >= fixedCols_;
    if (rowTitle) {
        SelectRows(row, modifiers);
    } else if (columnTitle) {
        SetSelectedRange(fixedRows_, col, GetRowCount() - 1, col);
    } else if (IsCellFixed(row, col)) {
        SelectAllCells();
    } else {
        const CCellID anchor = focus_.IsValid() ? focus_ : CCellID(row, col);
        if (!(modifiers & MK_CONTROL)) ClearSelection();
        if (modifiers & MK_SHIFT) {
            selectRange(CCellRange(std::min(anchor.row, row), std::min(anchor.col, col), std::max(anchor.row, row),
                                   std::max(anchor.col, col)));
        } else {
            setSelected(row, col, true);
        }
        changed(GridChange::Selection);
        if (!(modifiers & MK_SHIFT)) SetFocusCell(row, col);
    }
    notifyParent(NM_CLICK, row, col);
}

void CGridCtrl::DoubleClick(int row, int col) {
    if (!IsValid(row, col)) return;
    Click(row, col);
    notifyParent(NM_DBLCLK, row, col);
    if (IsCellEditable(row, col) && !editing_.IsValid()) EditCell(row, col);
}

void CGridCtrl::RightClick(int row, int col) {
    if (!IsValid(row, col)) return;
    if (editing_.IsValid() && !EndEditing()) return;
    SetFocus();
    if (!IsCellFixed(row, col) && !IsCellSelected(row, col)) {
        ClearSelection();
        setSelected(row, col, true);
        changed(GridChange::Selection);
        SetFocusCell(row, col);
    }
    notifyParent(NM_RCLICK, row, col);
}
