#include "grid_owner.h"

#include <gtest/gtest.h>

namespace {

using rvntest::GridOwner;
using GridLayout = rvntest::GridTest;

std::vector<std::wstring> column(const CGridCtrl& grid, int col) {
    std::vector<std::wstring> texts;
    for (int row = 0; row < grid.GetRowCount(); ++row) texts.push_back(grid.GetItemText(row, col));
    return texts;
}

TEST_F(GridLayout, FormatsColoursAndSizesBelongToTheirCellsAndTheFixedCellsHaveTheirOwnBackground) {
    grid.SetFixedBkColor(RGB(240, 240, 240));
    grid.SetItemFormat(1, 2, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    grid.SetItemFgColour(1, 3, RGB(255, 0, 0));
    grid.SetItemBkColour(2, 3, RGB(0, 0, 255));
    EXPECT_EQ(grid.GetItemFormat(1, 2), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(grid.CellTextColour(1, 3), RGB(255, 0, 0));
    EXPECT_EQ(grid.CellTextColour(1, 2), grid.GetTextColor());
    EXPECT_EQ(grid.CellBackColour(3, 0), RGB(240, 240, 240));
    EXPECT_EQ(grid.CellBackColour(2, 2), grid.GetTextBkColor());

    // A row inserted in the data takes the formats of the row it pushes down, not its text or colours.
    grid.SetItemText(2, 2, L"3.5");
    grid.SetItemFormat(2, 2, DT_RIGHT);
    ASSERT_EQ(grid.InsertRow(nullptr, 2), 2);
    EXPECT_EQ(grid.GetItemFormat(2, 2), static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(grid.GetItemText(2, 2), L"");
    EXPECT_EQ(grid.GetItemBkColour(2, 3), CLR_DEFAULT);
    EXPECT_EQ(grid.GetItemText(3, 2), L"3.5");
    EXPECT_EQ(grid.GetItemBkColour(3, 3), RGB(0, 0, 255));

    EXPECT_FALSE(grid.SetItemText(grid.GetRowCount(), 1, L"x"));
    EXPECT_FALSE(grid.SetRowHeight(-1, 10));
    EXPECT_EQ(grid.GetItemText(99, 99), L"");
}

TEST_F(GridLayout, RowsInsertedAndDeletedMoveTheRowsBelowAndTheFocusStaysOnARealCell) {
    for (int row = 1; row < grid.GetRowCount(); ++row) grid.SetItemText(row, 1, (L"N" + std::to_wstring(row)).c_str());
    grid.SetFocusCell(2, 1);
    ASSERT_EQ(grid.InsertRow(L"", grid.GetFocusCell().row), 2);
    // The fixed column shows what it showed until the owner renumbers.
    EXPECT_EQ(column(grid, 0), (std::vector<std::wstring>{L"N.", L"1", L"", L"2", L"3", L"4", L"5"}));
    EXPECT_EQ(column(grid, 1), (std::vector<std::wstring>{L"Nn", L"N1", L"", L"N2", L"N3", L"N4", L"N5"}));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));

    ASSERT_TRUE(grid.DeleteRow(4));
    EXPECT_EQ(column(grid, 1), (std::vector<std::wstring>{L"Nn", L"N1", L"", L"N2", L"N4", L"N5"}));
    EXPECT_EQ(column(grid, 0), (std::vector<std::wstring>{L"N.", L"1", L"", L"2", L"4", L"5"}));

    grid.SetFocusCell(5, 4);
    grid.EditCell(5, 4);
    ASSERT_TRUE(grid.DeleteRow(5));
    EXPECT_FALSE(grid.IsEditing());  // the editor closes with its row
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 4));
    EXPECT_FALSE(grid.DeleteRow(grid.GetRowCount()));
}

TEST_F(GridLayout, AColumnInsertedTakesTheCellsAndReadOnlyStateRightOfItAlong) {
    grid.SetItemText(1, 4, L"nota");
    ASSERT_EQ(grid.InsertColumn(L"Q [ l/s ]", DT_RIGHT, 2), 2);
    EXPECT_EQ(grid.GetColumnCount(), 6);
    EXPECT_EQ(grid.GetItemText(0, 2), L"Q [ l/s ]");
    EXPECT_EQ(grid.GetItemFormat(3, 2), static_cast<UINT>(DT_RIGHT));
    EXPECT_TRUE(grid.IsColumnReadOnly(GridOwner::kResultColumn + 1));
    EXPECT_FALSE(grid.IsColumnReadOnly(2));
    EXPECT_EQ(grid.GetItemText(1, 5), L"nota");
}

}  // namespace
