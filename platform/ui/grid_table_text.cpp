// The grid as a text table: one line per row, the cells of a column padded to one width and
// separated by " | ", the fixed rows ruled off from the others. Blanks around a text are left out
// (titles carry them for width) and a line end in a cell shows as a blank.
#include "afx_grid.h"

#include <algorithm>

namespace {

std::wstring shownText(std::wstring text) {
    std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\n' || c == L'\r' || c == L'\t'; }, L' ');
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring withoutTrailingBlanks(std::wstring line) {
    line.erase(line.find_last_not_of(L' ') + 1);
    return line;
}

}  // namespace

std::wstring CGridCtrl::TableText() const {
    std::vector<std::vector<std::wstring>> shown(static_cast<std::size_t>(GetRowCount()));
    std::vector<std::size_t> widths(static_cast<std::size_t>(GetColumnCount()), 0);
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            std::vector<std::wstring>& cells = shown[static_cast<std::size_t>(row)];
            cells.push_back(shownText(GetItemText(row, col)));
            widths[static_cast<std::size_t>(col)] = std::max(widths[static_cast<std::size_t>(col)], cells.back().size());
        }
    }
    std::wstring text;
    for (int row = 0; row < GetRowCount(); ++row) {
        std::wstring line;
        std::wstring rule;
        for (std::size_t col = 0; col < widths.size(); ++col) {
            const std::wstring& cell = shown[static_cast<std::size_t>(row)][col];
            line += (col > 0 ? L" | " : L"") + cell + std::wstring(widths[col] - cell.size(), L' ');
            rule += (col > 0 ? L"-+-" : L"") + std::wstring(widths[col], L'-');
        }
        text += withoutTrailingBlanks(line) + L"\n";
        if (row + 1 == fixedRows_ && row + 1 < GetRowCount()) text += rule + L"\n";
    }
    return text;
}
