#include "dialogs/element_attribute_dialog.h"

#include "dialogs/dialog_numbers.h"
#include "dialogs/element_dialog_texts.h"
#include "drawing_view.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "frame/help.h"
#include "frame/translation.h"
#include "module_resources.h"
#include "schema/current_settings.h"

#include <algorithm>

TzRvnElementAttributeDlg::TzRvnElementAttributeDlg(UINT templateId, CWnd* parent, int mode, Captions captions)
    : CDialog(templateId, parent), mode_(mode), captions_(captions) {}

void TzRvnElementAttributeDlg::SetFields(std::vector<Field> fields, std::map<int, int> enterCycle) {
    fields_ = std::move(fields);
    enterCycle_ = std::move(enterCycle);
}

BOOL TzRvnElementAttributeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    if (!PrepareFields()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetWindowText(TranslateText(IsModification() ? captions_.modification : captions_.insertion).c_str());
    PlaceInsideView();
    const HICON icon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kElementDialogIcon));
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    ShowValues();
    return TRUE;
}

bool TzRvnElementAttributeDlg::LoadSettingsOrSay(TzRvnSettings& settings) {
    const TzRvnDocState* state = currentDocState();
    if (state && LoadCurrentSettings(currentDatabase(), state->currentLayer(), settings)) return true;
    MessageBoxW(m_hWnd, TranslateText(TzRvnElementDialogText::kNoCurrentSettings).c_str(),
                TranslateText(TzRvnElementDialogText::kMessageCaption).c_str(), MB_OK | MB_ICONWARNING);
    return false;
}

// At the caller's position, moved left or up just enough to keep the dialog inside the view.
void TzRvnElementAttributeDlg::PlaceInsideView() {
    RECT view{};
    acedGetAcadDwgView()->GetWindowRect(&view);
    RECT dialog{};
    GetWindowRect(&dialog);
    const LONG width = dialog.right - dialog.left;
    const LONG height = dialog.bottom - dialog.top;
    const LONG x = std::min<LONG>(positionX_, view.right - width);
    const LONG y = std::min<LONG>(positionY_, view.bottom - height);
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void TzRvnElementAttributeDlg::ShowValues() {
    for (const Field& field : fields_) ShowValue(field);
}

void TzRvnElementAttributeDlg::ShowValue(const Field& field) {
    const std::wstring text = field.number ? DialogNumberText(*field.number) : *field.text;
    SetDlgItemText(field.id, text.c_str());
}

const TzRvnElementAttributeDlg::Field* TzRvnElementAttributeDlg::FieldOf(int id) const {
    const auto found = std::find_if(fields_.begin(), fields_.end(), [id](const Field& field) { return field.id == id; });
    return found == fields_.end() ? nullptr : &*found;
}

// A number field holding no number gets its value back, all of it selected.
void TzRvnElementAttributeDlg::RestoreNonNumbers() {
    for (const Field& field : fields_) {
        if (!field.number) continue;
        std::wstring text;
        GetDlgItemText(field.id, text);
        if (DialogNumber(text)) continue;
        ShowValue(field);
        static_cast<CEdit*>(GetDlgItem(field.id))->SetSel(0, -1);
    }
}

void TzRvnElementAttributeDlg::CheckField(const Field& field) {
    RestoreNonNumbers();
    std::wstring text;
    GetDlgItemText(field.id, text);
    if (field.text) {
        if (const wchar_t* message = field.textRule ? field.textRule(text) : nullptr) return Refuse(field, message);
        *field.text = text;
        return;
    }
    const double value = DialogNumber(text).value_or(*field.number);
    if (const wchar_t* message = field.numberRule ? field.numberRule(value) : nullptr) return Refuse(field, message);
    *field.number = value;
}

void TzRvnElementAttributeDlg::Refuse(const Field& field, const wchar_t* message) {
    MessageBoxW(m_hWnd, TranslateText(message).c_str(), TranslateText(TzRvnElementDialogText::kMessageCaption).c_str(),
                MB_OK | MB_ICONWARNING);
    ShowValue(field);
    GetDlgItem(field.id)->SetFocus();
}

BOOL TzRvnElementAttributeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(LOWORD(wParam));
    const UINT code = HIWORD(wParam);
    if (const Field* field = FieldOf(id); field && code == EN_KILLFOCUS) return CheckField(*field), TRUE;
    if (const Field* field = FieldOf(id); field && code == EN_SETFOCUS) {
        if (field->selectOnEntry) static_cast<CEdit*>(GetDlgItem(id))->SetSel(0, -1);
        return TRUE;
    }
    if (id == kElementDialogHelpButton && code == BN_CLICKED) {
        OpenHelpTopic(IsModification() ? captions_.modificationHelp : captions_.insertionHelp);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// Enter in a field moves to the next one; only the OK button accepts the dialog.
void TzRvnElementAttributeDlg::OnOK() {
    const CWnd* focused = GetFocus();
    const int id = focused && focused->GetParent() == this ? focused->GetDlgCtrlID() : 0;
    if (const auto next = enterCycle_.find(id); next != enterCycle_.end()) {
        GetDlgItem(next->second)->SetFocus();
        return;
    }
    if (id == IDOK) EndDialog(IDOK);
}
