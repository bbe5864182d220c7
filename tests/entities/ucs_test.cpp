// The current UCS: its matrix and acedTrans between the world, the UCS, the view
// and an entity's plane.
#include "acedads.h"
#include "drawing_fixture.h"
#include "sysvars.h"
#include "ucs.h"

#include <gtest/gtest.h>

namespace {

resbuf systemCode(int code) {
    resbuf item{};
    item.restype = RTSHORT;
    item.resval.rint = static_cast<short>(code);
    return item;
}

// An entity's plane by its normal.
resbuf planeOf(double x, double y, double z) {
    resbuf item{};
    item.restype = RT3DPOINT;
    item.resval.rpoint[X] = x;
    item.resval.rpoint[Y] = y;
    item.resval.rpoint[Z] = z;
    return item;
}

void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected) {
    EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << "," << actual.y << "," << actual.z;
}

class Ucs : public enttest::DrawingTest {
protected:
    void TearDown() override {
        rvnhost::setWorldUcs();
        DrawingTest::TearDown();
    }

    static AcGePoint3d trans(const AcGePoint3d& point, const resbuf& from, const resbuf& to, int disp = 0) {
        const ads_point in = {point.x, point.y, point.z};
        ads_point out = {0, 0, 0};
        EXPECT_EQ(acedTrans(in, &from, &to, disp, out), RTNORM);
        return {out[X], out[Y], out[Z]};
    }

    const resbuf world_ = systemCode(0), user_ = systemCode(1), view_ = systemCode(2);
};

// The UCS: origin (10, 5, 0), X along the world Y, Y along the world -X; the view is the plan view
// of the world. A mirrored entity plane (normal -Z) has the world's -X for its X axis.
TEST_F(Ucs, TheMatrixAndAcedTransTakePointsAndDisplacementsBetweenTheSystems) {
    AcGeMatrix3d matrix = AcGeMatrix3d::translation({1.0, 1.0, 1.0});
    ASSERT_TRUE(acdbUcsMatrix(matrix));
    EXPECT_TRUE(matrix.isEqualTo(AcGeMatrix3d::kIdentity));
    ASSERT_TRUE(rvnhost::setCurrentUcs({10.0, 5.0, 0.0}, AcGeVector3d::kYAxis, {-1.0, 0.5, 0.0}));
    ASSERT_TRUE(acdbUcsMatrix(matrix));
    expectNear(matrix * AcGePoint3d(2.0, 3.0, 1.0), {7.0, 7.0, 1.0});
    expectNear(trans({2.0, 3.0, 1.0}, user_, world_), {7.0, 7.0, 1.0});
    expectNear(trans({2.0, 3.0, 1.0}, user_, world_, 1), {-3.0, 2.0, 1.0});
    expectNear(trans({7.0, 7.0, 1.0}, world_, user_), {2.0, 3.0, 1.0});
    expectNear(trans({2.0, 3.0, 1.0}, user_, view_), {7.0, 7.0, 1.0});
    expectNear(trans({3.0, 4.0, 5.0}, planeOf(0.0, 0.0, -2.0), world_), {-3.0, 4.0, -5.0});

    const ads_point in = {1.0, 2.0, 3.0};
    ads_point out = {0, 0, 0};
    const resbuf paper = systemCode(3), zero = planeOf(0.0, 0.0, 0.0);
    EXPECT_EQ(acedTrans(in, &world_, &paper, 0, out), RTERROR);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 16);
    EXPECT_EQ(acedTrans(in, &zero, &world_, 0, out), RTERROR);
    EXPECT_EQ(acedTrans(in, nullptr, &world_, 0, out), RTERROR);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_FALSE(acdbUcsMatrix(matrix));
    EXPECT_TRUE(acdbUcsMatrix(matrix, &db_));
}

}  // namespace
