// The figures the dialog shows and the measure a profile is drawn from, on a network of records:
// which branches join the pairs, the lengths by branch and along the schema in plan, the extremes
// of terrain and heads (an uncalculated head among them), and the key.
#include <gtest/gtest.h>

#include "network_builder.h"
#include "profiles/profile_figures.h"
#include "profiles/profile_measure.h"

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

TEST(ProfileFigures, BranchesJoinInEitherDirectionAndTheFirstInNetworkOrderCounts) {
    TzRvnNetworkData data = network();
    data.edges().push_back(data.edges()[0]);
    data.edges().back().length = 7.0;
    ASSERT_NE(JoiningBranch(data, L"B", L"D"), nullptr);
    EXPECT_EQ(JoiningBranch(data, L"B", L"A")->length, 100.0);
    EXPECT_EQ(JoiningBranch(data, L"A", L"C"), nullptr);
}

TEST(ProfileFigures, LengthSumsJoinedPairsAndExtremesTakeElevationsAndHeads) {
    const TzRvnNetworkData data = network();
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

TEST(ProfileMeasure, APairWithoutBranchAddsNothingAndDashesAreRefusedOnlyInPairs) {
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
}

TEST(ProfileMeasure, OneNodeIsFlatAtZeroAndAnUncalculatedHeadFallsToTheMinimum) {
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

}  // namespace
