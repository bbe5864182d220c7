// The stack window: panes stacked top to bottom, each a caption bar, a gap and, while the pane is
// open, its window. A press of the left button on a caption bar draws it pressed and the release
// over the same bar opens or closes the pane. When the panes do not fit, dragging with the left
// button on free space scrolls them vertically, never beyond the content; a pane that opens is
// scrolled into view. The panes are as wide as the widest. Geometry only: a presentation draws
// the bars and the window manager shows the panes' windows where the stack puts them.
#pragma once

#include "afx_wnd.h"

#include <string>
#include <vector>

class CStackWnd : public CWnd {
public:
    static constexpr int kCaptionHeight = 18;
    static constexpr int kGap = 10;

    BOOL Create(const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    // Adds a pane below the others; its window (a child of this one) keeps its own size. The
    // index of the pane.
    int AddPane(CWnd* window, const std::wstring& caption, bool open);
    int GetPaneCount() const { return static_cast<int>(panes_.size()); }
    CWnd* GetPaneWindow(int pane) const;
    const std::wstring& GetPaneCaption(int pane) const;
    bool IsPaneOpen(int pane) const;
    // Opens (scrolling it into view) or closes the pane.
    void SetPaneOpen(int pane, bool open);

    // The visible area in pixels; the scroll position is kept within the content.
    void SetViewSize(int width, int height);
    int GetViewHeight() const { return viewHeight_; }
    // Pixels of content: the height of every bar, gap and open pane; the width of the widest pane.
    int GetContentHeight() const;
    int GetContentWidth() const;
    int GetScrollPos() const { return scroll_; }

    // Client pixels of the bar and of the pane's window at the current scroll position (the
    // window's rectangle is empty while the pane is closed).
    RECT GetCaptionRect(int pane) const;
    RECT GetPaneRect(int pane) const;
    // The pane whose caption bar holds the point; -1 when none does.
    int CaptionAt(CPoint point) const;

    // The left mouse button, in client pixels.
    void OnLButtonDown(CPoint point);
    void OnMouseMove(CPoint point);
    void OnLButtonUp(CPoint point);
    // The bar drawn pressed (-1 for none) and whether a drag is scrolling.
    int GetPressedCaption() const { return pressed_; }
    bool IsDragging() const { return dragging_; }

private:
    struct Pane {
        CWnd* window = nullptr;
        std::wstring caption;
        bool open = true;
    };

    int paneTop(int pane) const;  // content pixels
    int paneHeight(int pane) const;
    void scrollTo(int position);
    void scrollIntoView(int pane);
    void layout();

    std::vector<Pane> panes_;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    int scroll_ = 0;
    int pressed_ = -1;
    bool dragging_ = false;
    int dragFrom_ = 0;
};
