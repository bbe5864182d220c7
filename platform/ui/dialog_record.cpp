#include "dialog_record.h"

#include "afx_dialog.h"
#include "afx_grid.h"
#include "grid_actions.h"
#include "transcript.h"

#include <optional>

namespace rvnhost {
namespace {

bool isField(const ControlTemplate& control) {
    if (control.className == L"EDIT" || control.className == L"COMBOBOX" || control.className == L"LISTBOX") {
        return true;
    }
    const DWORD type = control.style & BS_TYPEMASK;
    return control.className == L"BUTTON" && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                              type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

bool isPushButton(const ControlTemplate& control) {
    const DWORD type = control.style & BS_TYPEMASK;
    return control.className == L"BUTTON" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// A field's label: the text of the static control written just before it in the template.
std::wstring labelOf(const DialogTemplate& dialog, std::size_t field) {
    if (field > 0 && dialog.controls[field - 1].className == L"STATIC") return dialog.controls[field - 1].text;
    return dialog.controls[field].className == L"BUTTON" ? dialog.controls[field].text : L"";
}

// The colour of a colour swatch: a static control of its own id painted in a colour of its own,
// shown as a field. None for any other control.
std::optional<COLORREF> swatchColour(const CWnd& control, const ControlTemplate& form) {
    COLORREF colour = 0;
    if (form.className != L"STATIC" || form.id == IDC_STATIC) return std::nullopt;
    if (!static_cast<const CStatic&>(control).GetBackgroundColor(colour)) return std::nullopt;
    return colour;
}

bool isSwatch(const CWnd& control, const ControlTemplate& form) { return swatchColour(control, form).has_value(); }

std::wstring valueOf(const CWnd& control, const ControlTemplate& form) {
    if (const std::optional<COLORREF> colour = swatchColour(control, form)) {
        return L"colour " + std::to_wstring(GetRValue(*colour)) + L"," + std::to_wstring(GetGValue(*colour)) + L"," +
               std::to_wstring(GetBValue(*colour));
    }
    if (form.className == L"BUTTON") return static_cast<const CButton&>(control).GetCheck() ? L"[x]" : L"[ ]";
    std::wstring text;
    control.GetWindowText(text);
    return L"\"" + text + L"\"";
}

std::wstring stateOf(const CWnd& control, const ControlTemplate& form) {
    std::wstring state;
    if (!control.IsWindowEnabled()) state += L" (disabled)";
    if (form.className == L"EDIT" && (control.GetStyle() & ES_READONLY)) state += L" (read-only)";
    return state;
}

std::wstring resultName(int result) {
    if (result == IDOK) return L"OK";
    if (result == IDCANCEL) return L"Cancel";
    return std::to_wstring(result);
}

std::wstring captionOf(const CDialog& dialog) {
    std::wstring caption;
    dialog.GetWindowText(caption);
    return caption;
}

std::wstring title(const CDialog& dialog) {
    return L"\"" + captionOf(dialog) + L"\" (" + std::to_wstring(dialog.templateId()) + L")";
}

std::wstring cellName(const CCellID& cell) { return std::to_wstring(cell.row) + L"," + std::to_wstring(cell.col); }

// Where the grid's focus, editor and selection are, on one line.
std::wstring gridState(const CGridCtrl& grid) {
    std::wstring state = L"focus " + (grid.GetFocusCell().IsValid() ? cellName(grid.GetFocusCell()) : L"none");
    if (grid.IsEditing()) state += L"; editing " + cellName(grid.GetEditCell()) + L": \"" + grid.GetEditText() + L"\"";
    const CCellRange selected = grid.GetSelectedCellRange();
    if (selected.IsValid()) {
        state += L"; " + std::to_wstring(grid.GetSelectedCount()) + L" cells selected in " +
                 cellName(CCellID(selected.GetMinRow(), selected.GetMinCol())) + L" to " +
                 cellName(CCellID(selected.GetMaxRow(), selected.GetMaxCol()));
    }
    return state;
}

// Each grid of the window, and of the windows in it (the panes of a window of grids), as its table,
// indented under its id.
std::wstring gridForms(const CWnd& window) {
    std::wstring text;
    for (CWnd* child = window.GetTopWindow(); child; child = child->GetNextWindow()) {
        const CGridCtrl* grid = asGrid(child);
        if (!grid) {
            text += gridForms(*child);
            continue;
        }
        const bool focused = CWnd::GetFocus() == child;
        text += L"\n" + std::wstring(focused ? L"> " : L"  ") + std::to_wstring(grid->GetDlgCtrlID()) + L" grid (" +
                gridState(*grid) + L"):";
        const std::wstring table = grid->TableText();
        for (std::size_t at = 0; at < table.size();) {
            const std::size_t end = table.find(L'\n', at);
            text += L"\n    " + table.substr(at, end - at);
            at = end + 1;
        }
    }
    return text;
}

}  // namespace

void recordDialogOpened(const CDialog& dialog) {
    Transcript::instance().add(TranscriptKind::Dialog, L"Dialog " + title(dialog) + L" opened");
}

void recordDialogClosed(const CDialog& dialog) {
    Transcript::instance().add(TranscriptKind::Dialog, L"Dialog " + title(dialog) + L" closed with " +
                                                           resultName(dialog.result()) + L": " +
                                                           dialogValues(dialog) + gridForms(dialog));
}

std::wstring dialogTitle(const CDialog& dialog) { return title(dialog); }

void recordMissingTemplate(UINT templateId) {
    Transcript::instance().add(TranscriptKind::Error,
                               L"No module has the dialog template " + std::to_wstring(templateId));
}

std::wstring dialogValues(const CDialog& dialog) {
    const DialogTemplate& form = dialog.dialogTemplate();
    std::wstring values;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const CWnd* control = dialog.GetDlgItem(form.controls[i].id);
        if (!control || !(isField(form.controls[i]) || isSwatch(*control, form.controls[i]))) continue;
        if (!values.empty()) values += L"; ";
        values += std::to_wstring(form.controls[i].id) + L" " + labelOf(form, i) + L"=" + valueOf(*control, form.controls[i]);
    }
    return values;
}

std::wstring dialogForm(const CDialog& dialog) {
    const DialogTemplate& form = dialog.dialogTemplate();
    std::wstring text = L"\n[" + captionOf(dialog) + L"]";
    std::wstring buttons;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const CWnd* control = dialog.GetDlgItem(form.controls[i].id);
        if (!control) continue;
        if (isPushButton(form.controls[i])) {
            buttons += L" [" + std::to_wstring(form.controls[i].id) + L" " + form.controls[i].text + L"]";
            continue;
        }
        if (!isField(form.controls[i]) && !isSwatch(*control, form.controls[i])) continue;
        const bool focused = CWnd::GetFocus() == control;
        text += L"\n" + std::wstring(focused ? L"> " : L"  ") + std::to_wstring(form.controls[i].id) + L" " +
                labelOf(form, i) + L": " + valueOf(*control, form.controls[i]) + stateOf(*control, form.controls[i]);
    }
    return text + gridForms(dialog) + L"\n  buttons:" + buttons;
}

}  // namespace rvnhost
