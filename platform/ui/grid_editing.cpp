// In-place editing of a cell and the keys that end it and move through the grid.
#include "afx_grid.h"

BOOL CGridCtrl::EditCell(int row, int col) {
    if (!IsCellEditable(row, col)) return FALSE;
    if (editing_ == CCellID(row, col)) return TRUE;
    if (editing_.IsValid() && !EndEditing()) return FALSE;
    SetFocusCell(row, col);
    if (focus_ != CCellID(row, col) || notifyParent(GVN_BEGINLABELEDIT, row, col) < 0) return FALSE;
    editing_ = CCellID(row, col);
    editText_ = table_.cell(row, col).text;
    changed(GridChange::Editing, row, col);
    return TRUE;
}

BOOL CGridCtrl::SetEditText(LPCWSTR text) {
    if (!editing_.IsValid()) return FALSE;
    editText_ = text ? text : L"";
    changed(GridChange::Editing, editing_.row, editing_.col);
    return TRUE;
}

BOOL CGridCtrl::EndEditing() { return endEdit(0); }

// The value typed goes into the cell before the parent hears of it, so its handler reads the cell
// as it would be; a refusal puts the old text back and reopens the editor on it.
BOOL CGridCtrl::endEdit(UINT key) {
    if (!editing_.IsValid()) return TRUE;
    const CCellID cell = editing_;
    const std::wstring previous = table_.cell(cell.row, cell.col).text;
    editing_ = CCellID();
    endEditKey_ = key;
    SetItemText(cell.row, cell.col, editText_.c_str());
    if (notifyParent(GVN_ENDLABELEDIT, cell.row, cell.col) < 0) {
        SetItemText(cell.row, cell.col, previous.c_str());
        editing_ = cell;
        editText_ = previous;
        changed(GridChange::Editing, cell.row, cell.col);
        return FALSE;
    }
    if (IsValid(cell.row, cell.col) && table_.cell(cell.row, cell.col).text != previous) {
        table_.cell(cell.row, cell.col).state |= GVIS_MODIFIED;
    }
    changed(GridChange::Editing, cell.row, cell.col);
    return TRUE;
}

void CGridCtrl::CancelEditing() {
    if (!editing_.IsValid()) return;
    const CCellID cell = editing_;
    editing_ = CCellID();
    changed(GridChange::Editing, cell.row, cell.col);
}

// The next (or previous) non-fixed cell in reading order, wrapping from row to row; with
// editableOnly the next one that can be edited. Invalid when there is none.
CCellID CGridCtrl::nextCell(CCellID from, bool backwards, bool editableOnly) const {
    const int cols = GetColumnCount() - fixedCols_;
    const int cells = (GetRowCount() - fixedRows_) * cols;
    if (cols <= 0 || cells <= 0) return {};
    int index = (from.row - fixedRows_) * cols + (from.col - fixedCols_);
    for (index += backwards ? -1 : 1; index >= 0 && index < cells; index += backwards ? -1 : 1) {
        const CCellID cell(fixedRows_ + index / cols, fixedCols_ + index % cols);
        if (!editableOnly || IsCellEditable(cell.row, cell.col)) return cell;
    }
    return {};
}

void CGridCtrl::keyMove(UINT key, bool backwards) {
    const bool wasEditing = editing_.IsValid();
    if (wasEditing && !endEdit(key)) return;
    if (!focus_.IsValid()) {
        SetFocusCell(fixedRows_, fixedCols_);
        return;
    }
    const CCellID next = nextCell(focus_, backwards, key == VK_RETURN);
    if (!next.IsValid()) return;
    SetFocusCell(next.row, next.col);
    if (wasEditing && focus_ == next) EditCell(next.row, next.col);
}

void CGridCtrl::OnKeyDown(UINT key, BOOL shift, BOOL control) {
    if (key == VK_ESCAPE) return CancelEditing();
    if (key == VK_TAB || key == VK_RETURN) return keyMove(key, key == VK_TAB && shift);
    if (!control || !EndEditing()) return;
    switch (key) {
        case 'A': return SelectAllCells();
        case 'C': return OnEditCopy();
        case 'X': return OnEditCut();
        case 'V': OnEditPaste(); return;
        default: return;
    }
}
