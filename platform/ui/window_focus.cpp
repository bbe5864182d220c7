// The keyboard focus: one window at a time. A control that loses or gains it tells its dialog with
// the notification of its class, as the operating system's controls do.
#include "afx_wnd.h"
#include "presentation_hooks.h"
#include "window_record.h"

namespace {

HWND& focusedWindow() {
    static HWND focused = nullptr;
    return focused;
}

UINT focusNotification(const HWND__& window, bool gained) {
    if (window.className == L"EDIT") return gained ? EN_SETFOCUS : EN_KILLFOCUS;
    if (window.className == L"COMBOBOX") return gained ? CBN_SETFOCUS : CBN_KILLFOCUS;
    if (window.className == L"LISTBOX") return gained ? LBN_SETFOCUS : LBN_KILLFOCUS;
    return gained ? BN_SETFOCUS : BN_KILLFOCUS;
}

void notifyParent(HWND window, bool gained) {
    HWND__* record = rvnhost::liveRecord(window);
    if (!record) return;
    CWnd* parent = CWnd::FromHandle(record->parent);
    if (!parent) return;
    const UINT code = focusNotification(*record, gained);
    parent->OnCommand(MAKEWPARAM(static_cast<UINT>(record->id), code), reinterpret_cast<LPARAM>(window));
}

}  // namespace

HWND GetFocus() {
    HWND& focused = focusedWindow();
    if (focused && !rvnhost::liveRecord(focused)) focused = nullptr;
    return focused;
}

// The window losing the focus is told first; when its handler moves the focus elsewhere (back to
// itself, to refuse a value), the window that was to gain it is not told.
HWND SetFocus(HWND window) {
    if (window && !IsWindowEnabled(window)) return nullptr;
    const HWND previous = GetFocus();
    if (previous == window) return previous;
    focusedWindow() = window;
    notifyParent(previous, false);
    if (window && focusedWindow() == window) notifyParent(window, true);
    rvnhost::notifyFocusChanged(GetFocus());
    return previous;
}

void rvnhost::dropFocus() {
    focusedWindow() = nullptr;
    notifyFocusChanged(nullptr);
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
