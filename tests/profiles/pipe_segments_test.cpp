// The segments of a profile key and the pipe vertices planned against their boundaries.
#include <gtest/gtest.h>

#include "profiles/pipe_segments.h"
#include "profiles/pipe_vertices.h"

namespace {

TzRvnNode node(const wchar_t* name, double demand) {
    TzRvnNode made;
    made.name = *TzRvnName::from(name);
    made.demand = demand;
    return made;
}

TzRvnEdge edge(const wchar_t* from, const wchar_t* to, double length, double diameter = 0.1) {
    TzRvnEdge made;
    made.startNode = *TzRvnName::from(from);
    made.endNode = *TzRvnName::from(to);
    made.length = length;
    made.diameter = diameter;
    return made;
}

TEST(ProfileKey, SplitsAtEveryDashKeepingEmptyNames) {
    using Names = std::vector<std::wstring>;
    EXPECT_EQ(SplitProfileKey(L"P1-P2-P3"), (Names{L"P1", L"P2", L"P3"}));
    EXPECT_EQ(SplitProfileKey(L"N7"), (Names{L"N7"}));
    EXPECT_EQ(SplitProfileKey(L"A--B-"), (Names{L"A", L"", L"B", L""}));
    EXPECT_EQ(SplitProfileKey(L""), (Names{L""}));
}

TEST(PipeSegments, EachJoinedPairTakesTheFirstBranchEitherWayAndItsNodesDemands) {
    const std::vector<TzRvnNode> nodes = {node(L"A", 1.0), node(L"B", 2.0), node(L"C", 3.0)};
    // No branch joins X-A and C-Y; two join B and C: the first in network order counts, whatever its
    // direction.
    const std::vector<TzRvnEdge> edges = {edge(L"A", L"B", 30.0), edge(L"C", L"B", 40.0, 0.2),
                                          edge(L"B", L"C", 99.0, 0.3)};
    const std::vector<TzRvnPipeSegment> segments = MakePipeSegments({L"X", L"A", L"B", L"C", L"Y"}, nodes, edges);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(std::vector<double>({segments[0].firstNodeValue, segments[0].secondNodeValue, segments[0].length}),
              std::vector<double>({1.0, 2.0, 30.0}));
    EXPECT_EQ(std::vector<double>({segments[1].firstNodeValue, segments[1].secondNodeValue, segments[1].length,
                                   segments[1].diameter}),
              std::vector<double>({2.0, 3.0, 40.0, 0.2}));
    EXPECT_EQ(segments[1].endNode, L"C");
    // A branch to a name no node has still makes a segment; that node's value is 0.
    const std::vector<TzRvnPipeSegment> dangling = MakePipeSegments({L"A", L"Z"}, nodes, {edge(L"Z", L"A", 5.0)});
    ASSERT_EQ(dangling.size(), 1u);
    EXPECT_EQ(dangling[0].secondNodeValue, 0.0);
    EXPECT_EQ(SegmentEndAbscissas(100.0, segments), (std::vector<double>{130.0, 170.0}));
}

std::vector<TzRvnPipeSegment> boundariesAt(std::initializer_list<double> xs) {
    std::vector<TzRvnPipeSegment> segments;
    for (double x : xs) {
        TzRvnPipeSegment segment;
        segment.gradeX = x;
        segment.gradeY = 10.0;
        segments.push_back(segment);
    }
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
