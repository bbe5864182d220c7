// Matrices, segments and bulged paths; where lines and polylines meet: the four extension modes,
// the order along the first entity, the arcs of 2D polylines, and the numerically awkward cases.
#include <gtest/gtest.h>

#include <numbers>
#include <utility>
#include <vector>

#include "dbents.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "dbpl_path.h"
#include "dbpoint.h"
#include "gelineseg3d.h"
#include "gemat3d.h"
#include "gept3dar.h"

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

constexpr double kTolerance = 1e-9;

using Points = std::vector<std::pair<double, double>>;

AcGePoint3dArray meet(const AcDbEntity& first, const AcDbEntity& second, AcDb::Intersect mode) {
    AcGePoint3dArray points;
    EXPECT_EQ(first.intersectWith(&second, mode, points), Acad::eOk);
    return points;
}

void expectPoints(const AcGePoint3dArray& actual, const Points& expected, double tolerance = kTolerance) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].first, tolerance) << "point " << i;
        EXPECT_NEAR(actual[i].y, expected[i].second, tolerance) << "point " << i;
    }
}

// A lightweight polyline through (x, y, bulge) vertices.
struct Vertex2 {
    double x, y, bulge = 0.0;
};
void fill(AcDbPolyline& polyline, const std::vector<Vertex2>& vertices, bool closed = false) {
    for (const Vertex2& v : vertices) polyline.addVertexAt(polyline.numVerts(), AcGePoint2d(v.x, v.y), v.bulge);
    polyline.setClosed(closed);
}

// The infinite or bounded line from (x1, y1) to (x2, y2).
AcDbLine line(double x1, double y1, double x2, double y2) { return AcDbLine({x1, y1, 0.0}, {x2, y2, 0.0}); }

TEST(IntersectLines, EachModeExtendsOnlyTheEntitiesItNamesAndParallelLinesMeetNowhere) {
    const AcDbLine first = line(0.0, 0.0, 2.0, 0.0);
    const AcDbLine beyondFirst = line(5.0, -1.0, 5.0, 1.0);  // crosses first's extension
    const AcDbLine aboveFirst = line(1.0, 1.0, 1.0, 3.0);    // first crosses its extension
    const AcDbLine apart = line(5.0, 1.0, 5.0, 3.0);         // both must be extended
    expectPoints(meet(first, beyondFirst, AcDb::kOnBothOperands), {});
    expectPoints(meet(first, beyondFirst, AcDb::kExtendThis), {{5.0, 0.0}});
    expectPoints(meet(first, aboveFirst, AcDb::kExtendThis), {});
    expectPoints(meet(first, aboveFirst, AcDb::kExtendArg), {{1.0, 0.0}});
    expectPoints(meet(first, apart, AcDb::kExtendArg), {});
    expectPoints(meet(first, apart, AcDb::kExtendBoth), {{5.0, 0.0}});
    expectPoints(meet(first, line(0.0, 1.0, 1.0, 1.0), AcDb::kExtendBoth), {});
    expectPoints(meet(first, line(0.5, 0.0, 3.0, 0.0), AcDb::kExtendBoth), {});  // collinear
    expectPoints(meet(first, line(0.0, 1.0, 1.0, 1.0 - 1e-6), AcDb::kExtendBoth), {{1e6, 0.0}}, 1e-3);
}

TEST(IntersectLines, AVerticalLineMeetsASlopeAtTheHeightOfTheFirstEntity) {
    const AcDbLine risingSlope({0.0, 0.0, 2.0}, {10.0, 4.0, 6.0});
    const AcGePoint3dArray onRising = meet(risingSlope, line(5.0, -10.0, 5.0, 10.0), AcDb::kOnBothOperands);
    expectPoints(onRising, {{5.0, 2.0}});
    EXPECT_NEAR(onRising[0].z, 4.0, kTolerance);  // halfway up the first entity
}

