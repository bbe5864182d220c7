#include "acedads.h"
#include "drawing_view.h"
#include "sysvars.h"
#include "transcript.h"

#include <gtest/gtest.h>

namespace {

using rvnhost::DrawingView;

class DrawingViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DrawingView::instance().show(AcGePoint2d(100.0, 50.0), 80.0)); }
};

TEST_F(DrawingViewTest, WorldPointsBecomeViewPixelsThenScreenPixels) {
    RECT window{};
    acedGetAcadDwgView()->GetWindowRect(&window);
    ASSERT_EQ(window.bottom - window.top, 800);  // 0.1 drawing units a pixel
    const ads_point centre{100.0, 50.0, 7.0};
    CPoint pixel;
    ASSERT_TRUE(acedCoordFromWorldToPixel(-1, centre, pixel));
    EXPECT_EQ(pixel.x, (window.right - window.left) / 2);
    EXPECT_EQ(pixel.y, 400);

    ASSERT_TRUE(acedCoordFromWorldToPixel(-1, AcGePoint3d(101.0, 52.0, 0.0), pixel));
    EXPECT_EQ(pixel.x, (window.right - window.left) / 2 + 10);
    EXPECT_EQ(pixel.y, 380);  // up in the drawing is up on the screen
    acedGetAcadDwgView()->ClientToScreen(&pixel);
    EXPECT_EQ(pixel.y, 380 + window.top);

    EXPECT_FALSE(acedCoordFromWorldToPixel(2, centre, pixel));
    EXPECT_FALSE(DrawingView::instance().show(AcGePoint2d(0.0, 0.0), 0.0));
    EXPECT_DOUBLE_EQ(DrawingView::instance().height(), 80.0);
}

TEST_F(DrawingViewTest, TemporaryVectorsStayUntilTheViewIsRedrawn) {
    acedRedraw(nullptr, 0);
    const ads_point from{0.0, 0.0, 0.0};
    const ads_point to{10.0, 5.0, 0.0};
    EXPECT_EQ(acedGrDraw(from, to, 7, 0), RTNORM);
    ASSERT_EQ(DrawingView::instance().temporaryVectors().size(), 1u);
    EXPECT_EQ(DrawingView::instance().temporaryVectors()[0].colour, 7);
    EXPECT_DOUBLE_EQ(DrawingView::instance().temporaryVectors()[0].to.x, 10.0);

    const ads_name missing{4242, 0};
    EXPECT_EQ(acedRedraw(missing, 1), RTERROR);
    EXPECT_EQ(acedRedraw(nullptr, 7), RTERROR);
    EXPECT_EQ(DrawingView::instance().temporaryVectors().size(), 1u);
    EXPECT_EQ(acedRedraw(nullptr, 1), RTNORM);
    EXPECT_TRUE(DrawingView::instance().temporaryVectors().empty());
}

TEST_F(DrawingViewTest, ThePromptCanBeShownAgain) {
    rvnhost::Transcript::instance().clear();
    acedPostCommandPrompt();
    EXPECT_EQ(rvnhost::Transcript::instance().textOf(rvnhost::TranscriptKind::Prompt), L"\nCommand: ");
}

}  // namespace
