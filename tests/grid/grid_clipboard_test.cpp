#include "clipboard.h"
#include "grid_owner.h"
#include "grid_tab_text.h"

#include <gtest/gtest.h>

namespace {

using rvnhost::CellBlock;
using rvntest::GridOwner;
using GridClipboard = rvntest::GridTest;

void putOnClipboard(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, const_cast<wchar_t*>(text.c_str()));
    CloseClipboard();
}

std::wstring clipboardText() {
    if (!OpenClipboard(nullptr)) return L"(clipboard busy)";
    const auto* text = static_cast<const wchar_t*>(GetClipboardData(CF_UNICODETEXT));
    std::wstring copy = text ? text : L"(empty)";
    CloseClipboard();
    return copy;
}

TEST(GridTabText, SpreadsheetTextReadsWithItsLineEndsQuotesAndRaggedRows) {
    EXPECT_EQ(rvnhost::parseTabText(L"a\tb\r\nc\td\r\n"), (CellBlock{{L"a", L"b"}, {L"c", L"d"}}));
    EXPECT_EQ(rvnhost::parseTabText(L"a\tb\nc"), (CellBlock{{L"a", L"b"}, {L"c"}}));
    EXPECT_EQ(rvnhost::parseTabText(L"\"two\nlines\"\t\"say \"\"hi\"\"\"\r\n\t\r\n"),
              (CellBlock{{L"two\nlines", L"say \"hi\""}, {L"", L""}}));
    EXPECT_TRUE(rvnhost::parseTabText(L"").empty());

    const CellBlock awkward{{L"tab\there", L"\"quoted\""}, {L"", L"line\r\nend"}, {L"x"}};
    EXPECT_EQ(rvnhost::parseTabText(rvnhost::tabTextOf(awkward)), awkward);
}

TEST_F(GridClipboard, CopiedCellsPasteBackElsewhereAsTheyWere) {
    grid.SetItemText(1, 1, L"N1");
    grid.SetItemText(1, 2, L"10.5");
    grid.SetItemText(2, 1, L"N2");
    grid.SetItemText(2, 2, L"");
    grid.SetSelectedRange(1, 1, 2, 2);
    grid.OnKeyDown('C', FALSE, TRUE);
    EXPECT_EQ(clipboardText(), L"N1\t10.5\r\nN2\t\r\n");
    grid.SetFocusCell(4, 1);
    EXPECT_EQ(grid.OnEditPaste(), 4);
    EXPECT_EQ(grid.GetItemText(4, 1), L"N1");
    EXPECT_EQ(grid.GetItemText(4, 2), L"10.5");
    EXPECT_EQ(grid.GetItemText(5, 1), L"N2");
    EXPECT_TRUE(grid.GetItemState(4, 2) & GVIS_MODIFIED);
}

TEST_F(GridClipboard, APasteLeavesReadOnlyCellsAndWhatLiesBeyondTheGridAsTheyAre) {
    grid.SetItemText(2, GridOwner::kResultColumn, L"55.1");
    grid.SetItemState(3, 1, GVIS_READONLY);
    grid.SetItemText(3, 1, L"N3");
    grid.SetItemText(3, 4, L"kept");
    // A ragged block wider and longer than the grid from (2, 1): four columns, then one, then
    // three, then rows past the last one.
    putOnClipboard(L"A\t1\t2\t3\t4\tbeyond\r\nB\r\nC\t5\t6\r\nD\r\nE\r\nF\r\nG\r\n");
    grid.SetFocusCell(2, 1);
    EXPECT_EQ(grid.OnEditPaste(), 3 + 0 + 2 + 1);
    // The read-only column and cell keep 55.1 and N3; a short row leaves the rest (kept).
    EXPECT_EQ(grid.TableText(),
              L"N. | Nn | Z [ m ] | H [ m ] | Note\n"
              L"---+----+---------+---------+-----\n"
              L"1  |    |         |         |\n"
              L"2  | A  | 1       | 55.1    | 3\n"
              L"3  | N3 |         |         | kept\n"
              L"4  | C  | 5       |         |\n"
              L"5  | D  |         |         |\n");

    grid.SetEditable(FALSE);
    putOnClipboard(L"Z\r\n");
    EXPECT_EQ(grid.OnEditPaste(), 0);
    EXPECT_EQ(grid.GetItemText(2, 1), L"A");
}

TEST_F(GridClipboard, CutEmptiesTheCellsItMayAndCopiesThemAll) {
    grid.SetItemText(1, 2, L"10");
    grid.SetItemText(1, GridOwner::kResultColumn, L"99");
    grid.SetItemText(1, 4, L"nota");
    grid.SetItemText(2, 2, L"20");
    grid.SetItemState(2, 2, GVIS_READONLY);
    grid.SetSelectedRange(1, 2, 2, 4);
    grid.OnKeyDown('X', FALSE, TRUE);
    EXPECT_EQ(clipboardText(), L"10\t99\tnota\r\n20\t\t\r\n");
    EXPECT_EQ(grid.GetItemText(1, 2), L"");
    EXPECT_EQ(grid.GetItemText(1, GridOwner::kResultColumn), L"99");
    EXPECT_EQ(grid.GetItemText(1, 4), L"");
    EXPECT_EQ(grid.GetItemText(2, 2), L"20");
}

}  // namespace
