// The solver on what the shared cases cannot hold (excluded branches, zero lengths, a missing name);
// the friction factor against tabulated Colebrook-White values. The shared cases check the answer
// of two nodes (e01, against the analytic one), reversed branches, two tanks on a node, the
// iteration limit and the abort at a non-positive pivot.
#include "analysis/solver/friction.h"
#include "analysis/solver/run_calculation.h"
#include "analysis/solver/solver.h"
#include "analysis/topology/topology_check.h"
#include "network_builder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using rvntest::NetworkBuilder;

// Checks (which resolves the node indices) and solves; returns the solver's outcome.
TzRvnSolverOutcome checkAndSolve(TzRvnNetworkData& network, TzRvnStringReport& log) {
    TzRvnStringReport checkReport;
    EXPECT_EQ(CheckTopology(network, L"rete", checkReport, KeepText), 1);
    return SolveNetwork(network, L"rete", log, KeepText);
}

TEST(Solver, AnExcludedBranchTakesNoPartAndGetsZeroResults) {
    TzRvnNetworkData network = NetworkBuilder()
                                   .node(L"1").node(L"2", 0.002)
                                   .branch(L"1", L"2").excludedBranch(L"2", L"1").tank(L"1", 40).build();
    TzRvnStringReport log;
    ASSERT_EQ(checkAndSolve(network, log).result, 1);
    EXPECT_NEAR(network.edges()[0].flow, 0.002, 1e-5);
    const TzRvnEdge& excluded = network.edges()[1];
    EXPECT_EQ((std::vector<double>(5, 0.0)),
              (std::vector<double>{excluded.flow, excluded.velocity, excluded.reynolds, excluded.frictionSlope, excluded.headLoss}));
}

TEST(Solver, AZeroLengthGivesAnInfiniteFrictionSlope) {
    TzRvnNetworkData network = NetworkBuilder().node(L"1").node(L"2", 0.002).branch(L"1", L"2", 0.0, 0.1, 1e-4, 2.0).tank(L"1", 40).build();
    TzRvnStringReport log;
    ASSERT_EQ(checkAndSolve(network, log).result, 1);
    EXPECT_TRUE(std::isinf(network.edges()[0].frictionSlope));
    EXPECT_EQ(NonFiniteResults(network).branches, std::vector<int>{0});
    EXPECT_TRUE(NonFiniteResults(network).nodes.empty());
}

// Without a name the log stops after its title: the network object's test.
TEST(Solver, RefusesWithoutResolvedIndices) {
    TzRvnNetworkData network = NetworkBuilder().node(L"1").node(L"2", 0.002).branch(L"1", L"2").tank(L"1", 40).build();
    TzRvnStringReport unresolved;
    EXPECT_EQ(Calculate(network, L"rete", unresolved, KeepText), 0);
    EXPECT_EQ(network.nodes()[1].head, NO_RESULT);
}

struct ColebrookValue {
    double reynolds;
    double relativeRoughness;
    double frictionFactor;  // converged Colebrook-White f
};

// Converged Colebrook-White solutions; the Moody chart gives 0.0399, 0.0180, 0.0185, 0.0199.
constexpr ColebrookValue kTable[] = {
    {4000, 0.0, 0.0399070140556349},     {1e5, 0.0, 0.01798977308427384},
    {1e5, 1e-4, 0.01851249948164709},    {1e6, 1e-3, 0.019931175126555064},
    {1e7, 1e-5, 0.008993771331864993},   {2e4, 0.01, 0.04067516632526942},
};

TEST(Friction, TenStepsReachTheColebrookWhiteFactor) {
    for (const ColebrookValue& row : kTable) {
        const double x = ColebrookInverseRootFactor(row.reynolds, row.relativeRoughness * 0.2, 0.2);
        EXPECT_NEAR(x, 1 / std::sqrt(row.frictionFactor), 1e-7) << "Re " << row.reynolds;
    }
}

TEST(Friction, ResistanceFollowsDarcyWeisbachWithLocalLosses) {
    const TzRvnEdge edge = NetworkBuilder().node(L"1").node(L"2").branch(L"1", L"2", 250, 0.1, 1e-4, 1.5).build().edges()[0];
    const double f = 0.022165460;  // Colebrook-White at Re 1e5, relative roughness 1e-3
    const double g = 9.81;
    const double pi = 3.14159265358979;
    const double expected = 8 / (g * pi * pi) * (f * 250 / std::pow(0.1, 5) + 1.5 / std::pow(0.1, 4));
    // 0.08263 stands for 8 / (g pi^2) = 0.082627: agreement to 1e-4.
    EXPECT_NEAR(BranchResistance(edge, 1e5), expected, expected * 1e-4);
    EXPECT_DOUBLE_EQ(ReynoldsOfFlow(-PipeArea(0.1) * 2.0, 0.1, 1e-6), 2e5);
}

TEST(Friction, BelowTheFixedPointsReachTheLaminarLawHolds) {
    for (double reynolds : {0.85, 1.0, 5.0}) {
        EXPECT_EQ(ColebrookInverseRootFactor(reynolds, 1e-4, 0.1), std::sqrt(reynolds / 64.0)) << reynolds;
        EXPECT_EQ(ColebrookInverseRootFactor(reynolds, 0.0, 0.1), std::sqrt(reynolds / 64.0)) << reynolds;
    }
    // f = 64 / Re: at Re = 1 the friction factor is 64, so the resistance is the laminar one.
    const TzRvnEdge edge = NetworkBuilder().node(L"1").node(L"2").branch(L"1", L"2", 100.0, 0.1).build().edges()[0];
    EXPECT_DOUBLE_EQ(BranchResistance(edge, 1.0), 0.08263 * 100.0 * 64.0 / std::pow(0.1, 5));
    EXPECT_EQ(LaminarInverseRootFactor(0.0), 0.0) << "no flow: an infinite friction factor";
}

}  // namespace
