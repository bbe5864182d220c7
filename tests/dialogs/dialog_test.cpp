#include "afx_dialog.h"
#include "afx_resources.h"
#include "dialog_input.h"
#include "dialog_record.h"
#include "input_queue.h"
#include "module_loader.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

// A node dialog that refuses a negative elevation as its field loses the focus: it says so, puts
// the old value back and keeps the focus there.
class ElevationDialog : public CDialog {
public:
    ElevationDialog() : CDialog(9068) {}
    int okCalls = 0;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) != EN_KILLFOCUS || LOWORD(wParam) != 9025) return CDialog::OnCommand(wParam, lParam);
        std::wstring text;
        GetDlgItemText(9025, text);
        if (std::wcstod(text.c_str(), nullptr) >= 0) return TRUE;
        MessageBoxW(m_hWnd, L"La quota deve essere positiva o nulla", L"AutoCAD", MB_OK | MB_ICONWARNING);
        SetDlgItemText(9025, L"10");
        GetDlgItem(9025)->SetFocus();
        return TRUE;
    }
    void OnOK() override { ++okCalls, CDialog::OnOK(); }
};

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        Transcript::instance().clear();
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
    }
    static bool said(const std::wstring& fragment) { return Transcript::instance().contains(fragment); }
};

TEST_F(Dialogs, AValueRefusedAsTheFieldLosesTheFocusIsPutBackAndKeepsTheFocus) {
    // The click on OK after a refused value does not happen: the field took the focus back.
    rvntest::QueuedInput input({L"type 9025 -3", L"click 1", L"ok", L"type 9025 4.5", L"focus 9023", L"enter"});
    ElevationDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(said(L"[warning] AutoCAD: La quota deve essere positiva o nulla"));
    EXPECT_TRUE(said(L"closed with OK: 9027 Simbolo=\"\"; 9023 Nome/Numero=\"\"; 9025 Quota=\"4.5\""));
    EXPECT_EQ(dialog.okCalls, 1);
    EXPECT_FALSE(input.ranOut());
}

// An item a list lacks is said in the network database dialog's test (tests/database).
TEST_F(Dialogs, ActionsThatCannotBeDoneAreSaidAndChangeNothing) {
    CDialog dialog(9068);
    ASSERT_TRUE(dialog.Create(9068));
    auto* units = static_cast<CComboBox*>(dialog.GetDlgItem(9030));
    units->AddString(L"m3/s");
    units->AddString(L"l/s");
    for (const wchar_t* refused : {L"type 4242 x", L"click 9023", L"choose 9030 km/h", L"dance", L"check 9027"}) {
        EXPECT_FALSE(rvnhost::applyDialogAction(dialog, refused)) << rvnos::toUtf8(refused);
    }
    EXPECT_TRUE(said(L"The dialog has no control 4242"));
    EXPECT_TRUE(said(L"Control 9023 is not a button"));
    EXPECT_TRUE(said(L"Dialog actions: type ID TEXT"));
    EXPECT_TRUE(said(L"Control 9027 is not a check box"));
    EXPECT_EQ(units->GetCurSel(), -1);
    EXPECT_TRUE(rvnhost::applyDialogAction(dialog, L"choose 9030 L/S"));  // items are found whatever their case
    EXPECT_EQ(units->GetCurSel(), 0);
    dialog.EndDialog(IDOK);
}

TEST_F(Dialogs, ADialogLeftWaitingIsCancelledAndNamed) {
    rvntest::QueuedInput input({L"type 9023 N2"});
    CDialog dialog(9068);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(said(L"The dialog \"Inserimento NODO\" (9068) was left waiting for input: it is cancelled"));
    EXPECT_TRUE(said(L"closed with Cancel: 9027 Simbolo=\"\"; 9023 Nome/Numero=\"N2\""));
}

TEST_F(Dialogs, ATemplateNoModuleHasIsRefused) {
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(said(L"No module has the dialog template 4242"));
}

TEST_F(Dialogs, SortedComboBoxesKeepTheirItemsInOrderAndTheSelectionFollows) {
    CDialog dialog(9068);
    ASSERT_TRUE(dialog.Create(9068));
    auto* units = static_cast<CComboBox*>(dialog.GetDlgItem(9030));
    units->AddString(L"mm");
    units->SetCurSel(0);
    EXPECT_EQ(units->AddString(L"cm"), 0);
    EXPECT_EQ(units->AddString(L"m"), 1);
    EXPECT_EQ(units->GetCurSel(), 2);
    std::wstring text;
    units->GetWindowText(text);
    EXPECT_EQ(text, L"mm");
    dialog.EndDialog(IDOK);
    EXPECT_FALSE(IsWindow(dialog.GetSafeHwnd()));
}

TEST_F(Dialogs, TheFormShowsFieldsFocusAndButtons) {
    CDialog dialog(9068);
    ASSERT_TRUE(dialog.Create(9068));
    dialog.SetDlgItemText(9023, L"N7");
    static_cast<CEdit*>(dialog.GetDlgItem(9025))->SetReadOnly();
    dialog.GetDlgItem(9027)->EnableWindow(FALSE);
    dialog.GetDlgItem(9023)->SetFocus();
    const std::wstring form = rvnhost::dialogForm(dialog);
    EXPECT_NE(form.find(L"[Inserimento NODO]"), std::wstring::npos);
    EXPECT_NE(form.find(L"> 9023 Nome/Numero: \"N7\""), std::wstring::npos);
    EXPECT_NE(form.find(L"9025 Quota: \"\" (read-only)"), std::wstring::npos) << std::string(form.begin(), form.end());
    EXPECT_NE(form.find(L"9027 Simbolo: \"\" (disabled)"), std::wstring::npos);
    EXPECT_NE(form.find(L"buttons: [1 OK] [2 Annulla] [9084 ?]"), std::wstring::npos);
}

}  // namespace
