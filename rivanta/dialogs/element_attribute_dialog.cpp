#include "dialogs/element_attribute_dialog.h"

#include "dialogs/dialog_icon.h"
#include "dialogs/element_dialog_texts.h"
#include "drawing_view.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "frame/help.h"
#include "frame/translation.h"
#include "schema/current_settings.h"

#include <algorithm>

TzRvnElementAttributeDlg::TzRvnElementAttributeDlg(UINT templateId, CWnd* parent, int mode, Captions captions)
    : CDialog(templateId, parent), mode_(mode), captions_(captions) {}

void TzRvnElementAttributeDlg::SetFields(std::vector<TzRvnCheckedField> fields, std::map<int, int> enterCycle) {
    fields_.Set(std::move(fields), std::move(enterCycle));
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
    SetRivantaDialogIcon(*this);
    fields_.ShowAll();
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

BOOL TzRvnElementAttributeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(LOWORD(wParam));
    const UINT code = HIWORD(wParam);
    if (fields_.OnNotification(id, code)) return TRUE;
    if (id == kElementDialogHelpButton && code == BN_CLICKED) {
        OpenHelpTopic(IsModification() ? captions_.modificationHelp : captions_.insertionHelp);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// Enter in a field moves to the next one; only the OK button accepts the dialog.
void TzRvnElementAttributeDlg::OnOK() {
    if (fields_.AcceptsOk()) EndDialog(IDOK);
}
