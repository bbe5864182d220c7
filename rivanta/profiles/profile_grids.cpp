#include "profiles/profile_grids.h"

#include "afx_grid.h"
#include "grid_table.h"
#include "frame/translation.h"
#include "profiles/profile_texts.h"

#include <string>
#include <vector>

namespace Text = TzRvnProfileText;

namespace {

constexpr int kRows = 30;
constexpr int kCompositionColumns = 10;
constexpr COLORREF kBackground = RGB(240, 240, 240);

void SetUp(CGridCtrl& grid, const std::vector<const wchar_t*>& titles) {
    grid.SetColumnCount(static_cast<int>(titles.size()));
    grid.SetRowCount(kRows);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetEditable(FALSE);
    grid.SetTextBkColor(kBackground);
    grid.SetFixedBkColor(kBackground);
    RestoreTitleHeight(grid);
    int col = 0;
    for (const wchar_t* title : titles) grid.SetItemText(0, col++, TranslateText(title).c_str());
    NumberGridRows(grid, nullptr);
}

}  // namespace

void SetUpNodeList(CGridCtrl& grid) { SetUp(grid, {Text::kNumberTitle, Text::kNodeTitle}); }

void SetUpBranchList(CGridCtrl& grid) { SetUp(grid, {Text::kNumberTitle, Text::kStartTitle, Text::kEndTitle}); }

void SetUpComposition(CGridCtrl& grid) {
    SetUp(grid, std::vector<const wchar_t*>(kCompositionColumns, Text::kCompositionTitle));
}

void SetGridText(CGridCtrl& grid, int row, int col, const std::wstring& text) {
    while (row >= grid.GetRowCount() - 1) {
        const int added = grid.InsertRow(L"");
        grid.SetItemText(added, 0, std::to_wstring(added).c_str());
    }
    grid.SetItemText(row, col, text.c_str());
}

void ClearGridCells(CGridCtrl& grid) {
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        for (int col = 1; col < grid.GetColumnCount(); ++col) grid.SetItemText(row, col, L"");
    }
}

void NumberGridRows(CGridCtrl& grid, const wchar_t* cornerTitle) {
    if (cornerTitle != nullptr) grid.SetItemText(0, 0, TranslateText(cornerTitle).c_str());
    for (int row = 1; row < grid.GetRowCount(); ++row) grid.SetItemText(row, 0, std::to_wstring(row).c_str());
}

void RestoreTitleHeight(CGridCtrl& grid) { grid.SetRowHeight(0, rvnhost::GridTable::kDefaultRowHeight * 3 / 2); }

int FirstEmptyColumn(const CGridCtrl& grid, int row) {
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        if (grid.GetItemText(row, col).empty()) return col;
    }
    return -1;
}
