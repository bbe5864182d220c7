// The grid's layout, cells and colours, and what it tells its parent and its observer.
#include "afx_grid.h"

#include <algorithm>

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols) {
    SetColumnCount(cols);
    SetRowCount(rows);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style) {
    if (!CWnd::Create(L"MFCGridCtrl", L"", style, rect, parent, id)) return FALSE;
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0);
    return TRUE;
}

LRESULT CGridCtrl::notifyParent(UINT code, int row, int col) {
    CWnd* parent = GetParent();
    if (!parent) return 0;
    NM_GRIDVIEW view{{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code}, row, col};
    LRESULT result = 0;
    parent->OnNotify(static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&view), &result);
    return result;
}

void CGridCtrl::changed(GridChange change, int row, int col) const {
    if (observer_) observer_(change, row, col);
}

// Focus, selection and editing stay on cells that exist after rows or columns went.
void CGridCtrl::afterStructureChange() {
    CancelEditing();
    if (focus_.IsValid() && (!IsValid(focus_.row, focus_.col) || IsCellFixed(focus_.row, focus_.col))) {
        const int row = std::min(focus_.row, GetRowCount() - 1);
        const int col = std::min(focus_.col, GetColumnCount() - 1);
        focus_ = IsValid(row, col) && !IsCellFixed(row, col) ? CCellID(row, col) : CCellID();
    }
    changed(GridChange::Layout);
}

BOOL CGridCtrl::SetRowCount(int rows) {
    if (rows < 0) return FALSE;
    table_.setRowCount(rows);
    fixedRows_ = std::min(fixedRows_, rows);
    afterStructureChange();
    return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int cols) {
    if (cols < 0) return FALSE;
    table_.setColumnCount(cols);
    fixedCols_ = std::min(fixedCols_, cols);
    afterStructureChange();
    return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int fixedRows) {
    if (fixedRows < 0) return FALSE;
    if (fixedRows > GetRowCount()) SetRowCount(fixedRows);
    fixedRows_ = fixedRows;
    afterStructureChange();
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int fixedCols) {
    if (fixedCols < 0) return FALSE;
    if (fixedCols > GetColumnCount()) SetColumnCount(fixedCols);
    fixedCols_ = fixedCols;
    afterStructureChange();
    return TRUE;
}

BOOL CGridCtrl::SetRowHeight(int row, int height) {
    if (row < 0 || row >= GetRowCount() || height < 0) return FALSE;
    table_.setRowHeight(row, height);
    changed(GridChange::Layout, row);
    return TRUE;
}

int CGridCtrl::GetRowHeight(int row) const {
    return row >= 0 && row < GetRowCount() ? table_.rowHeight(row) : -1;
}

BOOL CGridCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= GetColumnCount() || width < 0) return FALSE;
    table_.setColumnWidth(col, width);
    changed(GridChange::Layout, -1, col);
    return TRUE;
}

int CGridCtrl::GetColumnWidth(int col) const {
    return col >= 0 && col < GetColumnCount() ? table_.columnWidth(col) : -1;
}

void CGridCtrl::AutoSizeColumns() {
    constexpr int kCharacterWidth = 7;
    constexpr int kMargins = 8;
    for (int col = 0; col < GetColumnCount(); ++col) {
        std::size_t longest = 1;
        for (int row = 0; row < GetRowCount(); ++row) longest = std::max(longest, table_.cell(row, col).text.size());
        table_.setColumnWidth(col, static_cast<int>(longest) * kCharacterWidth + kMargins);
    }
    changed(GridChange::Layout);
}

int CGridCtrl::InsertRow(LPCWSTR heading, int row) {
    if (row < 0) row = GetRowCount();
    if (row > GetRowCount() || GetColumnCount() == 0) return -1;
    table_.insertRow(row);
    if (heading) table_.cell(row, 0).text = heading;
    afterStructureChange();
    return row;
}

BOOL CGridCtrl::DeleteRow(int row) {
    if (row < 0 || row >= GetRowCount()) return FALSE;
    table_.deleteRow(row);
    if (row < fixedRows_) --fixedRows_;
    afterStructureChange();
    return TRUE;
}

int CGridCtrl::InsertColumn(LPCWSTR heading, UINT format, int col) {
    if (col < 0) col = GetColumnCount();
    if (col > GetColumnCount()) return -1;
    table_.insertColumn(col, format);
    if (heading && GetRowCount() > 0) table_.cell(0, col).text = heading;
    afterStructureChange();
    return col;
}

