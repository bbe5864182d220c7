#include "dialog_input.h"

#include "afx_dialog.h"
#include "afx_grid.h"
#include "dialog_actions.h"
#include "dialog_record.h"
#include "grid_actions.h"
#include "input_source.h"
#include "transcript.h"

#include <algorithm>
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

bool choose(CDialog& dialog, CWnd& control, const std::wstring& item) {
    const auto* list = dynamic_cast<const CListControl*>(&control);
    const int index = list ? list->FindStringExact(-1, item.c_str()) : CB_ERR;
    if (list && index < 0) {
        return refuseAction(L"Control " + std::to_wstring(control.GetDlgCtrlID()) + L" has no item \"" + item + L"\"");
    }
    return chooseItem(dialog, control, index);
}

// The dialog the user acts on with a control id: the modal one when it has the control, else the
// modeless dialog shown that has it.
CDialog& dialogHolding(CDialog& dialog, int id) {
    if (dialog.GetDlgItem(id)) return dialog;
    for (CDialog* shown : modelessDialogs()) {
        if (shown != &dialog && shown->GetDlgItem(id)) return *shown;
    }
    return dialog;
}

CDialog* modelessWithTemplate(int templateId) {
    for (CDialog* shown : modelessDialogs()) {
        if (static_cast<int>(shown->templateId()) == templateId) return shown;
    }
    return nullptr;
}

// The grid with the focus, in the dialog or in a modeless one shown.
CGridCtrl* focusedGrid(const CDialog& dialog) {
    CWnd* focused = CWnd::GetFocus();
    CWnd* owner = focused ? focused->GetParent() : nullptr;
    if (!owner) return nullptr;
    const auto& shown = modelessDialogs();
    const bool reachable = owner == &dialog || std::find(shown.begin(), shown.end(), owner) != shown.end();
    return reachable ? asGrid(focused) : nullptr;
}

// Ends the edits open in the grids of the dialog and of the modeless dialogs shown but one grid;
// false when an owner refused the value typed.
bool endEditsEverywhere(const CDialog& dialog, const CWnd* except) {
    if (!endGridEdits(dialog, except)) return false;
    const std::vector<CDialog*> shown = modelessDialogs();
    return std::all_of(shown.begin(), shown.end(), [&](const CDialog* other) { return endGridEdits(*other, except); });
}

// The close box of a modeless dialog shown, named by its template id.
bool closeModeless(const Action& action) {
    CDialog* shown = action.hasId ? modelessWithTemplate(action.id) : nullptr;
    if (!shown) return refuseAction(L"No window " + std::to_wstring(action.id) + L" is shown");
    shown->OnClose();
    return true;
}

bool actOnControl(CDialog& dialog, const Action& action) {
    CWnd* control = dialog.GetDlgItem(action.id);
    if (!control) return refuseAction(L"The dialog has no control " + std::to_wstring(action.id));
    if (!control->IsWindowEnabled()) return refuseAction(L"Control " + std::to_wstring(action.id) + L" is disabled");
    if (action.verb == L"type") return typeText(dialog, *control, action.rest);
    if (action.verb == L"focus") return focusControl(*control);
    if (action.verb == L"click") return clickButton(dialog, *control);
    if (action.verb == L"rclick") return rightClickControl(dialog, *control), true;
    if (action.verb == L"drop") return dropDownList(dialog, *control);
    if (action.verb == L"check" || action.verb == L"uncheck") {
        return setButtonCheck(dialog, *control, action.verb == L"check");
    }
    return choose(dialog, *control, action.rest);
}

bool actOnGrid(CDialog& dialog, const Action& action) {
    CGridCtrl* grid = asGrid(dialog.GetDlgItem(action.id));
    if (!grid) return refuseAction(L"The dialog has no grid " + std::to_wstring(action.id));
    if (!grid->IsWindowEnabled()) return refuseAction(L"Control " + std::to_wstring(action.id) + L" is disabled");
    if (!endEditsEverywhere(dialog, grid)) return false;
    return applyGridAction(*grid, action.verb, action.rest);
}


const wchar_t* const kActions =
    L"Dialog actions: type ID TEXT, focus ID, click ID, rclick ID, check ID, uncheck ID, drop ID, choose ID ITEM, "
    L"enter, esc; on a grid: cell ID ROW COL [ctrl|shift], dblclick ID ROW COL, rclick ID ROW COL, edit ID ROW COL "
    L"TEXT, key ID KEY, print ID PATH; close ID (a window shown beside the dialog)";

}  // namespace

bool refuseAction(const std::wstring& reason) {
    Transcript::instance().add(TranscriptKind::CommandLine, L"\n" + reason);
    return false;
}

bool applyDialogAction(CDialog& modal, const std::wstring& line) {
    const Action action = parseAction(line);
    if (action.verb == L"close") return endEditsEverywhere(modal, nullptr) && closeModeless(action);
    CDialog& dialog = action.hasId ? dialogHolding(modal, action.id) : modal;
    // A right click on a grid names its cell; on another control it is the dialog's.
    const bool onGrid = action.hasId && asGrid(dialog.GetDlgItem(action.id));
    if (isGridVerb(action.verb) && (onGrid || action.verb != L"rclick")) {
        return action.hasId ? actOnGrid(dialog, action) : refuseAction(kActions);
    }
    CGridCtrl* grid = focusedGrid(dialog);
    if (grid && action.verb == L"enter") return grid->OnKeyDown(VK_RETURN), true;
    if (grid && grid->IsEditing() && action.verb == L"esc") return grid->CancelEditing(), true;
    if (!endEditsEverywhere(dialog, nullptr)) return false;
    if (action.verb == L"enter") return pressEnter(dialog), true;
    if (action.verb == L"esc" || action.verb == L"*cancel*") return pressEscape(dialog), true;
    const bool knownVerb = action.verb == L"type" || action.verb == L"focus" || action.verb == L"click" ||
                           action.verb == L"rclick" || action.verb == L"check" || action.verb == L"uncheck" ||
                           action.verb == L"choose" || action.verb == L"drop";
    if (!knownVerb || !action.hasId) return refuseAction(kActions);
    return actOnControl(dialog, action);
}

void runDialogInput(CDialog& dialog) {
    while (!dialog.isEnded()) {
        const std::wstring prompt = L"\nDialog " + dialogTitle(dialog) + L": ";
        if (currentInput().isInteractive()) {
            for (const CDialog* shown : modelessDialogs()) {
                Transcript::instance().add(TranscriptKind::Dialog, dialogForm(*shown));
            }
            Transcript::instance().add(TranscriptKind::Dialog, dialogForm(dialog));
        }
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
