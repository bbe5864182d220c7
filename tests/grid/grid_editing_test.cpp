#include "grid_owner.h"

#include <gtest/gtest.h>

namespace {

using rvntest::GridOwner;
using GridEditing = rvntest::GridTest;

// A committed value reaches the cell before the owner is told (tests/gui types one through the table).
TEST_F(GridEditing, AnEditLeftWithEscapeIsDropped) {
    ASSERT_TRUE(grid.EditCell(2, 1));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    grid.SetEditText(L"dropped");
    grid.OnKeyDown(VK_ESCAPE);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetItemText(2, 1), L"");
}

TEST_F(GridEditing, AValueTheOwnerRefusesBringsTheOldTextBackAndTheCellIsEditedAgain) {
    grid.SetItemText(1, GridOwner::kElevationColumn, L"10");
    grid.EditCell(1, GridOwner::kElevationColumn);
    grid.SetEditText(L"-1");
    EXPECT_FALSE(grid.EndEditing());
    EXPECT_EQ(owner.events.back().text, L"-1");  // the owner read the refused value in the cell
    EXPECT_EQ(grid.GetItemText(1, GridOwner::kElevationColumn), L"10");
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.GetEditCell(), CCellID(1, GridOwner::kElevationColumn));
    EXPECT_EQ(grid.GetEditText(), L"10");
    EXPECT_FALSE(grid.GetItemState(1, GridOwner::kElevationColumn) & GVIS_MODIFIED);

    // A refused value also keeps the focus from moving with Tab, and a click elsewhere.
    grid.SetEditText(L"-5");
    grid.OnKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, GridOwner::kElevationColumn));
    grid.SetEditText(L"-5");
    grid.Click(4, 1);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, GridOwner::kElevationColumn));
    EXPECT_TRUE(grid.IsEditing());

    grid.SetEditText(L"12.5");
    EXPECT_TRUE(grid.EndEditing());
    EXPECT_EQ(grid.GetItemText(1, GridOwner::kElevationColumn), L"12.5");
}

TEST_F(GridEditing, ReadOnlyCellsColumnsFixedCellsAndAGridNotEditableNeverEnterEditing) {
    EXPECT_FALSE(grid.EditCell(1, GridOwner::kResultColumn));  // read-only column
    EXPECT_FALSE(grid.EditCell(0, 1));                          // title row
    EXPECT_FALSE(grid.EditCell(1, 0));                          // number column
    grid.SetItemState(2, 1, GVIS_READONLY);
    EXPECT_FALSE(grid.EditCell(2, 1));
    EXPECT_TRUE(grid.EditCell(3, 1));
    grid.CancelEditing();

    // A row inserted later is read-only in the read-only column too.
    const int inserted = grid.InsertRow(L"", 2);
    EXPECT_FALSE(grid.IsCellEditable(inserted, GridOwner::kResultColumn));
    EXPECT_TRUE(grid.IsCellEditable(inserted, 1));

    owner.lockedRow = 4;
    EXPECT_FALSE(grid.EditCell(4, 1));
    EXPECT_FALSE(grid.IsEditing());

    grid.SetEditable(FALSE);
    EXPECT_FALSE(grid.EditCell(3, 1));
    grid.SetEditable(TRUE);
    grid.SetItemState(2, 1, 0);
    EXPECT_TRUE(grid.EditCell(2, 1));
    // Making the cell being edited read-only closes its editor.
    grid.SetItemState(2, 1, GVIS_READONLY);
    EXPECT_FALSE(grid.IsEditing());
}

TEST_F(GridEditing, TabMovesThroughEveryCellWrappingBetweenRowsAndEditsOnWhereItCan) {
    grid.EditCell(1, 2);
    grid.SetEditText(L"5");
    grid.OnKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetItemText(1, 2), L"5");
    EXPECT_EQ(grid.GetEndEditKey(), VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 3));  // the result column takes the focus...
    EXPECT_FALSE(grid.IsEditing());                 // ...but no editor
    grid.OnKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 4));
    grid.OnKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));  // wraps past the number column
    grid.OnKeyDown(VK_TAB, TRUE);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 4));
    grid.EditCell(1, 4);
    grid.OnKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_TRUE(grid.IsEditing());  // an edit carried on by Tab
    EXPECT_EQ(grid.GetEditCell(), CCellID(2, 1));

    // At the last cell Tab stays; at the first, Shift+Tab stays.
    grid.CancelEditing();
    grid.SetFocusCell(5, 4);
    grid.OnKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(5, 4));
    grid.SetFocusCell(1, 1);
    grid.OnKeyDown(VK_TAB, TRUE);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1));
}

TEST_F(GridEditing, EnterMovesToTheNextCellThatIsNotReadOnly) {
    grid.EditCell(1, 2);
    grid.SetEditText(L"7");
    grid.OnKeyDown(VK_RETURN);
    EXPECT_EQ(grid.GetEndEditKey(), VK_RETURN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 4));  // over the result column
    EXPECT_TRUE(grid.IsEditing());
    grid.SetItemState(2, 1, GVIS_READONLY);
    grid.OnKeyDown(VK_RETURN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));  // over the next row's read-only name
    grid.CancelEditing();
    grid.OnKeyDown(VK_RETURN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 4));
    EXPECT_FALSE(grid.IsEditing());
}

TEST_F(GridEditing, TheOwnerHearsFocusMovesClicksAndEditsWithTheirCells) {
    grid.Click(2, 1);
    grid.DoubleClick(3, 2);
    EXPECT_TRUE(grid.IsEditing());  // a double click opens the editor of an editable cell
    grid.CancelEditing();
    grid.RightClick(4, 4);
    const std::vector<UINT> expected{GVN_SELCHANGED, NM_CLICK, GVN_SELCHANGED, NM_CLICK, NM_DBLCLK, GVN_BEGINLABELEDIT,
                                     GVN_SELCHANGED, NM_RCLICK};
    EXPECT_EQ(owner.codes(), expected);
    EXPECT_EQ(owner.events.back().row, 4);
    EXPECT_EQ(owner.events.back().col, 4);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 4));
}

}  // namespace
