#include "dialog_input.h"

#include "afx_dialog.h"
#include "dialog_record.h"
#include "input_source.h"
#include "transcript.h"
#include "window_record.h"

#include <cwctype>

namespace rvnhost {
namespace {

struct Action {
    std::wstring verb;
    int id = 0;
    bool hasId = false;
    std::wstring rest;
};

Action parseAction(const std::wstring& line) {
    Action action;
    std::size_t at = line.find_first_not_of(L" \t");
    if (at == std::wstring::npos) return action;
    std::size_t end = line.find_first_of(L" \t", at);
    action.verb = line.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
    for (auto& c : action.verb) c = static_cast<wchar_t>(std::towlower(c));
    if (end == std::wstring::npos) return action;
    at = line.find_first_not_of(L" \t", end);
    if (at == std::wstring::npos) return action;
    end = line.find_first_of(L" \t", at);
    const std::wstring idText = line.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
    wchar_t* stop = nullptr;
    const long id = std::wcstol(idText.c_str(), &stop, 10);
    action.hasId = !idText.empty() && *stop == L'\0';
    action.id = static_cast<int>(id);
    if (end != std::wstring::npos) action.rest = line.substr(end + 1);
    return action;
}

bool refuse(const std::wstring& reason) {
    Transcript::instance().add(TranscriptKind::CommandLine, L"\n" + reason);
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

// Moves the focus to the control; false when a handler kept it elsewhere (a field refused).
bool focusOn(CWnd& control) {
    control.SetFocus();
    return CWnd::GetFocus() == &control;
}

bool typeInto(CDialog& dialog, CWnd& control, std::wstring text) {
    const std::wstring kind = classOf(control);
    const bool editable = kind == L"EDIT" || (kind == L"COMBOBOX" && (control.GetStyle() & CBS_TYPEMASK) != CBS_DROPDOWNLIST);
    if (!editable) return refuse(L"Control " + std::to_wstring(control.GetDlgCtrlID()) + L" takes no typing");
    if (!focusOn(control)) return false;
    if (kind == L"EDIT" && (control.GetStyle() & ES_READONLY)) {
        return refuse(L"Field " + std::to_wstring(control.GetDlgCtrlID()) + L" is read-only");
    }
    HWND__* record = liveRecord(control.GetSafeHwnd());
    const int limit = record->control.textLimit;
    if (limit > 0 && static_cast<int>(text.size()) > limit) text.resize(static_cast<std::size_t>(limit));
    record->text = text;
    record->control.selectionStart = record->control.selectionEnd = static_cast<int>(text.size());
    notify(dialog, control, kind == L"EDIT" ? EN_CHANGE : CBN_EDITCHANGE);
    return true;
}

bool click(CDialog& dialog, CWnd& control) {
    if (classOf(control) != L"BUTTON") return refuse(L"Control " + std::to_wstring(control.GetDlgCtrlID()) + L" is not a button");
    if (!focusOn(control)) return false;
    if (buttonType(control) == BS_AUTOCHECKBOX) {
        auto& box = static_cast<CButton&>(control);
        box.SetCheck(box.GetCheck() ? BST_UNCHECKED : BST_CHECKED);
    }
    notify(dialog, control, BN_CLICKED);
    return true;
}

bool setCheck(CDialog& dialog, CWnd& control, bool checked) {
    if (!isCheckBox(control)) return refuse(L"Control " + std::to_wstring(control.GetDlgCtrlID()) + L" is not a check box");
    if (!focusOn(control)) return false;
    auto& box = static_cast<CButton&>(control);
    if ((box.GetCheck() != 0) == checked) return true;
    if (buttonType(control) == BS_AUTOCHECKBOX) box.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
    notify(dialog, control, BN_CLICKED);
    return true;
}

bool choose(CDialog& dialog, CWnd& control, const std::wstring& item) {
    const std::wstring kind = classOf(control);
    if (kind != L"COMBOBOX" && kind != L"LISTBOX") {
        return refuse(L"Control " + std::to_wstring(control.GetDlgCtrlID()) + L" has no items");
    }
    auto& list = static_cast<CListControl&>(control);
    const int index = list.FindStringExact(-1, item.c_str());
    if (index < 0) return refuse(L"Control " + std::to_wstring(control.GetDlgCtrlID()) + L" has no item \"" + item + L"\"");
    if (!focusOn(control)) return false;
    list.SetCurSel(index);
    notify(dialog, control, kind == L"COMBOBOX" ? CBN_SELCHANGE : LBN_SELCHANGE);
    return true;
}

// Enter presses the focused push button, else the default one (the template's DEFPUSHBUTTON, or OK).
bool pressEnter(CDialog& dialog) {
    CWnd* focused = CWnd::GetFocus();
    if (focused && focused->GetParent() == &dialog && isPushButton(*focused)) return click(dialog, *focused);
    int defaultId = IDOK;
    for (const ControlTemplate& control : dialog.dialogTemplate().controls) {
        if (control.className == L"BUTTON" && (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) defaultId = control.id;
    }
    CWnd* button = dialog.GetDlgItem(defaultId);
    if (button && !button->IsWindowEnabled()) return true;
    dialog.OnCommand(MAKEWPARAM(static_cast<UINT>(defaultId), BN_CLICKED), reinterpret_cast<LPARAM>(button ? button->GetSafeHwnd() : nullptr));
    return true;
}

// A right click at the middle of the control, which the dialog hears as a click at that point of
// its own client area (static controls and group boxes let right clicks through to the dialog).
bool rightClick(CDialog& dialog, const CWnd& control) {
    RECT place{};
    control.GetWindowRect(&place);
    dialog.OnRButtonDown(MK_RBUTTON, CPoint((place.left + place.right) / 2, (place.top + place.bottom) / 2));
    return true;
}

bool actOnControl(CDialog& dialog, const Action& action) {
    CWnd* control = dialog.GetDlgItem(action.id);
    if (!control) return refuse(L"The dialog has no control " + std::to_wstring(action.id));
    if (!control->IsWindowEnabled()) return refuse(L"Control " + std::to_wstring(action.id) + L" is disabled");
    if (action.verb == L"type") return typeInto(dialog, *control, action.rest);
    if (action.verb == L"focus") return focusOn(*control);
    if (action.verb == L"click") return click(dialog, *control);
    if (action.verb == L"rclick") return rightClick(dialog, *control);
    if (action.verb == L"check" || action.verb == L"uncheck") return setCheck(dialog, *control, action.verb == L"check");
    return choose(dialog, *control, action.rest);
}

const wchar_t* const kActions =
    L"Dialog actions: type ID TEXT, focus ID, click ID, rclick ID, check ID, uncheck ID, choose ID ITEM, enter, "
    L"esc";

}  // namespace

bool applyDialogAction(CDialog& dialog, const std::wstring& line) {
    const Action action = parseAction(line);
    if (action.verb == L"enter") return pressEnter(dialog);
    if (action.verb == L"esc" || action.verb == L"*cancel*") {
        CWnd* cancel = dialog.GetDlgItem(IDCANCEL);
        dialog.OnCommand(MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel ? cancel->GetSafeHwnd() : nullptr));
        return true;
    }
    const bool knownVerb = action.verb == L"type" || action.verb == L"focus" || action.verb == L"click" ||
                           action.verb == L"rclick" || action.verb == L"check" || action.verb == L"uncheck" ||
                           action.verb == L"choose";
    if (!knownVerb || !action.hasId) return refuse(kActions);
    return actOnControl(dialog, action);
}

void runDialogInput(CDialog& dialog) {
    while (!dialog.isEnded()) {
        const std::wstring prompt = L"\nDialog " + dialogTitle(dialog) + L": ";
        if (currentInput().isInteractive()) Transcript::instance().add(TranscriptKind::Dialog, dialogForm(dialog));
        const std::optional<std::wstring> line = readAnswer(prompt);
        if (!line) {
            Transcript::instance().add(TranscriptKind::Error, L"The dialog " + dialogTitle(dialog) +
                                                                  L" was left waiting for input: it is cancelled");
            dialog.EndDialog(IDCANCEL);
            return;
        }
        applyDialogAction(dialog, *line);
    }
}

}  // namespace rvnhost