TEST(IntersectPolylines, PointsComeInTheirOrderAlongTheFirstEntityAndAVertexOnce) {
    AcDbPolyline u;
    fill(u, {{0.0, 0.0}, {10.0, 0.0}, {10.0, 5.0}, {0.0, 5.0}});
    AcDbPolyline reversed;
    fill(reversed, {{0.0, 5.0}, {10.0, 5.0}, {10.0, 0.0}, {0.0, 0.0}});
    expectPoints(meet(u, line(4.0, -1.0, 4.0, 6.0), AcDb::kOnBothOperands), {{4.0, 0.0}, {4.0, 5.0}});
    expectPoints(meet(reversed, line(4.0, -1.0, 4.0, 6.0), AcDb::kOnBothOperands), {{4.0, 5.0}, {4.0, 0.0}});
    expectPoints(meet(u, line(8.0, -2.0, 12.0, 2.0), AcDb::kOnBothOperands), {{10.0, 0.0}});
    // Closed, the same polyline has no ends to extend and meets on its closing segment.
    u.setClosed(true);
    expectPoints(meet(u, line(-10.0, -1.0, -10.0, 1.0), AcDb::kExtendThis), {});
    expectPoints(meet(u, line(-1.0, 2.0, 1.0, 2.0), AcDb::kExtendArg), {{10.0, 2.0}, {0.0, 2.0}});
}

TEST(IntersectPolylines, OnlyTheFirstAndLastRealSegmentsOfAnOpenPolylineGoOn) {
    AcDbPolyline step;
    fill(step, {{0.0, 0.0}, {10.0, 0.0}, {10.0, 5.0}, {20.0, 5.0}});
    expectPoints(meet(step, line(-3.0, -1.0, -3.0, 1.0), AcDb::kExtendThis), {{-3.0, 0.0}});
    // The middle segment's line would cross y = -3 at x = 10: it is not extended.
    expectPoints(meet(step, line(-100.0, -3.0, 100.0, -3.0), AcDb::kExtendBoth), {});
    // A shallow one: the start's ray, the middle segment, the end's ray, in that order.
    expectPoints(meet(step, line(-5.0, 0.0, 1.0, 1.0), AcDb::kExtendBoth), {{-5.0, 0.0}, {10.0, 2.5}, {25.0, 5.0}});
    // The last segment goes on forwards only: (0, 5) lies behind its start.
    expectPoints(meet(step, line(-5.0, 0.0, -4.0, 1.0), AcDb::kExtendBoth), {{-5.0, 0.0}});
    AcDbPolyline repeated;  // a zero-length last segment leaves the one before it to extend
    fill(repeated, {{0.0, 0.0}, {10.0, 10.0}, {10.0, 10.0}});
    expectPoints(meet(repeated, line(20.0, 0.0, 20.0, 1.0), AcDb::kExtendBoth), {{20.0, 20.0}});
}

TEST(Intersect2dPolylines, ArcsAndElevationOfA2dPolylineAreTakenAndFitTypesRefused) {
    AcDb2dPolyline arch;
    arch.appendVertex(new AcDb2dVertex({0.0, 0.0, 0.0}, -1.0));  // clockwise: over the top through (1, 1)
    arch.appendVertex(new AcDb2dVertex({2.0, 0.0, 0.0}));
    arch.setElevation(3.0);
    const AcDbLine vertical({1.0, -5.0, 0.0}, {1.0, 5.0, 0.0});
    const AcGePoint3dArray top = meet(arch, vertical, AcDb::kOnBothOperands);
    expectPoints(top, {{1.0, 1.0}});
    EXPECT_NEAR(top[0].z, 3.0, kTolerance);

    arch.setPolyType(AcDb::k2dCubicSplinePoly);
    AcGePoint3dArray points;
    EXPECT_EQ(arch.intersectWith(&vertical, AcDb::kExtendBoth, points), Acad::eNotImplementedYet);
    EXPECT_TRUE(points.empty());
}

TEST(IntersectRefusals, ANullOrUnhandledEntityIsRefusedAndTheArrayIsAppendedTo) {
    const AcDbLine line({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
    const AcDbPoint point({0.0, 0.0, 0.0});
    AcGePoint3dArray points;
    EXPECT_EQ(line.intersectWith(nullptr, AcDb::kExtendBoth, points), Acad::eInvalidInput);
    EXPECT_EQ(line.intersectWith(&point, AcDb::kExtendBoth, points), Acad::eNotImplementedYet);
    points.append({7.0, 7.0, 7.0});
    const AcDbLine cross({0.5, -1.0, 0.0}, {0.5, 1.0, 0.0});
    EXPECT_EQ(line.intersectWith(&cross, AcDb::kOnBothOperands, points), Acad::eOk);
    expectPoints(points, {{7.0, 7.0}, {0.5, 0.0}});
}

}  // namespace
