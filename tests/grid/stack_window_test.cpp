// The stack window's geometry: panes laid out under their caption bars, opened and closed by a
// press and release on the bar, scrolled by dragging free space within the content, and a pane
// that opens brought into view.
#include "stack_window.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

constexpr int kBar = CStackWnd::kCaptionHeight + CStackWnd::kGap;

struct Extent {
    int width;
    int height;
};

class StackWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(stack_.Create(RECT{0, 0, 400, 200}, nullptr, 1));
        const std::array<Extent, 3> sizes{{{300, 100}, {500, 200}, {200, 50}}};
        for (std::size_t pane = 0; pane < sizes.size(); ++pane) {
            panes_[pane] = std::make_unique<CWnd>();
            panes_[pane]->Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, RECT{}, &stack_, static_cast<UINT>(pane + 10));
            panes_[pane]->SetWindowPos(nullptr, 0, 0, sizes[pane].width, sizes[pane].height, 0);
            stack_.AddPane(panes_[pane].get(), L"Pane", true);
        }
    }

    // A press and a release of the left button.
    void press(CPoint down, CPoint up) {
        stack_.OnLButtonDown(down);
        stack_.OnLButtonUp(up);
    }

    void drag(int fromY, int toY) {
        stack_.OnLButtonDown(CPoint(450, fromY));
        stack_.OnMouseMove(CPoint(450, toY));
        stack_.OnLButtonUp(CPoint(450, toY));
    }

    CStackWnd stack_;
    std::array<std::unique_ptr<CWnd>, 3> panes_;
};

TEST_F(StackWindowTest, PanesStackUnderTheirBarsAsWideAsTheWidest) {
    EXPECT_EQ(stack_.GetContentWidth(), 500);
    EXPECT_EQ(stack_.GetContentHeight(), 3 * kBar + 100 + 200 + 50);
    EXPECT_EQ(stack_.GetCaptionRect(1).top, kBar + 100);
    EXPECT_EQ(stack_.GetCaptionRect(1).bottom, kBar + 100 + CStackWnd::kCaptionHeight);
    EXPECT_EQ(stack_.GetCaptionRect(1).right, 500);
    RECT place{};
    panes_[1]->GetWindowRect(&place);
    EXPECT_EQ(place.top, 2 * kBar + 100);
    EXPECT_EQ(place.bottom - place.top, 200);  // the pane keeps its size
}

TEST_F(StackWindowTest, APressAndReleaseOnTheSameBarOpensOrClosesItsPane) {
    const CPoint onSecond(10, kBar + 100 + 5);
    stack_.OnLButtonDown(onSecond);
    EXPECT_EQ(stack_.GetPressedCaption(), 1);
    stack_.OnLButtonUp(onSecond);
    EXPECT_EQ(stack_.GetPressedCaption(), -1);
    EXPECT_FALSE(stack_.IsPaneOpen(1));
    EXPECT_EQ(panes_[1]->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(stack_.GetCaptionRect(2).top, 2 * kBar + 100);  // the third moved up

    press(CPoint(10, 5), CPoint(10, kBar + 100 + 5));  // released over another bar
    EXPECT_TRUE(stack_.IsPaneOpen(0));
    EXPECT_FALSE(stack_.IsPaneOpen(1));
    press(onSecond, onSecond);
    EXPECT_TRUE(stack_.IsPaneOpen(1));
    EXPECT_NE(panes_[1]->GetStyle() & WS_VISIBLE, 0u);
}

TEST_F(StackWindowTest, DraggingFreeSpaceScrollsWithinTheContentOnly) {
    const int end = stack_.GetContentHeight() - stack_.GetViewHeight();
    drag(150, 100);
    EXPECT_EQ(stack_.GetScrollPos(), 50);
    EXPECT_EQ(stack_.GetCaptionRect(0).top, -50);
    drag(100, -1000);
    EXPECT_EQ(stack_.GetScrollPos(), end);
    drag(0, 5000);
    EXPECT_EQ(stack_.GetScrollPos(), 0);

    stack_.SetViewSize(500, 2000);  // everything fits: nothing to drag
    drag(150, 100);
    EXPECT_FALSE(stack_.IsDragging());
    EXPECT_EQ(stack_.GetScrollPos(), 0);
}

TEST_F(StackWindowTest, APaneThatOpensIsScrolledIntoView) {
    stack_.SetPaneOpen(2, false);
    EXPECT_EQ(stack_.GetScrollPos(), 0);
    stack_.SetPaneOpen(2, true);
    EXPECT_EQ(stack_.GetScrollPos(), stack_.GetContentHeight() - stack_.GetViewHeight());
    EXPECT_GE(stack_.GetPaneRect(2).top, 0);
    EXPECT_LE(stack_.GetPaneRect(2).bottom, stack_.GetViewHeight());

    stack_.SetPaneOpen(0, false);
    stack_.SetPaneOpen(0, true);  // above the view: its bar comes to the top
    EXPECT_EQ(stack_.GetScrollPos(), 0);
}

}  // namespace
