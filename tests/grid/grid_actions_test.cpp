#include "grid_owner.h"

#include "afx_dialog.h"
#include "afx_grid.h"
#include "afx_menu.h"
#include "dialog_input.h"
#include "dialog_record.h"
#include "input_queue.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

using rvnhost::Transcript;

constexpr int kGrid = 9038;

// A grid dialog as the plug-in writes one: the grid of its template set up in OnInitDialog, a
// negative elevation refused with a message, the context menu of resource 9076 on a right click,
// rows inserted from it and renumbered here.
class NodesDialog : public CDialog {
public:
    NodesDialog() : CDialog(9061) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        rvntest::makeNodeGrid(grid());
        return TRUE;
    }

    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* view = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
        if (view->hdr.code == GVN_ENDLABELEDIT && view->iColumn == 2 &&
            std::wcstod(grid().GetItemText(view->iRow, 2).c_str(), nullptr) < 0) {
            MessageBoxW(m_hWnd, L"La quota e' NEGATIVA!", L"Messaggio Database Dati Rete", MB_OK | MB_ICONWARNING);
            *result = -1;
        }
        if (view->hdr.code == NM_RCLICK) showMenu();
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != 32771) return CDialog::OnCommand(wParam, lParam);
        grid().InsertRow(L"", grid().GetFocusCell().row);
        rvntest::numberRows(grid());
        return TRUE;
    }

    void OnOK() override {
        table = grid().TableText();
        CDialog::OnOK();
    }

    CGridCtrl& grid() { return *static_cast<CGridCtrl*>(GetDlgItem(kGrid)); }

    std::wstring table;

private:
    void showMenu() {
        CMenu menu;
        if (menu.LoadMenu(9076)) menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, this);
    }
};

// A script printing a grid to a PDF file is the imported network example's (tests/shell).
TEST(GridActions, AScriptTypesIntoCellsMovesWithKeysCopiesPastesAndUsesTheContextMenu) {
    Transcript::instance().clear();
    rvntest::QueuedInput input({
        L"edit 9038 1 1 N1", L"key 9038 tab",   // the name, then on to the elevation
        L"edit 9038 1 2 -3", L"key 9038 enter",  // refused: the message box takes the next line
        L"ok",
        L"edit 9038 1 2 12.5", L"key 9038 enter",  // over the read-only column to the note
        L"edit 9038 1 4 prima", L"edit 9038 2 1 N2",  // the note left by a click on another cell
        L"key 9038 tab",
        L"cell 9038 1 0", L"cell 9038 2 0 shift", L"key 9038 ctrl+c",
        L"cell 9038 4 1", L"key 9038 ctrl+v",
        L"rclick 9038 2 1", L"Inserisci Riga",
        L"edit 9038 2 4 nuova",
        L"click 1",  // OK ends the edit open in the grid first
    });
    NodesDialog dialog;
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(input.remaining(), 0u);
    EXPECT_TRUE(Transcript::instance().contains(L"[warning] Messaggio Database Dati Rete: La quota e' NEGATIVA!"));
    EXPECT_EQ(dialog.table,
              L"N. | Nn | Z [ m ] | H [ m ] | Note\n"
              L"---+----+---------+---------+------\n"
              L"1  | N1 | 12.5    |         | prima\n"
              L"2  |    |         |         | nuova\n"
              L"3  | N2 |         |         |\n"
              L"4  |    |         |         |\n"
              L"5  | N1 | 12.5    |         | prima\n"
              L"6  | N2 |         |         |\n");
}

// A read-only cell and a grid the dialog lacks are refused in the materials and grid window tests.
TEST(GridActions, ActionsAGridCannotTakeAreSaidAndChangeNothing) {
    Transcript::instance().clear();
    rvntest::QueuedInput input(
        {L"cell 9038 9 9", L"cell 9038 1", L"key 9038 f5", L"cell 9038 1 1 alt", L"print 9038", L"esc"});
    NodesDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::wstring said = Transcript::instance().textOf(rvnhost::TranscriptKind::CommandLine);
    for (const wchar_t* refusal : {L"Grid 9038 has no cell 9,9", L"A grid action needs a row and a column", L"Grid keys:",
                                   L"A click is made alone, with ctrl or with shift", L"print needs the path of the PDF file"}) {
        EXPECT_NE(said.find(refusal), std::wstring::npos) << rvnos::toUtf8(refusal);
    }
}

TEST(GridActions, TheTerminalFormShowsAGridAsATableWithItsFocusEditorAndSelection) {
    NodesDialog dialog;
    ASSERT_TRUE(dialog.Create(9061));
    CGridCtrl& grid = dialog.grid();
    grid.SetItemText(1, 1, L"N1");
    grid.SetItemText(2, 1, L"N2");
    grid.Click(2, 0);
    grid.EditCell(1, 4);
    grid.SetEditText(L"in corso");
    const std::wstring form = rvnhost::dialogForm(dialog);
    EXPECT_NE(form.find(L"> 9038 grid (focus 1,4; editing 1,4: \"in corso\"; 4 cells selected in 2,1 to 2,4):\n"
                        L"    N. | Nn | Z [ m ] | H [ m ] | Note\n"
                        L"    ---+----+---------+---------+-----\n"
                        L"    1  | N1 |         |         |\n"
                        L"    2  | N2 |         |         |\n"),
              std::wstring::npos)
        << rvnos::toUtf8(form);
    dialog.EndDialog(IDCANCEL);
}

}  // namespace
