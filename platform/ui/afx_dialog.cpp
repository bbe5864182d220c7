#include "afx_dialog.h"

#include "afx_grid.h"
#include "dialog_input.h"
#include "dialog_record.h"
#include "module_resources.h"
#include "presentation_hooks.h"
#include "window_record.h"

#include <utility>

namespace {

// Dialog units in pixels for the dialogs' 8-point font: a character cell of 6 by 13 pixels is
// 4 by 8 units.
RECT pixelsOf(const rvnhost::DialogUnits& units) {
    const LONG left = units.x * 6 / 4;
    const LONG top = units.y * 13 / 8;
    return RECT{left, top, left + units.width * 6 / 4, top + units.height * 13 / 8};
}

std::unique_ptr<CWnd> controlOfClass(const std::wstring& className) {
    if (className == L"EDIT") return std::make_unique<CEdit>();
    if (className == L"BUTTON") return std::make_unique<CButton>();
    if (className == L"COMBOBOX") return std::make_unique<CComboBox>();
    if (className == L"LISTBOX") return std::make_unique<CListBox>();
    if (className == L"STATIC") return std::make_unique<CStatic>();
    if (className == L"MFCGRIDCTRL") return std::make_unique<CGridCtrl>();
    return std::make_unique<CWnd>();
}

// The first enabled control that takes the focus with the Tab key.
CWnd* firstTabStop(const CWnd& dialog) {
    for (CWnd* child = dialog.GetTopWindow(); child; child = child->GetNextWindow()) {
        if ((child->GetStyle() & WS_TABSTOP) && child->IsWindowEnabled()) return child;
    }
    return nullptr;
}

bool focusIsInside(const CWnd& dialog) {
    const CWnd* focused = CWnd::GetFocus();
    return focused && (focused == &dialog || focused->GetParent() == &dialog);
}

std::vector<CDialog*>& shownModeless() {
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

}  // namespace

const std::vector<CDialog*>& rvnhost::modelessDialogs() { return shownModeless(); }

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    DestroyWindow();
    controls_.clear();
}

bool CDialog::build(CWnd* parent) {
    std::optional<rvnhost::DialogTemplate> found = rvnhost::findDialogTemplate(static_cast<int>(templateId_));
    if (!found) {
        rvnhost::recordMissingTemplate(templateId_);
        return false;
    }
    template_ = std::move(*found);
    DestroyWindow();
    controls_.clear();
    CWnd* owner = (template_.style & WS_CHILD) ? parent : nullptr;
    if (!CWnd::Create(L"#32770", template_.caption.c_str(), template_.style, pixelsOf(template_.place), owner,
                      owner ? templateId_ : 0)) {
        return false;
    }
    const RECT place = pixelsOf(template_.place);
    SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top, 0);
    for (const rvnhost::ControlTemplate& control : template_.controls) createControl(control);
    ended_ = false;
    result_ = IDCANCEL;
    return true;
}

void CDialog::createControl(const rvnhost::ControlTemplate& control) {
    std::unique_ptr<CWnd> window = controlOfClass(control.className);
    const RECT place = pixelsOf(control.place);
    window->Create(control.className.c_str(), control.text.c_str(), control.style, place, this,
                   static_cast<UINT>(control.id));
    window->SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top, 0);
    if (control.className == L"COMBOBOX" && (control.style & CBS_TYPEMASK) == CBS_DROPDOWNLIST) {
        window->SetWindowText(L"");
    }
    controls_.push_back(std::move(window));
}

INT_PTR CDialog::DoModal() {
    modal_ = true;
    if (!build(parent_)) return -1;
    const BOOL focusFirst = OnInitDialog();
    rvnhost::recordDialogOpened(*this);
    if (focusFirst && !ended_ && !focusIsInside(*this)) {
        if (CWnd* first = firstTabStop(*this)) first->SetFocus();
    }
    if (!ended_) rvnhost::runModalLoop(*this);
    rvnhost::recordDialogClosed(*this);
    if (focusIsInside(*this)) rvnhost::dropFocus();
    DestroyWindow();
    controls_.clear();
    return result_;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    parent_ = parent;
    modal_ = false;
    if (!build(parent)) return FALSE;
    shownModeless().push_back(this);
    if (!OnInitDialog()) return FALSE;
    rvnhost::recordDialogOpened(*this);
    return IsWindow(m_hWnd);
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (modal_) {
        rvnhost::notifyWindowChanged(m_hWnd);  // a presenter closes its view
        return;
    }
    rvnhost::recordDialogClosed(*this);
    DestroyWindow();
}

BOOL CDialog::DestroyWindow() {
    std::erase(shownModeless(), this);
    return CWnd::DestroyWindow();
}

BOOL CDialog::OnInitDialog() { return TRUE; }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED) return FALSE;
    if (LOWORD(wParam) == IDOK) return OnOK(), TRUE;
    if (LOWORD(wParam) == IDCANCEL) return OnCancel(), TRUE;
    return FALSE;
}

HICON CDialog::SetIcon(HICON icon, BOOL big) { return std::exchange(big ? bigIcon_ : smallIcon_, icon); }

HICON CDialog::GetIcon(BOOL big) const { return big ? bigIcon_ : smallIcon_; }
