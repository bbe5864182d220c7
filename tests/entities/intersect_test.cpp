// Where lines and polylines meet: the four extension modes, the order along the first entity,
// arcs and their circles, and the numerically awkward cases.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "dbents.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "dbpoint.h"
#include "gept3dar.h"

namespace {

const double kHalfRoot3 = std::sqrt(3.0) / 2.0;
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

TEST(IntersectLines, EachModeExtendsOnlyTheEntitiesItNames) {
    const AcDbLine first({0.0, 0.0, 0.0}, {2.0, 0.0, 0.0});
    const AcDbLine beyondFirst({5.0, -1.0, 0.0}, {5.0, 1.0, 0.0});  // crosses first's extension
    const AcDbLine aboveFirst({1.0, 1.0, 0.0}, {1.0, 3.0, 0.0});    // first crosses its extension
    const AcDbLine apart({5.0, 1.0, 0.0}, {5.0, 3.0, 0.0});         // both must be extended

    expectPoints(meet(first, beyondFirst, AcDb::kOnBothOperands), {});
    expectPoints(meet(first, beyondFirst, AcDb::kExtendThis), {{5.0, 0.0}});
    expectPoints(meet(first, beyondFirst, AcDb::kExtendArg), {});
    expectPoints(meet(first, aboveFirst, AcDb::kExtendThis), {});
    expectPoints(meet(first, aboveFirst, AcDb::kExtendArg), {{1.0, 0.0}});
    expectPoints(meet(first, apart, AcDb::kExtendThis), {});
    expectPoints(meet(first, apart, AcDb::kExtendArg), {});
    expectPoints(meet(first, apart, AcDb::kExtendBoth), {{5.0, 0.0}});
}

TEST(IntersectLines, ParallelLinesMeetNowhereAndNearlyParallelOnesFarAway) {
    const AcDbLine base({0.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
    const AcDbLine parallel({0.0, 1.0, 0.0}, {1.0, 1.0, 0.0});
    const AcDbLine collinear({0.5, 0.0, 0.0}, {3.0, 0.0, 0.0});
    const AcDbLine nearlyParallel({0.0, 1.0, 0.0}, {1.0, 1.0 - 1e-6, 0.0});
    expectPoints(meet(base, parallel, AcDb::kExtendBoth), {});
    expectPoints(meet(base, collinear, AcDb::kExtendBoth), {});
    const AcGePoint3dArray far = meet(base, nearlyParallel, AcDb::kExtendBoth);
    ASSERT_EQ(far.size(), 1u);
    EXPECT_NEAR(far[0].x, 1e6, 1e-3);
    EXPECT_NEAR(far[0].y, 0.0, 1e-12);
}

TEST(IntersectLines, AVerticalLineMeetsASlopeAtTheHeightOfTheFirstEntity) {
    const AcDbLine vertical({5.0, -10.0, 0.0}, {5.0, 10.0, 0.0});
    const AcDbLine slope({0.0, 0.0, 0.0}, {10.0, 4.0, 0.0});
    const AcDbLine risingSlope({0.0, 0.0, 2.0}, {10.0, 4.0, 6.0});
    expectPoints(meet(vertical, slope, AcDb::kOnBothOperands), {{5.0, 2.0}});
    const AcGePoint3dArray onRising = meet(risingSlope, vertical, AcDb::kOnBothOperands);
    ASSERT_EQ(onRising.size(), 1u);
    EXPECT_NEAR(onRising[0].z, 4.0, kTolerance);  // halfway up the first entity
}

TEST(IntersectPolylines, PointsComeInTheirOrderAlongTheFirstEntityAndAVertexOnce) {
    AcDbPolyline u;
    fill(u, {{0.0, 0.0}, {10.0, 0.0}, {10.0, 5.0}, {0.0, 5.0}});
    AcDbPolyline reversed;
    fill(reversed, {{0.0, 5.0}, {10.0, 5.0}, {10.0, 0.0}, {0.0, 0.0}});
    const AcDbLine upwards({4.0, -1.0, 0.0}, {4.0, 6.0, 0.0});
    const AcDbLine downwards({4.0, 6.0, 0.0}, {4.0, -1.0, 0.0});
    expectPoints(meet(u, upwards, AcDb::kOnBothOperands), {{4.0, 0.0}, {4.0, 5.0}});
    expectPoints(meet(reversed, upwards, AcDb::kOnBothOperands), {{4.0, 5.0}, {4.0, 0.0}});
    expectPoints(meet(downwards, u, AcDb::kOnBothOperands), {{4.0, 5.0}, {4.0, 0.0}});
    const AcDbLine throughCorner({8.0, -2.0, 0.0}, {12.0, 2.0, 0.0});
    expectPoints(meet(u, throughCorner, AcDb::kOnBothOperands), {{10.0, 0.0}});
}

TEST(IntersectPolylines, OnlyTheFirstAndLastSegmentsOfAnOpenPolylineGoOn) {
    AcDbPolyline step;
    fill(step, {{0.0, 0.0}, {10.0, 0.0}, {10.0, 5.0}, {20.0, 5.0}});
    const AcDbLine leftOfStart({-3.0, -1.0, 0.0}, {-3.0, 1.0, 0.0});
    expectPoints(meet(step, leftOfStart, AcDb::kOnBothOperands), {});
    expectPoints(meet(step, leftOfStart, AcDb::kExtendThis), {{-3.0, 0.0}});
    // The middle segment's line would cross y = -3 at x = 10: it is not extended.
    const AcDbLine below({-100.0, -3.0, 0.0}, {100.0, -3.0, 0.0});
    expectPoints(meet(step, below, AcDb::kExtendBoth), {});
    // An infinite line through the corner and on across the end's extension.
    const AcDbLine throughCorner({0.0, -10.0, 0.0}, {1.0, -9.0, 0.0});
    expectPoints(meet(step, throughCorner, AcDb::kExtendBoth), {{10.0, 0.0}, {15.0, 5.0}});
    // A shallow one: the start's ray, the middle segment, the end's ray, in that order.
    const AcDbLine shallow({-5.0, 0.0, 0.0}, {1.0, 1.0, 0.0});
    expectPoints(meet(step, shallow, AcDb::kExtendBoth), {{-5.0, 0.0}, {10.0, 2.5}, {25.0, 5.0}});
    // The last segment goes on forwards only: (0, 5) lies behind its start.
    const AcDbLine behindEnd({-5.0, 0.0, 0.0}, {-4.0, 1.0, 0.0});
    expectPoints(meet(step, behindEnd, AcDb::kExtendBoth), {{-5.0, 0.0}});
}

TEST(IntersectPolylines, AClosedPolylineHasNoEndsToExtendAndMeetsOnItsClosingSegment) {
    AcDbPolyline square;
    fill(square, {{0.0, 0.0}, {4.0, 0.0}, {4.0, 4.0}, {0.0, 4.0}}, true);
    AcDbPolyline open;
    fill(open, {{0.0, 0.0}, {4.0, 0.0}, {4.0, 4.0}, {0.0, 4.0}});
    const AcDbLine farLeft({-10.0, -1.0, 0.0}, {-10.0, 1.0, 0.0});
    expectPoints(meet(square, farLeft, AcDb::kExtendThis), {});
    expectPoints(meet(open, farLeft, AcDb::kExtendThis), {{-10.0, 0.0}});
    const AcDbLine middle({-1.0, 2.0, 0.0}, {1.0, 2.0, 0.0});
    expectPoints(meet(square, middle, AcDb::kExtendArg), {{4.0, 2.0}, {0.0, 2.0}});
}

TEST(IntersectPolylines, AZeroLengthSegmentLeavesTheLastRealSegmentToExtend) {
    AcDbPolyline repeated;
    fill(repeated, {{0.0, 0.0}, {10.0, 10.0}, {10.0, 10.0}});
    const AcDbLine farRight({20.0, 0.0, 0.0}, {20.0, 1.0, 0.0});
    expectPoints(meet(repeated, farRight, AcDb::kExtendBoth), {{20.0, 20.0}});
}

TEST(IntersectArcs, AnArcSegmentMeetsOnlyOnItselfUnlessItsCircleIsExtended) {
    AcDbPolyline quarter;  // counter-clockwise about the origin from (1, 0) to (0, 1)
    fill(quarter, {{1.0, 0.0, std::tan(std::numbers::pi / 8.0)}, {0.0, 1.0}});
    const AcDbLine vertical({0.5, -5.0, 0.0}, {0.5, 5.0, 0.0});
    expectPoints(meet(quarter, vertical, AcDb::kOnBothOperands), {{0.5, kHalfRoot3}});
    // Round the whole circle: the point below lies nearer the start, so it comes first.
    expectPoints(meet(quarter, vertical, AcDb::kExtendThis), {{0.5, -kHalfRoot3}, {0.5, kHalfRoot3}});
    expectPoints(meet(vertical, quarter, AcDb::kOnBothOperands), {{0.5, kHalfRoot3}});
}

TEST(IntersectArcs, ABulgeOfOneIsAHalfCircleOnTheRightAndATangentGivesOnePoint) {
    AcDbPolyline half;  // from (0, 0) to (2, 0) counter-clockwise about (1, 0): through (1, -1)
    fill(half, {{0.0, 0.0, 1.0}, {2.0, 0.0}});
    const AcDbLine vertical({1.0, -5.0, 0.0}, {1.0, 5.0, 0.0});
    expectPoints(meet(half, vertical, AcDb::kOnBothOperands), {{1.0, -1.0}});
    const AcDbLine tangent({-5.0, -1.0, 0.0}, {5.0, -1.0, 0.0});
    expectPoints(meet(half, tangent, AcDb::kOnBothOperands), {{1.0, -1.0}}, 1e-6);
    const AcDbLine nearlyTangent({-5.0, -1.0 + 1e-13, 0.0}, {5.0, -1.0 + 1e-13, 0.0});
    expectPoints(meet(half, nearlyTangent, AcDb::kOnBothOperands), {{1.0, -1.0}}, 1e-6);
    const AcDbLine missing({-5.0, -1.001, 0.0}, {5.0, -1.001, 0.0});
    expectPoints(meet(half, missing, AcDb::kExtendBoth), {});
}

TEST(IntersectArcs, ANearlyStraightArcMeetsWhereItsChordDoes) {
    AcDbPolyline flat;
    fill(flat, {{0.0, 0.0, 1e-14}, {1000.0, 0.0}});
    const AcDbLine vertical({400.0, -5.0, 0.0}, {400.0, 5.0, 0.0});
    expectPoints(meet(flat, vertical, AcDb::kOnBothOperands), {{400.0, 0.0}}, 1e-9);
}

TEST(IntersectArcs, TwoArcsMeetWhereBothCirclesCrossOnBothArcs) {
    AcDbPolyline lower;  // about (1, 0), the lower half
    fill(lower, {{0.0, 0.0, 1.0}, {2.0, 0.0}});
    AcDbPolyline left;  // about (1, -1), clockwise from (1, -2) to (1, 0): the left half
    fill(left, {{1.0, -2.0, -1.0}, {1.0, 0.0}});
    expectPoints(meet(lower, left, AcDb::kOnBothOperands), {{1.0 - kHalfRoot3, -0.5}});
    expectPoints(meet(lower, left, AcDb::kExtendArg), {{1.0 - kHalfRoot3, -0.5}, {1.0 + kHalfRoot3, -0.5}});
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
    AcDbPolyline asLightweight;
    fill(asLightweight, {{0.0, 0.0, -1.0}, {2.0, 0.0}});
    expectPoints(meet(vertical, asLightweight, AcDb::kOnBothOperands), {{1.0, 1.0}});

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