BOOL CGridCtrl::DeleteColumn(int col) {
    if (col < 0 || col >= GetColumnCount()) return FALSE;
    table_.deleteColumn(col);
    if (col < fixedCols_) --fixedCols_;
    afterStructureChange();
    return TRUE;
}

BOOL CGridCtrl::DeleteNonFixedRows() { return SetRowCount(fixedRows_); }

BOOL CGridCtrl::SetItemText(int row, int col, LPCWSTR text) {
    if (!IsValid(row, col)) return FALSE;
    table_.cell(row, col).text = text ? text : L"";
    changed(GridChange::Cell, row, col);
    return TRUE;
}

std::wstring CGridCtrl::GetItemText(int row, int col) const {
    return IsValid(row, col) ? table_.cell(row, col).text : std::wstring();
}

BOOL CGridCtrl::SetItemFormat(int row, int col, UINT format) {
    if (!IsValid(row, col)) return FALSE;
    table_.cell(row, col).format = format;
    changed(GridChange::Cell, row, col);
    return TRUE;
}

UINT CGridCtrl::GetItemFormat(int row, int col) const { return IsValid(row, col) ? table_.cell(row, col).format : 0; }

BOOL CGridCtrl::SetItemBkColour(int row, int col, COLORREF colour) {
    if (!IsValid(row, col)) return FALSE;
    table_.cell(row, col).backColour = colour;
    changed(GridChange::Cell, row, col);
    return TRUE;
}

COLORREF CGridCtrl::GetItemBkColour(int row, int col) const {
    return IsValid(row, col) ? table_.cell(row, col).backColour : CLR_DEFAULT;
}

BOOL CGridCtrl::SetItemFgColour(int row, int col, COLORREF colour) {
    if (!IsValid(row, col)) return FALSE;
    table_.cell(row, col).textColour = colour;
    changed(GridChange::Cell, row, col);
    return TRUE;
}

COLORREF CGridCtrl::GetItemFgColour(int row, int col) const {
    return IsValid(row, col) ? table_.cell(row, col).textColour : CLR_DEFAULT;
}

BOOL CGridCtrl::SetItemState(int row, int col, UINT state) {
    if (!IsValid(row, col)) return FALSE;
    constexpr UINT kOwnStates = GVIS_SELECTED | GVIS_FOCUSED | GVIS_FIXED;
    UINT& kept = table_.cell(row, col).state;
    kept = (kept & GVIS_SELECTED) | (state & ~kOwnStates);
    if (editing_ == CCellID(row, col) && !IsCellEditable(row, col)) CancelEditing();
    changed(GridChange::Cell, row, col);
    return TRUE;
}

UINT CGridCtrl::GetItemState(int row, int col) const {
    if (!IsValid(row, col)) return 0;
    UINT state = table_.cell(row, col).state;
    if (focus_ == CCellID(row, col)) state |= GVIS_FOCUSED;
    if (IsCellFixed(row, col)) state |= GVIS_FIXED;
    return state;
}

BOOL CGridCtrl::SetColumnReadOnly(int col, BOOL readOnly) {
    if (col < 0 || col >= GetColumnCount()) return FALSE;
    table_.setColumnReadOnly(col, readOnly != FALSE);
    if (editing_.IsValid() && editing_.col == col && readOnly) CancelEditing();
    changed(GridChange::Layout, -1, col);
    return TRUE;
}

BOOL CGridCtrl::IsColumnReadOnly(int col) const {
    return col >= 0 && col < GetColumnCount() && table_.columnReadOnly(col);
}

BOOL CGridCtrl::IsCellEditable(int row, int col) const {
    return editable_ && IsValid(row, col) && !IsCellFixed(row, col) && !table_.columnReadOnly(col) &&
           !(table_.cell(row, col).state & GVIS_READONLY);
}

void CGridCtrl::SetFixedBkColor(COLORREF colour) {
    fixedBack_ = colour;
    changed(GridChange::Layout);
}

COLORREF CGridCtrl::CellBackColour(int row, int col) const {
    const COLORREF own = GetItemBkColour(row, col);
    if (own != CLR_DEFAULT) return own;
    return IsCellFixed(row, col) ? fixedBack_ : textBack_;
}

COLORREF CGridCtrl::CellTextColour(int row, int col) const {
    const COLORREF own = GetItemFgColour(row, col);
    if (own != CLR_DEFAULT) return own;
    return IsCellFixed(row, col) ? fixedText_ : text_;
}
