#include "dialog_actions.h"

#include "afx_dialog.h"
#include "presentation_hooks.h"
#include "transcript.h"
#include "window_record.h"

namespace rvnhost {
namespace {

bool refuse(const CWnd& control, const std::wstring& reason) {
    Transcript::instance().add(TranscriptKind::CommandLine,
                               L"\nControl " + std::to_wstring(control.GetDlgCtrlID()) + L" " + reason);
    return false;
}

void notify(CDialog& dialog, const CWnd& control, UINT code) {
    dialog.OnCommand(MAKEWPARAM(static_cast<UINT>(control.GetDlgCtrlID()), code),
                     reinterpret_cast<LPARAM>(control.GetSafeHwnd()));
}

std::wstring classOf(const CWnd& control) {
    const HWND__* record = liveRecord(control.GetSafeHwnd());
    return record ? record->className : L"";
}

DWORD buttonType(const CWnd& control) { return control.GetStyle() & BS_TYPEMASK; }

bool isCheckBox(const CWnd& control) {
    const DWORD type = buttonType(control);
    return classOf(control) == L"BUTTON" && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX);
}

bool isPushButton(const CWnd& control) {
    const DWORD type = buttonType(control);
    return classOf(control) == L"BUTTON" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

bool focusControl(CWnd& control) {
    control.SetFocus();
    return CWnd::GetFocus() == &control;
}

bool typeText(CDialog& dialog, CWnd& control, std::wstring text) {
    const std::wstring kind = classOf(control);
    const bool editable = kind == L"EDIT" || (kind == L"COMBOBOX" && (control.GetStyle() & CBS_TYPEMASK) != CBS_DROPDOWNLIST);
    if (!editable) return refuse(control, L"takes no typing");
    if (!focusControl(control)) return false;
    if (kind == L"EDIT" && (control.GetStyle() & ES_READONLY)) {
        Transcript::instance().add(TranscriptKind::CommandLine,
                                   L"\nField " + std::to_wstring(control.GetDlgCtrlID()) + L" is read-only");
        return false;
    }
    HWND__* record = liveRecord(control.GetSafeHwnd());
    const int limit = record->control.textLimit;
    if (limit > 0 && static_cast<int>(text.size()) > limit) text.resize(static_cast<std::size_t>(limit));
    record->text = text;
    record->control.selectionStart = record->control.selectionEnd = static_cast<int>(text.size());
    notifyWindowChanged(control.GetSafeHwnd());
    notify(dialog, control, kind == L"EDIT" ? EN_CHANGE : CBN_EDITCHANGE);
    return true;
}

bool clickButton(CDialog& dialog, CWnd& control) {
    if (classOf(control) != L"BUTTON") return refuse(control, L"is not a button");
    if (!focusControl(control)) return false;
    if (buttonType(control) == BS_AUTOCHECKBOX) {
        auto& box = static_cast<CButton&>(control);
        box.SetCheck(box.GetCheck() ? BST_UNCHECKED : BST_CHECKED);
    }
    notify(dialog, control, BN_CLICKED);
    return true;
}

bool setButtonCheck(CDialog& dialog, CWnd& control, bool checked) {
    if (!isCheckBox(control)) return refuse(control, L"is not a check box");
    if (!focusControl(control)) return false;
    auto& box = static_cast<CButton&>(control);
    if ((box.GetCheck() != 0) == checked) return true;
    if (buttonType(control) == BS_AUTOCHECKBOX) box.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
    notify(dialog, control, BN_CLICKED);
    return true;
}

bool chooseItem(CDialog& dialog, CWnd& control, int index) {
    const std::wstring kind = classOf(control);
    if (kind != L"COMBOBOX" && kind != L"LISTBOX") return refuse(control, L"has no items");
    auto& list = static_cast<CListControl&>(control);
    if (index < 0 || index >= list.GetCount()) return refuse(control, L"has no item " + std::to_wstring(index));
    if (!focusControl(control)) return false;
    list.SetCurSel(index);
    notify(dialog, control, kind == L"COMBOBOX" ? CBN_SELCHANGE : LBN_SELCHANGE);
    return true;
}

bool dropDownList(CDialog& dialog, CWnd& control) {
    if (classOf(control) != L"COMBOBOX") return refuse(control, L"is not a combo box");
    if (!focusControl(control)) return false;
    notify(dialog, control, CBN_DROPDOWN);
    return true;
}

void rightClickControl(CDialog& dialog, const CWnd& control) {
    RECT place{};
    control.GetWindowRect(&place);
    dialog.OnRButtonDown(MK_RBUTTON, CPoint((place.left + place.right) / 2, (place.top + place.bottom) / 2));
}

void pressEnter(CDialog& dialog) {
    CWnd* focused = CWnd::GetFocus();
    if (focused && focused->GetParent() == &dialog && isPushButton(*focused)) {
        clickButton(dialog, *focused);
        return;
    }
    int defaultId = IDOK;
    for (const ControlTemplate& control : dialog.dialogTemplate().controls) {
        if (control.className == L"BUTTON" && (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) defaultId = control.id;
    }
    CWnd* button = dialog.GetDlgItem(defaultId);
    if (button && !button->IsWindowEnabled()) return;
    dialog.OnCommand(MAKEWPARAM(static_cast<UINT>(defaultId), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button ? button->GetSafeHwnd() : nullptr));
}

void pressEscape(CDialog& dialog) {
    CWnd* cancel = dialog.GetDlgItem(IDCANCEL);
    dialog.OnCommand(MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel ? cancel->GetSafeHwnd() : nullptr));
}

}  // namespace rvnhost
