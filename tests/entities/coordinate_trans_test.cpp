// acedTrans: points and displacements between the world, the current UCS, the view and an
// entity's plane.
#include "acedads.h"
#include "drawing_fixture.h"
#include "sysvars.h"
#include "ucs.h"

#include <gtest/gtest.h>

namespace {

class Trans : public enttest::DrawingTest {
protected:
    void TearDown() override {
        rvnhost::setWorldUcs();
        DrawingTest::TearDown();
    }

    static resbuf system(int code) {
        resbuf item{};
        item.restype = RTSHORT;
        item.resval.rint = static_cast<short>(code);
        return item;
    }

    static AcGePoint3d trans(const AcGePoint3d& point, const resbuf& from, const resbuf& to, int disp) {
        const ads_point in = {point.x, point.y, point.z};
        ads_point out = {0, 0, 0};
        EXPECT_EQ(acedTrans(in, &from, &to, disp, out), RTNORM);
        return {out[X], out[Y], out[Z]};
    }

    static void expectNear(const AcGePoint3d& actual, double x, double y, double z) {
        EXPECT_NEAR(actual.distanceTo(AcGePoint3d(x, y, z)), 0.0, 1e-12) << actual.x << "," << actual.y << "," << actual.z;
    }
};

TEST_F(Trans, PointsAndDisplacementsGoBetweenTheUcsAndTheWorld) {
    // The UCS: origin (10, 5, 0), X along the world Y, Y along the world -X.
    ASSERT_TRUE(rvnhost::setCurrentUcs({10.0, 5.0, 0.0}, AcGeVector3d::kYAxis, {-1.0, 0.0, 0.0}));
    const resbuf world = system(0);
    const resbuf user = system(1);
    const resbuf view = system(2);
    expectNear(trans({2.0, 3.0, 1.0}, user, world, 0), 7.0, 7.0, 1.0);
    expectNear(trans({2.0, 3.0, 1.0}, user, world, 1), -3.0, 2.0, 1.0);
    expectNear(trans({7.0, 7.0, 1.0}, world, user, 0), 2.0, 3.0, 1.0);
    expectNear(trans({2.0, 3.0, 1.0}, user, view, 0), 7.0, 7.0, 1.0);
    expectNear(trans({4.0, -1.0, 2.0}, view, world, 0), 4.0, -1.0, 2.0);
    expectNear(trans({2.0, 3.0, 1.0}, user, user, 0), 2.0, 3.0, 1.0);
}

TEST_F(Trans, AnEntityPlaneFollowsTheArbitraryAxisRule) {
    resbuf plane{};
    plane.restype = RT3DPOINT;
    plane.resval.rpoint[X] = 0.0;
    plane.resval.rpoint[Y] = 0.0;
    plane.resval.rpoint[Z] = -2.0;  // a mirrored plane: its X axis is the world's -X
    const resbuf world = system(0);
    expectNear(trans({3.0, 4.0, 5.0}, plane, world, 0), -3.0, 4.0, -5.0);
}

TEST_F(Trans, UnknownSystemsAreRefused) {
    const ads_point in = {1.0, 2.0, 3.0};
    ads_point out = {0, 0, 0};
    const resbuf world = system(0);
    const resbuf paper = system(3);
    resbuf zero{};
    zero.restype = RT3DPOINT;
    EXPECT_EQ(acedTrans(in, &world, &paper, 0, out), RTERROR);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 16);
    EXPECT_EQ(acedTrans(in, &zero, &world, 0, out), RTERROR);
    EXPECT_EQ(acedTrans(in, nullptr, &world, 0, out), RTERROR);
}

}  // namespace
