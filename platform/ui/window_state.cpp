// The state a window keeps beside its text: enabled or not, style bits, place on the screen, and
// the texts of a dialog's items reached by id.
#include "afx_wnd.h"
#include "presentation_hooks.h"
#include "window_record.h"

using rvnhost::liveRecord;

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }

void CWnd::OnRButtonDown(UINT, CPoint) {}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const {
    CWnd* found = nullptr;
    for (CWnd* child = GetTopWindow(); child; child = child->GetNextWindow()) {
        RECT place{};
        child->GetWindowRect(&place);
        if (point.x >= place.left && point.x < place.right && point.y >= place.top && point.y < place.bottom) found = child;
    }
    return found;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return FALSE;
    const BOOL wasDisabled = (record->style & WS_DISABLED) ? TRUE : FALSE;
    record->style = enable ? (record->style & ~WS_DISABLED) : (record->style | WS_DISABLED);
    rvnhost::notifyWindowChanged(m_hWnd);
    if (!enable && ::GetFocus() == m_hWnd) ::SetFocus(nullptr);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL IsWindowEnabled(HWND window) {
    const HWND__* record = liveRecord(window);
    return record && !(record->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return FALSE;
    record->style = (record->style & ~remove) | add;
    rvnhost::notifyWindowChanged(m_hWnd);
    return TRUE;
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int width, int height, UINT flags) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return FALSE;
    RECT& rect = record->rect;
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    if (!(flags & SWP_NOMOVE)) {
        const LONG currentWidth = rect.right - rect.left;
        const LONG currentHeight = rect.bottom - rect.top;
        rect = RECT{x, y, x + currentWidth, y + currentHeight};
    }
    rvnhost::notifyWindowChanged(m_hWnd);
    return TRUE;
}

void CWnd::GetWindowRect(RECT* rect) const {
    const HWND__* record = liveRecord(m_hWnd);
    if (rect) *rect = record ? record->rect : RECT{0, 0, 0, 0};
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL) {
    SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER);
}

void CWnd::SetDlgItemText(int id, LPCWSTR text) { SetWindowTextW(::GetDlgItem(m_hWnd, id), text); }

int CWnd::GetDlgItemText(int id, std::wstring& text) const {
    const HWND__* record = liveRecord(::GetDlgItem(m_hWnd, id));
    text = record ? record->text : L"";
    return static_cast<int>(text.size());
}

void CWnd::ClientToScreen(POINT* point) const {
    RECT place{};
    GetWindowRect(&place);
    if (point) *point = POINT{point->x + place.left, point->y + place.top};
}

void CWnd::ClientToScreen(RECT* rect) const {
    RECT place{};
    GetWindowRect(&place);
    if (rect) *rect = RECT{rect->left + place.left, rect->top + place.top, rect->right + place.left, rect->bottom + place.top};
}
