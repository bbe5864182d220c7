#include <gtest/gtest.h>

#include <numbers>

#include "dbpl_path.h"
#include "gelineseg3d.h"
#include "gemat3d.h"

namespace {

constexpr double kPi = std::numbers::pi;

void expectPoint(const AcGePoint3d& actual, double x, double y, double z) {
    EXPECT_NEAR(actual.x, x, 1e-12);
    EXPECT_NEAR(actual.y, y, 1e-12);
    EXPECT_NEAR(actual.z, z, 1e-12);
}

TEST(Matrices, ComposeRightToLeftTurnAboutAnyAxisAndLeaveVectorsUnmoved) {
    const AcGeMatrix3d m = AcGeMatrix3d::translation({1.0, 2.0, 3.0}) *
                           AcGeMatrix3d::rotation(kPi / 2.0, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(2.0);
    expectPoint(m * AcGePoint3d(1.0, 0.0, 0.0), 1.0, 4.0, 3.0);
    const AcGeVector3d v = m * AcGeVector3d(1.0, 0.0, 0.0);
    expectPoint(AcGePoint3d(v.x, v.y, v.z), 0.0, 2.0, 0.0);
    AcGeMatrix3d built;
    built.setToScaling(2.0).preMultBy(AcGeMatrix3d::rotation(kPi / 2.0, AcGeVector3d::kZAxis));
    built.preMultBy(AcGeMatrix3d::translation({1.0, 2.0, 3.0}));
    EXPECT_TRUE(built.isEqualTo(m));
    EXPECT_NEAR(AcGeMatrix3d::scaling(AcGeScale3d(2.0, 3.0, 0.5)).scale(), 3.0, 1e-12);  // the largest axis
    expectPoint(AcGeMatrix3d::rotation(kPi, AcGeVector3d::kZAxis, {1.0, 1.0, 0.0}) * AcGePoint3d(2.0, 1.0, 5.0), 0.0,
                1.0, 5.0);
    // A third of a turn about the diagonal takes each axis to the next.
    AcGePoint3d moved(0.0, 0.0, 1.0);
    expectPoint(moved.transformBy(AcGeMatrix3d::rotation(2.0 * kPi / 3.0, {1.0, 1.0, 1.0})), 1.0, 0.0, 0.0);
}

TEST(Matrices, InverseUndoesAndASingularMatrixHasNone) {
    const AcGeMatrix3d m = AcGeMatrix3d::translation({5.0, -2.0, 1.0}) *
                           AcGeMatrix3d::rotation(0.3, {0.2, 0.5, 1.0}) *
                           AcGeMatrix3d::scaling(AcGeScale3d(2.0, 3.0, 0.5));
    EXPECT_TRUE((m * m.inverse()).isEqualTo(AcGeMatrix3d::kIdentity));
    EXPECT_NEAR(m.det(), 3.0, 1e-12);
    EXPECT_NEAR(AcGeMatrix3d::rotation(kPi / 2.0, AcGeVector3d::kZAxis).det(), 1.0, 1e-12);  // rows swapped on the way
    const AcGeMatrix3d flat = AcGeMatrix3d::scaling(AcGeScale3d(1.0, 1.0, 0.0));
    EXPECT_TRUE(flat.isSingular());
    EXPECT_FALSE(m.isSingular());
    AcGeMatrix3d untouched = AcGeMatrix3d::translation({9.0, 9.0, 9.0});
    EXPECT_FALSE(flat.inverse(untouched, 1e-12));
    EXPECT_EQ(untouched.translation(), AcGeVector3d(9.0, 9.0, 9.0));
    EXPECT_TRUE(flat.inverse().isEqualTo(flat));
}

TEST(Matrices, PlanesFollowTheArbitraryAxisRule) {
    // Normal X: the plane's X axis is world Z x normal = world Y, its Y axis world Z.
    expectPoint(AcGeMatrix3d::planeToWorld(AcGeVector3d::kXAxis) * AcGePoint3d(1.0, 2.0, 3.0), 3.0, 1.0, 2.0);
    expectPoint(AcGeMatrix3d::worldToPlane(AcGeVector3d::kXAxis) * AcGePoint3d(3.0, 1.0, 2.0), 1.0, 2.0, 3.0);
    // Within 1/64 of the Z axis the world Y axis is used instead.
    EXPECT_TRUE(arbitraryXAxis({0.01, 0.0, 1.0}).isEqualTo(AcGeVector3d::kYAxis.crossProduct({0.01, 0.0, 1.0}).normal()));
    EXPECT_TRUE(arbitraryXAxis({0.02, 0.0, 1.0}).isEqualTo(AcGeVector3d::kZAxis.crossProduct({0.02, 0.0, 1.0}).normal()));
}

TEST(Segments, IsOnWithinTheToleranceAndOnlyBetweenTheEnds) {
    const AcGeLineSeg3d segment({0.0, 0.0, 0.0}, {10.0, 0.0, 0.0});
    AcGeTol tolerance;
    tolerance.setEqualPoint(0.001);
    EXPECT_TRUE(segment.isOn({5.0, 0.0005, 0.0}, tolerance));
    EXPECT_FALSE(segment.isOn({5.0, 0.002, 0.0}, tolerance));
    EXPECT_TRUE(segment.isOn({10.0005, 0.0, 0.0}, tolerance));
    EXPECT_FALSE(segment.isOn({11.0, 0.0, 0.0}, tolerance));
    EXPECT_TRUE(AcGeLine3d({0.0, 0.0, 0.0}, AcGeVector3d::kXAxis).isOn({11.0, 0.0, 0.0}, tolerance));
    // The global tolerance is the library's own: 1e-10.
    EXPECT_EQ(AcGeContext::gTol.equalPoint(), 1e-10);
    EXPECT_TRUE(segment.isOn({3.0, 1e-11, 0.0}));
    EXPECT_FALSE(segment.isOn({3.0, 1e-9, 0.0}));
    expectPoint(segment.closestPointTo({-4.0, 3.0, 0.0}), 0.0, 0.0, 0.0);
    EXPECT_NEAR(segment.distanceTo({4.0, 3.0, 4.0}), 5.0, 1e-15);
    EXPECT_TRUE(AcGeLineSeg3d({1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}).isOn({1.0, 1.0, 1.0}));
}

TEST(Curves, BulgedSegmentsAreArcs) {
    // Bulge 1 is a half circle, counter-clockwise from the start: below the chord here.
    const auto path = rvnhost::bulgedPath({{{0.0, 0.0}, 1.0}, {{2.0, 0.0}, 0.0}}, false, 5.0);
    ASSERT_EQ(path.size(), 17u);
    expectPoint(path.front(), 0.0, 0.0, 5.0);
    expectPoint(path[8], 1.0, -1.0, 5.0);
    expectPoint(path.back(), 2.0, 0.0, 5.0);
    for (const AcGePoint3d& point : path) EXPECT_NEAR(point.distanceTo({1.0, 0.0, 5.0}), 1.0, 1e-12);
    const auto square = rvnhost::bulgedPath({{{0.0, 0.0}}, {{1.0, 0.0}}, {{1.0, 1.0}}}, true, 0.0);
    ASSERT_EQ(square.size(), 4u);
    EXPECT_EQ(square.back(), square.front());
}

}  // namespace
