// The figures the dialog shows and the measure a profile is drawn from, on a network of records:
// which branches join the pairs, the lengths by branch and along the schema in plan, the extremes
// of terrain and heads (an uncalculated head among them), the key; the pipe segments of a key and
// the pipe vertices planned against their boundaries.
#include <gtest/gtest.h>

#include "network_builder.h"
#include "profiles/profile_figures.h"
#include "profiles/profile_measure.h"
#include "profiles/pipe_segments.h"
#include "profiles/pipe_vertices.h"

#include <cmath>

namespace {

constexpr double kTolerance = 1e-9;

// A (Z 10, H 30) -100- B (8, 28) -50- C (12, 27); D (5, 26) -100- B, drawn from D; D -100- E (4, no head).
TzRvnNetworkData network() {
    TzRvnNetworkData data = rvntest::NetworkBuilder()
                                .node(L"A", 0.0, 10.0).node(L"B", 0.0, 8.0).node(L"C", 0.0, 12.0)
                                .node(L"D", 0.0, 5.0).node(L"E", 0.0, 4.0)
                                .branch(L"A", L"B", 100.0).branch(L"B", L"C", 50.0).branch(L"D", L"B", 100.0)
                                .branch(L"D", L"E", 100.0).build();
    const double heads[] = {30.0, 28.0, 27.0, 26.0, NO_RESULT};
    for (std::size_t i = 0; i < 5; ++i) data.nodes()[i].head = heads[i];
    return data;
}

void expectStations(const std::vector<TzRvnProfileStation>& stations,
                    std::initializer_list<std::pair<double, double>> expected) {
    ASSERT_EQ(stations.size(), expected.size());
    std::size_t i = 0;
    for (const auto& [distance, elevation] : expected) {
        EXPECT_NEAR(stations[i].distance, distance, kTolerance) << "station " << i;
        EXPECT_NEAR(stations[i].elevation, elevation, kTolerance) << "station " << i;
        ++i;
    }
}

std::vector<std::wstring> sectionNames(const TzRvnProfileMeasure& measure) {
    std::vector<std::wstring> names;
    for (const auto& section : measure.sections) names.push_back(section.name);
    return names;
}

// A second A-B branch, of 7 m, comes later in network order: the first counts. Branches drawn the
// other way (D-B) join their pairs too: the dialog and schema walk tests go from B to D.
TEST(ProfileFigures, LengthSumsJoinedPairsAndExtremesTakeElevationsAndHeads) {
    TzRvnNetworkData data = network();
    data.edges().push_back(data.edges()[0]);
    data.edges().back().length = 7.0;
    const std::vector<std::wstring> names{L"A", L"B", L"C", L"", L"D"};  // the empty cell ends the walk
    const TzRvnProfileFigures figures = ComputeProfileFigures(data, names);
    EXPECT_EQ(ProfileFigureText(figures.length), L"150.00");
    EXPECT_EQ(figures.maximum, 30.0);
    EXPECT_EQ(figures.minimum, 8.0);
    // C is not joined to A: it adds no length and A stays the previous name, so B counts from A.
    EXPECT_EQ(ComputeProfileFigures(data, std::vector<std::wstring>{L"A", L"C", L"B"}).length, 100.0);
    const TzRvnProfileFigures one = ComputeProfileFigures(data, std::vector<std::wstring>{L"C"});
    EXPECT_EQ(ProfileFigureText(one.length), L"");
    EXPECT_EQ(one.minimum, 12.0);
    // An uncalculated head is the minimum.
    EXPECT_EQ(ProfileFigureText(ComputeProfileFigures(data, std::vector<std::wstring>{L"E"}).minimum), L"-10000000000.00");
    EXPECT_FALSE(ComputeProfileFigures(data, std::vector<std::wstring>{L"X"}).maximum.has_value());
}

TEST(ProfileMeasure, APairWithoutBranchAddsNothingOneNodeIsFlatAndDashesAreRefusedOnlyInPairs) {
    EXPECT_TRUE(HasDashedPairName({L"A", L"B-2"}));
    EXPECT_FALSE(HasDashedPairName({L"B-2"}));
    // A-C has no branch: the profile starts at C.
    const TzRvnProfileMeasure first = MeasureProfile(ProfileLegs(network(), {L"A", L"C", L"B"}), false);
    expectStations(first.terrain, {{0.0, 12.0}, {50.0, 8.0}});
    EXPECT_EQ(first.maximum, 28.0);
    // B-E has no branch: the profile's last node is never reached, though A-B's length counts.
    const TzRvnProfileMeasure last = MeasureProfile(ProfileLegs(network(), {L"A", L"B", L"E"}), false);
    expectStations(last.terrain, {{0.0, 10.0}});
    EXPECT_EQ(sectionNames(last), std::vector<std::wstring>{L"A"});
    EXPECT_NEAR(last.length, 100.0, kTolerance);
    // One node is flat at zero; an uncalculated head falls to the minimum.
    const TzRvnProfileMeasure one = MeasureProfile(ProfileLegs(network(), {L"A"}), false);
    EXPECT_EQ(std::vector<double>({one.length, one.minimum, one.maximum}), std::vector<double>(3, 0.0));
    EXPECT_TRUE(one.sections.empty());
    const TzRvnProfileMeasure uncalculated = MeasureProfile(ProfileLegs(network(), {L"D", L"E"}), false);
    EXPECT_EQ(uncalculated.minimum, NO_RESULT);
    expectStations(uncalculated.heads, {{0.0, 26.0}, {100.0, NO_RESULT}});
}

TEST(ProfileMeasure, AlongTheSchemaDistancesAreInPlanAndTheTerrainFollowsEveryVertex) {
    std::vector<TzRvnProfileLeg> legs = ProfileLegs(network(), {L"A", L"B", L"C"});
    ASSERT_EQ(legs.size(), 2u);
    legs[0].vertices = {{0.0, 0.0, 10.0}, {30.0, 40.0, 31.0}, {100.0, 0.0, 8.0}};  // 50 + hypot(70, 40) in plan
    legs[1].vertices = {{100.0, 0.0, 8.0}, {100.0, 50.0, 12.0}};
    const double bend = 50.0 + std::hypot(70.0, 40.0);
    const TzRvnProfileMeasure measure = MeasureProfile(legs, true);
    EXPECT_NEAR(measure.length, bend + 50.0, kTolerance);
    expectStations(measure.terrain, {{0.0, 10.0}, {50.0, 31.0}, {bend, 8.0}, {bend + 50.0, 12.0}});
    expectStations(measure.heads, {{0.0, 30.0}, {bend, 28.0}, {bend + 50.0, 27.0}});
    EXPECT_NEAR(measure.sections[1].station.distance, bend, kTolerance);
    EXPECT_EQ(measure.maximum, 31.0);  // a vertex above every head
}

TEST(ProfileKey, SplitsAtEveryDashKeepingEmptyNames) {
    using Names = std::vector<std::wstring>;
    EXPECT_EQ(SplitProfileKey(L"P1-P2-P3"), (Names{L"P1", L"P2", L"P3"}));
    EXPECT_EQ(SplitProfileKey(L"N7"), (Names{L"N7"}));
    EXPECT_EQ(SplitProfileKey(L"A--B-"), (Names{L"A", L"", L"B", L""}));
    EXPECT_EQ(SplitProfileKey(L""), (Names{L""}));
}

TEST(PipeSegments, EachJoinedPairTakesTheFirstBranchEitherWayAndItsNodesDemands) {
    // No branch joins X-A and C-Y; two join B and C: the first in network order counts, whatever its
    // direction.
    const TzRvnNetworkData data = rvntest::NetworkBuilder().node(L"A", 1.0).node(L"B", 2.0).node(L"C", 3.0)
                                      .branch(L"A", L"B", 30.0).branch(L"C", L"B", 40.0, 0.2)
                                      .branch(L"B", L"C", 99.0, 0.3).build();
    const std::vector<TzRvnNode>& nodes = data.nodes();
    const std::vector<TzRvnPipeSegment> segments =
        MakePipeSegments({L"X", L"A", L"B", L"C", L"Y"}, nodes, data.edges());
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(std::vector<double>({segments[0].firstNodeValue, segments[0].secondNodeValue, segments[0].length}),
              std::vector<double>({1.0, 2.0, 30.0}));
    EXPECT_EQ(std::vector<double>({segments[1].firstNodeValue, segments[1].secondNodeValue, segments[1].length,
                                   segments[1].diameter}),
              std::vector<double>({2.0, 3.0, 40.0, 0.2}));
    EXPECT_EQ(segments[1].endNode, L"C");
    // A branch to a name no node has still makes a segment; that node's value is 0.
    const std::vector<TzRvnPipeSegment> dangling = MakePipeSegments({L"A", L"Z"}, nodes, rvntest::NetworkBuilder().branch(L"Z", L"A", 5.0).build().edges());
    ASSERT_EQ(dangling.size(), 1u);
    EXPECT_EQ(dangling[0].secondNodeValue, 0.0);
    EXPECT_EQ(SegmentEndAbscissas(100.0, segments), (std::vector<double>{130.0, 170.0}));
}

std::vector<TzRvnPipeSegment> boundariesAt(std::initializer_list<double> xs) {
    std::vector<TzRvnPipeSegment> segments;
    for (double x : xs) segments.push_back({.gradeX = x, .gradeY = 10.0, .endNode = {}});
    return segments;
}

std::vector<TzRvnPipeVertexData> kinds(const std::vector<TzRvnPipeVertex>& vertices) {
    std::vector<TzRvnPipeVertexData> seen;
    for (const TzRvnPipeVertex& v : vertices) seen.push_back(v.data);
    return seen;
}

TEST(PipeVertexPlan, BoundariesAreMetInOrderWithinAMillimetreAndTheLastOneClosesTheData) {
    using K = TzRvnPipeVertexData;
    const auto segments = boundariesAt({10.0, 20.0});
    // A vertex at the second boundary before the first is met carries nothing; a vertex at the
    // last boundary closes, and so does a repeat of it; later vertices carry nothing.
    const std::vector<AcGePoint3d> grade = {{0, 10, 0},  {20, 10, 0}, {5, 10, 0},  {10.0009, 10, 0},
                                            {20, 10, 0}, {20, 10, 0}, {30, 10, 0}};
    const std::vector<TzRvnPipeVertex> plan = PlanPipeVertices(grade, segments);
    EXPECT_EQ(kinds(plan), (std::vector<K>{K::segment, K::none, K::none, K::segment, K::closing, K::closing, K::none}));
    EXPECT_EQ(plan[3].segment, 1u);
    EXPECT_EQ(plan[3].position, AcGePoint3d(10.0, 10.0, 0.0));  // moved onto the boundary
    EXPECT_EQ(kinds(PlanPipeVertices({{0, 10, 0}, {10.0011, 10, 0}}, boundariesAt({10.0}))),
              (std::vector<K>{K::segment, K::none}));
    EXPECT_TRUE(PlanPipeVertices({{0, 10, 0}}, {}).empty());
}

}  // namespace
