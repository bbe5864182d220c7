// Cut, copy and paste of blocks of cells through the clipboard, as tab-separated text.
#include "afx_grid.h"
#include "clipboard.h"
#include "grid_tab_text.h"

#include <algorithm>
#include <optional>

namespace {

// Holds the clipboard open for one operation.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool isOpen() const { return open_; }

private:
    bool open_;
};

bool putText(HWND owner, const std::wstring& text) {
    OpenedClipboard board(owner);
    if (!board.isOpen() || !EmptyClipboard()) return false;
    return SetClipboardData(CF_UNICODETEXT, const_cast<wchar_t*>(text.c_str())) != nullptr;
}

std::optional<std::wstring> takeText(HWND owner) {
    OpenedClipboard board(owner);
    if (!board.isOpen()) return std::nullopt;
    const auto* text = static_cast<const wchar_t*>(GetClipboardData(CF_UNICODETEXT));
    if (!text) return std::nullopt;
    return std::wstring(text);
}

// What is copied: the selected block, or the focused cell when nothing is selected.
CCellRange copiedRange(const CGridCtrl& grid) {
    const CCellRange selected = grid.GetSelectedCellRange();
    if (selected.IsValid()) return selected;
    const CCellID focus = grid.GetFocusCell();
    return focus.IsValid() ? CCellRange(focus.row, focus.col, focus.row, focus.col) : CCellRange();
}

}  // namespace

void CGridCtrl::OnEditCopy() {
    const CCellRange range = copiedRange(*this);
    if (!range.IsValid()) return;
    rvnhost::CellBlock block;
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row) {
        block.emplace_back();
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col) block.back().push_back(GetItemText(row, col));
    }
    putText(m_hWnd, rvnhost::tabTextOf(block));
}

// The copied block's cells that may be edited are emptied; read-only ones keep their text.
void CGridCtrl::OnEditCut() {
    const CCellRange range = copiedRange(*this);
    if (!range.IsValid() || !editable_) return;
    OnEditCopy();
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row) {
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col) {
            if (IsCellEditable(row, col) && (IsCellSelected(row, col) || focus_ == CCellID(row, col))) {
                SetItemText(row, col, L"");
            }
        }
    }
}

// Rows and cells beyond the grid's last row and column are left out, as are read-only cells; a
// short row leaves the cells after it as they were. The cells pasted become the selection.
int CGridCtrl::OnEditPaste() {
    if (!focus_.IsValid() || !editable_ || !EndEditing()) return 0;
    const std::optional<std::wstring> text = takeText(m_hWnd);
    if (!text) return 0;
    const rvnhost::CellBlock block = rvnhost::parseTabText(*text);
    int written = 0;
    int lastRow = focus_.row;
    int lastCol = focus_.col;
    for (std::size_t r = 0; r < block.size() && focus_.row + static_cast<int>(r) < GetRowCount(); ++r) {
        const int row = focus_.row + static_cast<int>(r);
        for (std::size_t c = 0; c < block[r].size() && focus_.col + static_cast<int>(c) < GetColumnCount(); ++c) {
            const int col = focus_.col + static_cast<int>(c);
            lastRow = std::max(lastRow, row);
            lastCol = std::max(lastCol, col);
            if (!IsCellEditable(row, col)) continue;
            SetItemText(row, col, block[r][c].c_str());
            table_.cell(row, col).state |= GVIS_MODIFIED;
            ++written;
        }
    }
    SetSelectedRange(focus_.row, focus_.col, lastRow, lastCol);
    return written;
}
