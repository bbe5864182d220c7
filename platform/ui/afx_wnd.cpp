#include "afx_wnd.h"

#include "afx_menu.h"
#include "presentation_hooks.h"
#include "window_record.h"

#include <algorithm>
#include <cwchar>
#include <set>
#include <vector>

namespace {

std::set<HWND>& liveWindows() {
    static std::set<HWND> windows;
    return windows;
}

HWND live(HWND window) { return window && liveWindows().count(window) ? window : nullptr; }

int copyText(const std::wstring& text, LPWSTR buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0) return 0;
    const int count = std::min(static_cast<int>(text.size()), maxCount - 1);
    std::wmemcpy(buffer, text.c_str(), static_cast<std::size_t>(count));
    buffer[count] = L'\0';
    return count;
}

HWND nextSibling(HWND window) {
    if (!window->parent) return nullptr;
    const std::vector<HWND>& siblings = window->parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), window);
    return at + 1 == siblings.end() ? nullptr : *(at + 1);
}

}  // namespace

namespace rvnhost {
HWND__* liveRecord(HWND window) { return live(window); }
}  // namespace rvnhost

CWnd::CWnd() = default;

CWnd::~CWnd() { DestroyWindow(); }

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT&, CWnd* parent, UINT id) {
    if (window_ || (parent && !live(parent->m_hWnd))) return FALSE;
    window_ = std::make_unique<HWND__>();
    window_->owner = this;
    window_->className = className ? className : L"";
    window_->text = windowName ? windowName : L"";
    window_->style = style | (parent ? WS_CHILD : 0);
    window_->id = static_cast<int>(id);
    m_hWnd = window_.get();
    liveWindows().insert(m_hWnd);
    if (parent) {
        window_->parent = parent->m_hWnd;
        parent->m_hWnd->children.push_back(m_hWnd);
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!window_) return FALSE;
    rvnhost::notifyWindowDestroyed(m_hWnd);
    while (!window_->children.empty()) window_->children.back()->owner->DestroyWindow();
    if (HWND parent = window_->parent) std::erase(parent->children, m_hWnd);
    if (window_->menu) DestroyMenu(window_->menu);
    liveWindows().erase(m_hWnd);
    window_.reset();
    m_hWnd = nullptr;
    return TRUE;
}

CWnd* CWnd::FromHandle(HWND window) { return live(window) ? window->owner : nullptr; }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

int CWnd::SetDlgCtrlID(int id) {
    if (!live(m_hWnd)) return 0;
    const int previous = m_hWnd->id;
    m_hWnd->id = id;
    return previous;
}

CWnd* CWnd::GetWindow(UINT command) const { return FromHandle(::GetWindow(m_hWnd, command)); }

void CWnd::SetWindowText(LPCWSTR text) { SetWindowTextW(m_hWnd, text); }

int CWnd::GetWindowText(LPWSTR buffer, int maxCount) const { return GetWindowTextW(m_hWnd, buffer, maxCount); }

void CWnd::GetWindowText(std::wstring& text) const { text = live(m_hWnd) ? m_hWnd->text : L""; }

DWORD CWnd::GetStyle() const { return live(m_hWnd) ? m_hWnd->style : 0; }

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }

BOOL CWnd::SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->GetSafeHmenu() : nullptr); }

BOOL IsWindow(HWND window) { return live(window) ? TRUE : FALSE; }

HWND GetParent(HWND window) { return live(window) ? window->parent : nullptr; }

HWND GetDlgItem(HWND parent, int id) {
    if (!live(parent)) return nullptr;
    for (HWND child : parent->children) {
        if (child->id == id) return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND window) { return live(window) ? window->id : 0; }

HWND GetWindow(HWND window, UINT command) {
    if (!live(window)) return nullptr;
    if (command == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
    return command == GW_HWNDNEXT ? nextSibling(window) : nullptr;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int maxCount) {
    if (!live(window)) return copyText(L"", buffer, maxCount);
    return copyText(window->text, buffer, maxCount);
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
    if (!live(window)) return FALSE;
    window->text = text ? text : L"";
    rvnhost::notifyWindowChanged(window);
    return TRUE;
}

int GetClassNameW(HWND window, LPWSTR buffer, int maxCount) {
    return live(window) ? copyText(window->className, buffer, maxCount) : 0;
}

HMENU GetMenu(HWND window) { return live(window) ? window->menu : nullptr; }

BOOL SetMenu(HWND window, HMENU menu) {
    if (!live(window) || (menu && !IsMenu(menu))) return FALSE;
    window->menu = menu;
    return TRUE;
}
