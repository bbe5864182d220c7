// The stack window's geometry, a stand-in feature the plug-in only fills with panes.
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

// Laid out as wide as the widest pane; dragging free space scrolls within the content; a press and
// release on one bar closes its pane and moves the next up; a pane that opens is brought into view.
TEST_F(StackWindowTest, PanesStackUnderTheirBarsOpenCloseScrollAndComeIntoView) {
    EXPECT_EQ(stack_.GetContentWidth(), 500);
    EXPECT_EQ(stack_.GetContentHeight(), 3 * kBar + 100 + 200 + 50);
    EXPECT_EQ(stack_.GetCaptionRect(1).top, kBar + 100);
    RECT place{};
    panes_[1]->GetWindowRect(&place);
    EXPECT_EQ(place.top, 2 * kBar + 100);
    EXPECT_EQ(place.bottom - place.top, 200);  // the pane keeps its size

    drag(150, 100);
    EXPECT_EQ(stack_.GetScrollPos(), 50);
    EXPECT_EQ(stack_.GetCaptionRect(0).top, -50);
    drag(0, 5000);
    EXPECT_EQ(stack_.GetScrollPos(), 0);

    const CPoint onSecond(10, kBar + 100 + 5);
    press(CPoint(10, 5), onSecond);  // released over another bar: nothing
    EXPECT_TRUE(stack_.IsPaneOpen(0));
    press(onSecond, onSecond);
    EXPECT_FALSE(stack_.IsPaneOpen(1));
    EXPECT_EQ(panes_[1]->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(stack_.GetCaptionRect(2).top, 2 * kBar + 100);  // the third moved up
    press(onSecond, onSecond);
    EXPECT_TRUE(stack_.IsPaneOpen(1));

    stack_.SetPaneOpen(2, false);
    stack_.SetPaneOpen(2, true);
    EXPECT_EQ(stack_.GetScrollPos(), stack_.GetContentHeight() - stack_.GetViewHeight());
    EXPECT_LE(stack_.GetPaneRect(2).bottom, stack_.GetViewHeight());
}

}  // namespace
