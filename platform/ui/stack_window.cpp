#include "stack_window.h"

#include "presentation_hooks.h"

#include <algorithm>

namespace {

struct Extent {
    int cx = 0;
    int cy = 0;
};

Extent windowSize(const CWnd* window) {
    RECT rect{0, 0, 0, 0};
    if (window && window->GetSafeHwnd()) window->GetWindowRect(&rect);
    return Extent{rect.right - rect.left, rect.bottom - rect.top};
}

bool inside(const RECT& rect, CPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

}  // namespace

BOOL CStackWnd::Create(const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create(L"TzStackWnd", L"", WS_CHILD | WS_VISIBLE, rect, parent, id)) return FALSE;
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0);
    viewWidth_ = rect.right - rect.left;
    viewHeight_ = rect.bottom - rect.top;
    return TRUE;
}

int CStackWnd::AddPane(CWnd* window, const std::wstring& caption, bool open) {
    panes_.push_back({window, caption, open});
    layout();
    return GetPaneCount() - 1;
}

CWnd* CStackWnd::GetPaneWindow(int pane) const {
    return pane >= 0 && pane < GetPaneCount() ? panes_[static_cast<std::size_t>(pane)].window : nullptr;
}

const std::wstring& CStackWnd::GetPaneCaption(int pane) const {
    static const std::wstring none;
    return pane >= 0 && pane < GetPaneCount() ? panes_[static_cast<std::size_t>(pane)].caption : none;
}

bool CStackWnd::IsPaneOpen(int pane) const {
    return pane >= 0 && pane < GetPaneCount() && panes_[static_cast<std::size_t>(pane)].open;
}

void CStackWnd::SetPaneOpen(int pane, bool open) {
    if (pane < 0 || pane >= GetPaneCount()) return;
    panes_[static_cast<std::size_t>(pane)].open = open;
    layout();
    if (open) scrollIntoView(pane);
}

void CStackWnd::SetViewSize(int width, int height) {
    viewWidth_ = std::max(0, width);
    viewHeight_ = std::max(0, height);
    scrollTo(scroll_);
}

int CStackWnd::GetContentHeight() const { return GetPaneCount() == 0 ? 0 : paneTop(GetPaneCount()); }

int CStackWnd::GetContentWidth() const {
    int width = 0;
    for (const Pane& pane : panes_) width = std::max(width, windowSize(pane.window).cx);
    return width;
}

// The top of the pane's bar in content pixels; for the pane count, the end of the content.
int CStackWnd::paneTop(int pane) const {
    int top = 0;
    for (int index = 0; index < pane; ++index) top += paneHeight(index);
    return top;
}

int CStackWnd::paneHeight(int pane) const {
    const Pane& entry = panes_[static_cast<std::size_t>(pane)];
    return kCaptionHeight + kGap + (entry.open ? windowSize(entry.window).cy : 0);
}

RECT CStackWnd::GetCaptionRect(int pane) const {
    if (pane < 0 || pane >= GetPaneCount()) return RECT{0, 0, 0, 0};
    const int top = paneTop(pane) - scroll_;
    return RECT{0, top, GetContentWidth(), top + kCaptionHeight};
}

RECT CStackWnd::GetPaneRect(int pane) const {
    if (!IsPaneOpen(pane)) return RECT{0, 0, 0, 0};
    const int top = paneTop(pane) - scroll_ + kCaptionHeight + kGap;
    return RECT{0, top, GetContentWidth(), top + windowSize(GetPaneWindow(pane)).cy};
}

int CStackWnd::CaptionAt(CPoint point) const {
    for (int pane = 0; pane < GetPaneCount(); ++pane) {
        if (inside(GetCaptionRect(pane), point)) return pane;
    }
    return -1;
}

void CStackWnd::OnLButtonDown(CPoint point) {
    pressed_ = CaptionAt(point);
    dragging_ = pressed_ < 0 && GetContentHeight() > viewHeight_;
    dragFrom_ = point.y;
    rvnhost::notifyWindowChanged(m_hWnd);
}

void CStackWnd::OnMouseMove(CPoint point) {
    if (!dragging_) return;
    scrollTo(scroll_ - (point.y - dragFrom_));
    dragFrom_ = point.y;
}

void CStackWnd::OnLButtonUp(CPoint point) {
    const int pressed = pressed_;
    pressed_ = -1;
    dragging_ = false;
    if (pressed >= 0 && CaptionAt(point) == pressed) SetPaneOpen(pressed, !IsPaneOpen(pressed));
    rvnhost::notifyWindowChanged(m_hWnd);
}

void CStackWnd::scrollTo(int position) {
    scroll_ = std::clamp(position, 0, std::max(0, GetContentHeight() - viewHeight_));
    layout();
}

// The pane's bar and window brought into the view, its bar first when both do not fit.
void CStackWnd::scrollIntoView(int pane) {
    const int top = paneTop(pane);
    const int bottom = top + paneHeight(pane);
    int position = scroll_;
    if (bottom > position + viewHeight_) position = bottom - viewHeight_;
    if (top < position) position = top;
    scrollTo(position);
}

// The panes' windows put where their panes are; a closed pane's window is hidden.
void CStackWnd::layout() {
    scroll_ = std::clamp(scroll_, 0, std::max(0, GetContentHeight() - viewHeight_));
    for (int pane = 0; pane < GetPaneCount(); ++pane) {
        CWnd* window = GetPaneWindow(pane);
        if (!window || !window->GetSafeHwnd()) continue;
        const RECT place = GetPaneRect(pane);
        window->ModifyStyle(IsPaneOpen(pane) ? 0 : WS_VISIBLE, IsPaneOpen(pane) ? WS_VISIBLE : 0);
        if (IsPaneOpen(pane)) window->SetWindowPos(nullptr, place.left, place.top, 0, 0, SWP_NOSIZE);
    }
    if (m_hWnd) rvnhost::notifyWindowChanged(m_hWnd);
}
