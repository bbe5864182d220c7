#include "afx_dialog.h"
#include "afx_resources.h"
#include "dialog_record.h"
#include "input_queue.h"
#include "module_loader.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

// A node dialog as a plug-in writes one: the name limited to 15 characters and never empty, the
// elevation read-only on request and at least 0 (checked as it loses the focus), the values kept
// when OK closes it.
class NodeDialog : public CDialog {
public:
    explicit NodeDialog(bool elevationLocked = false) : CDialog(9068), elevationLocked_(elevationLocked) {}

    std::wstring name = L"N1";
    double elevation = 10.0;
    std::wstring unit;
    bool locked = false;
    int okCalls = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        static_cast<CEdit*>(GetDlgItem(9023))->LimitText(15);
        static_cast<CEdit*>(GetDlgItem(9025))->SetReadOnly(elevationLocked_);
        auto* units = static_cast<CComboBox*>(GetDlgItem(9030));
        units->AddString(L"m3/s");
        units->AddString(L"l/s");
        units->SetCurSel(units->FindStringExact(-1, L"m3/s"));
        SetDlgItemText(9023, name.c_str());
        SetDlgItemText(9025, L"10");
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == EN_KILLFOCUS && LOWORD(wParam) == 9025) return checkElevation(), TRUE;
        if (HIWORD(wParam) == EN_KILLFOCUS && LOWORD(wParam) == 9023) return checkName(), TRUE;
        return CDialog::OnCommand(wParam, lParam);
    }

    void OnOK() override {
        ++okCalls;
        GetDlgItemText(9023, name);
        GetDlgItemText(9030, unit);
        locked = static_cast<CButton*>(GetDlgItem(9031))->GetCheck() == BST_CHECKED;
        CDialog::OnOK();
    }

private:
    void refuse(int id, const wchar_t* message, const std::wstring& previous) {
        MessageBoxW(m_hWnd, message, L"AutoCAD", MB_OK | MB_ICONWARNING);
        SetDlgItemText(id, previous.c_str());
        GetDlgItem(id)->SetFocus();
    }

    void checkElevation() {
        std::wstring text;
        GetDlgItemText(9025, text);
        wchar_t* end = nullptr;
        const double value = std::wcstod(text.c_str(), &end);
        if (text.empty() || *end != L'\0' || value < 0) return refuse(9025, L"La quota deve essere positiva o nulla", L"10");
        elevation = value;
    }

    void checkName() {
        std::wstring text;
        GetDlgItemText(9023, text);
        if (text.empty()) return refuse(9023, L"Il Nome/Numero deve avere almeno 1 carattere!", name);
    }

    bool elevationLocked_;
};

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        Transcript::instance().clear();
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
    }
    static bool said(const std::wstring& fragment) { return Transcript::instance().contains(fragment); }
};

TEST_F(Dialogs, TypedValuesReachTheDialogAndOkClosesIt) {
    rvntest::QueuedInput input({L"type 9023 Nodo-di-testa-molto-lungo", L"choose 9030 l/s", L"check 9031", L"click 1"});
    NodeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, L"Nodo-di-testa-m");  // 15 characters: the limit cuts the typing
    EXPECT_EQ(dialog.unit, L"l/s");
    EXPECT_TRUE(dialog.locked);
    EXPECT_FALSE(input.ranOut());
    EXPECT_TRUE(said(L"Dialog \"Inserimento NODO\" (9068) opened"));
    EXPECT_TRUE(said(L"closed with OK: 9027 Simbolo=\"\"; 9023 Nome/Numero=\"Nodo-di-testa-m\"; 9025 Quota=\"10\"; "
                     L"9030 Unità=\"l/s\"; 9031 Bloccata=[x]"));
    EXPECT_FALSE(IsWindow(dialog.GetSafeHwnd()));
}

TEST_F(Dialogs, AValueRefusedAsTheFieldLosesTheFocusIsPutBackAndKeepsTheFocus) {
    // The click on OK after a refused value does not happen: the field took the focus back.
    rvntest::QueuedInput input({L"type 9025 -3", L"click 1", L"ok", L"type 9025 4.5", L"focus 9023", L"enter"});
    NodeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(said(L"[warning] AutoCAD: La quota deve essere positiva o nulla"));
    EXPECT_DOUBLE_EQ(dialog.elevation, 4.5);
    EXPECT_EQ(dialog.okCalls, 1);
    EXPECT_FALSE(input.ranOut());
}

TEST_F(Dialogs, ReadOnlyAndDisabledFieldsTakeNothing) {
    rvntest::QueuedInput input({L"type 9025 99", L"type 9027 A", L"click 1"});
    NodeDialog dialog(true);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(said(L"Field 9025 is read-only"));
    EXPECT_TRUE(said(L"9025 Quota=\"10\""));
    EXPECT_TRUE(said(L"9027 Simbolo=\"A\""));
}

// Escape, the Cancel button and Enter on it cancel; Enter elsewhere presses the default button.
TEST_F(Dialogs, EscapeTheCancelButtonAndEnterOnItCancelAndEnterElsewhereAccepts) {
    for (const auto& actions : {std::vector<std::wstring>{L"type 9023 X", L"esc"}, {L"click 2"}, {L"focus 2", L"enter"}}) {
        rvntest::QueuedInput input(actions);
        NodeDialog dialog;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.name, L"N1");
        EXPECT_EQ(dialog.okCalls, 0);
    }
    rvntest::QueuedInput more({L"type 9027 B", L"enter"});
    NodeDialog accepted;
    EXPECT_EQ(accepted.DoModal(), IDOK);
}

TEST_F(Dialogs, ActionsThatCannotBeDoneAreSaidAndChangeNothing) {
    rvntest::QueuedInput input({L"type 4242 x", L"click 9023", L"choose 9030 km/h", L"choose 9030 L/S", L"dance",
                                L"check 9027", L"click 1"});
    NodeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(said(L"The dialog has no control 4242"));
    EXPECT_TRUE(said(L"Control 9023 is not a button"));
    EXPECT_TRUE(said(L"Control 9030 has no item \"km/h\""));
    EXPECT_TRUE(said(L"Dialog actions: type ID TEXT"));
    EXPECT_TRUE(said(L"Control 9027 is not a check box"));
    EXPECT_EQ(dialog.unit, L"l/s");  // items are found whatever their case
}

TEST_F(Dialogs, ADialogLeftWaitingIsCancelledAndNamed) {
    rvntest::QueuedInput input({L"type 9023 N2"});
    NodeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(said(L"The dialog \"Inserimento NODO\" (9068) was left waiting for input: it is cancelled"));
    EXPECT_EQ(dialog.name, L"N1");
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
