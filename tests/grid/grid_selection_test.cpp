#include "grid_owner.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using GridSelection = rvntest::GridTest;

std::vector<int> selectedRows(const CGridCtrl& grid) {
    std::vector<int> rows;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row) {
        bool whole = true;
        for (int col = grid.GetFixedColumnCount(); col < grid.GetColumnCount(); ++col) whole = whole && grid.IsCellSelected(row, col);
        if (whole) rows.push_back(row);
    }
    return rows;
}

TEST_F(GridSelection, ARowNumberSelectsItsRowCtrlAddsOneAndShiftARange) {
    grid.Click(2, 0);
    EXPECT_EQ(selectedRows(grid), std::vector<int>{2});
    EXPECT_EQ(grid.GetSelectedCount(), 4);
    EXPECT_EQ(grid.GetFocusCell().row, 2);
    grid.Click(4, 0, MK_CONTROL);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{2, 4}));
    grid.Click(2, 0, MK_CONTROL);  // already in: it stays, once, and is the current row
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{2, 4}));
    EXPECT_EQ(grid.GetSelectedCount(), 8);
    EXPECT_EQ(grid.GetFocusCell().row, 2);
    grid.Click(5, 0, MK_SHIFT);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{2, 3, 4, 5}));
    grid.Click(1, 0, MK_SHIFT);  // the range starts again from the same current row
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{1, 2}));
    EXPECT_EQ(grid.GetFocusCell().row, 2);
    grid.Click(3, 0);
    EXPECT_EQ(selectedRows(grid), std::vector<int>{3});
    EXPECT_FALSE(grid.IsCellSelected(3, 0));  // fixed cells are never selected
}

TEST_F(GridSelection, CellsColumnsAndEverything) {
    grid.Click(2, 2);
    grid.Click(3, 4, MK_SHIFT);
    EXPECT_EQ(grid.GetSelectedCount(), 6);
    grid.Click(5, 1, MK_CONTROL);
    EXPECT_EQ(grid.GetSelectedCount(), 7);
    grid.Click(0, 3);  // a column's title
    EXPECT_EQ(grid.GetSelectedCount(), 5);
    EXPECT_TRUE(grid.IsCellSelected(5, 3));
    grid.Click(0, 0);  // the corner
    EXPECT_EQ(grid.GetSelectedCount(), 5 * 4);

    // A right click keeps a selection it falls in, and replaces one it misses.
    grid.RightClick(2, 2);
    EXPECT_EQ(grid.GetSelectedCount(), 5 * 4);
    grid.SetSelectedRange(1, 1, 1, 2);
    grid.RightClick(4, 4);
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_TRUE(grid.IsCellSelected(4, 4));
}

// The Qt table repaints on what the observer hears.
TEST_F(GridSelection, TheObserverHearsOfEveryKindOfChange) {
    std::set<GridChange> heard;
    grid.SetObserver([&](GridChange change, int, int) { heard.insert(change); });
    grid.SetItemText(1, 1, L"N1");
    grid.Click(2, 2);
    grid.EditCell(2, 2);
    grid.InsertRow(L"", 3);
    EXPECT_EQ(heard, (std::set<GridChange>{GridChange::Cell, GridChange::Selection, GridChange::Focus,
                                           GridChange::Editing, GridChange::Layout}));
}

}  // namespace
