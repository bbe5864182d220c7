// Whole calculations with each factorisation: the exact sparse one gives the dense reference's
// reports and results bit for bit on random networks (the shared cases check its reports against
// the expected ones); the reordered one agrees with them to 1e-9 relative.
#include "analysis/linear_algebra/dense_system.h"
#include "analysis/solver/run_calculation.h"
#include "analysis/solver/solver.h"
#include "analysis/linear_algebra/envelope_system.h"
#include "analysis/linear_algebra/sparse_factor_system.h"
#include "analysis/linear_algebra/sparse_pattern.h"
#include "random_networks.h"
#include "random_systems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

struct SolvedRun {
    TzRvnNetworkData network;
    TzRvnSolverOutcome outcome;
    std::wstring report;
};

SolvedRun solve(TzRvnNetworkData network, TzRvnFactorisation factorisation) {
    TzRvnStringReport report;
    SolvedRun run;
    run.outcome = SolveNetwork(network, std::wstring(L"R"), report, KeepText, factorisation);
    run.network = std::move(network);
    run.report = report.text();
    return run;
}

// Every result of the records, in order.
std::vector<double> results(const TzRvnNetworkData& network) {
    std::vector<double> values;
    for (const TzRvnNode& node : network.nodes()) values.insert(values.end(), {node.head, node.pressureHead});
    for (const TzRvnEdge& e : network.edges()) {
        values.insert(values.end(), {e.flow, e.velocity, e.reynolds, e.frictionSlope, e.headLoss});
    }
    for (const TzRvnTank& tank : network.tanks()) values.push_back(tank.flow);
    return values;
}

void expectSameBits(const SolvedRun& reference, const SolvedRun& run, const std::string& where) {
    EXPECT_EQ(reference.outcome.result, run.outcome.result) << where;
    EXPECT_EQ(reference.outcome.iterations, run.outcome.iterations) << where;
    EXPECT_EQ(reference.outcome.converged, run.outcome.converged) << where;
    EXPECT_EQ(reference.outcome.failedPivot, run.outcome.failedPivot) << where;
    EXPECT_EQ(rvntest::WithoutNanSigns(reference.report), rvntest::WithoutNanSigns(run.report)) << where;
    const std::vector<double> expected = results(reference.network);
    const std::vector<double> actual = results(run.network);
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_PRED2(rvntest::SameBits, expected[i], actual[i]) << where << ": result " << i << " " << expected[i] << " against "
                                                      << actual[i];
    }
}

// Each result agrees to 1e-9 of the largest magnitude of its kind (heads, one branch field,
// tank flows): a small flow of a loop is a difference of heads, so its own relative error grows
// with the head's.
void expectClose(const TzRvnNetworkData& expected, const TzRvnNetworkData& actual, int trial) {
    const auto compare = [&](auto field, const auto& expectedRecords, const auto& actualRecords, const char* what) {
        double scale = 0;
        for (const auto& record : expectedRecords) scale = std::max(scale, std::fabs(field(record)));
        for (std::size_t i = 0; i < expectedRecords.size(); ++i) {
            EXPECT_NEAR(field(expectedRecords[i]), field(actualRecords[i]), 1e-9 * scale + 1e-12)
                << "trial " << trial << ": " << what << " " << i;
        }
    };
    compare([](const TzRvnNode& n) { return n.head; }, expected.nodes(), actual.nodes(), "head");
    compare([](const TzRvnNode& n) { return n.pressureHead; }, expected.nodes(), actual.nodes(), "pressure head");
    compare([](const TzRvnEdge& e) { return e.flow; }, expected.edges(), actual.edges(), "flow");
    compare([](const TzRvnEdge& e) { return e.velocity; }, expected.edges(), actual.edges(), "velocity");
    compare([](const TzRvnEdge& e) { return e.reynolds; }, expected.edges(), actual.edges(), "reynolds");
    compare([](const TzRvnEdge& e) { return e.headLoss; }, expected.edges(), actual.edges(), "head loss");
    compare([](const TzRvnEdge& e) { return e.frictionSlope; }, expected.edges(), actual.edges(), "slope");
    compare([](const TzRvnTank& t) { return t.flow; }, expected.tanks(), actual.tanks(), "tank flow");
}

TEST(FactorisationChoice, ExactGivesTheDenseBitsOnRandomNetworks) {
    std::mt19937 random(2026);
    const rvntest::RandomNetworkShape shape{2, 40, true, true};
    int aborted = 0;
    int limited = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const TzRvnNetworkData network = rvntest::RandomNetwork(random, shape);
        const SolvedRun dense = solve(network, TzRvnFactorisation::dense);
        const SolvedRun exact = solve(network, TzRvnFactorisation::exact);
        expectSameBits(dense, exact, "trial " + std::to_string(trial));
        if (HasFailure()) return;
        aborted += dense.outcome.result == 0;
        limited += dense.outcome.result == 1 && !dense.outcome.converged;
    }
    // The random shapes reach the abort and the iteration limit, not only convergence.
    EXPECT_GT(aborted, 0);
    EXPECT_GT(limited, 0);
}

// Street grids numbered row by row have rows of like widths: the exact factorisation runs on the
// envelopes there (unless excluded branches shorten too many rows), and must still give the dense
// bits.
TEST(FactorisationChoice, ExactOnTheEnvelopesOfGridsGivesTheDenseBits) {
    std::mt19937 random(808);
    int onEnvelopes = 0;
    for (int trial = 0; trial < 30; ++trial) {
        const rvntest::RandomNetworkShape shape{100, 160, trial % 2 == 0, false, 12 + trial % 9};
        const TzRvnNetworkData network = rvntest::RandomNetwork(random, shape);
        const std::vector<std::pair<int, int>> links = BranchLinks(network);
        onEnvelopes += EnvelopeIsCheaper(EnvelopeStorage(network.numNodes(), links), FactorEntryCount(network.numNodes(), links));
        expectSameBits(solve(network, TzRvnFactorisation::dense), solve(network, TzRvnFactorisation::exact),
                       "grid trial " + std::to_string(trial));
        if (HasFailure()) return;
    }
    EXPECT_GT(onEnvelopes, 15);
}

TEST(FactorisationChoice, OrderedAgreesWithTheDenseResultsOnRandomNetworks) {
    std::mt19937 random(99);
    const rvntest::RandomNetworkShape shape{2, 60, false, false};
    int compared = 0;
    for (int trial = 0; trial < 400; ++trial) {
        TzRvnNetworkData network = rvntest::RandomNetwork(random, shape);
        // A part no tank feeds makes the matrix singular: its pivot's sign is then rounding.
        if (!NodesWithoutTank(network).empty()) continue;
        TzRvnSettings settings = network.settings();
        settings.maxIterations = 200;
        settings.minBranchFlow = 1e-6;
        settings.headTolerance = 1e-9;
        settings.flowTolerance = 1e-11;
        network.setSettings(settings);
        const SolvedRun dense = solve(network, TzRvnFactorisation::dense);
        const SolvedRun ordered = solve(network, TzRvnFactorisation::ordered);
        ASSERT_EQ(dense.outcome.result, ordered.outcome.result) << "trial " << trial;
        if (!dense.outcome.converged || !ordered.outcome.converged) continue;
        ++compared;
        expectClose(dense.network, ordered.network, trial);
        if (HasFailure()) return;
    }
    EXPECT_GT(compared, 80);
}

TEST(FactorisationChoice, TheFactorsSizeIsToldBeforeTheFirstStep) {
    std::mt19937 random(12);
    TzRvnNetworkData network = rvntest::RandomNetwork(random, {20, 20, false, false});
    TzRvnStringReport report;
    TzRvnSolverChoice choice(TzRvnFactorisation::ordered);
    long long told = -1;
    std::wstring logSoFar;
    choice.factorReady = [&](long long entries) {
        told = entries;
        logSoFar = report.text();
    };
    const TzRvnSolverOutcome outcome = SolveNetwork(network, std::wstring(L"R"), report, KeepText, choice);
    EXPECT_EQ(told, outcome.factorEntries);
    EXPECT_GE(told, 20);
    EXPECT_EQ(std::wstring::npos, logSoFar.find(L"\n    1  ")) << "an iteration line came first";
    EXPECT_NE(std::wstring::npos, report.text().find(L"\n    1  "));
}

std::vector<int> ownOrder(int n) {
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) order[static_cast<std::size_t>(i)] = i;
    return order;
}

// The tank elimination of the dense and a sparse system on the same assembled matrix, with levels
// whose product with 0.0 is not +0.0 and right-hand sides holding -0.0.
template <typename SparseSystem>
void expectSameFixedHeads(std::mt19937& random, const std::function<SparseSystem(const TzRvnNetworkData&)>& make) {
    const double levels[] = {35.0, -12.0, -0.0, 0.0, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (int trial = 0; trial < 60; ++trial) {
        const TzRvnNetworkData network = rvntest::RandomNetwork(random, {2, 20, false, false});
        TzRvnDenseSystem dense(network.numNodes());
        SparseSystem sparse = make(network);
        std::vector<double> denseRhs(static_cast<std::size_t>(network.numNodes()), -0.0);
        for (std::size_t i = 0; i < denseRhs.size(); i += 2) denseRhs[i] = 0.5 * static_cast<double>(i);
        std::vector<double> sparseRhs = denseRhs;
        for (std::size_t k = 0; k < network.edges().size(); ++k) {
            const TzRvnEdge& edge = network.edges()[k];
            if (edge.excluded) continue;
            const double c = trial % 3 == 0 && k == 0 ? 0.0 : 1.0 + static_cast<double>(k);
            dense.addBranch(static_cast<int>(k), edge.startIndex - 1, edge.endIndex - 1, c);
            sparse.addBranch(static_cast<int>(k), edge.startIndex - 1, edge.endIndex - 1, c);
        }
        const int n = static_cast<int>(random() % static_cast<unsigned>(network.numNodes()));
        const double level = levels[trial % 6];
        dense.fixHead(n, level, denseRhs);
        sparse.fixHead(n, level, sparseRhs);
        for (std::size_t i = 0; i < denseRhs.size(); ++i) {
            ASSERT_EQ(rvntest::bits(denseRhs[i]), rvntest::bits(sparseRhs[i]))
                << "trial " << trial << " row " << i << " level " << level;
        }
        EXPECT_EQ(dense.solve(denseRhs), sparse.solve(sparseRhs)) << "trial " << trial;
    }
}

TEST(FactorisationChoice, FixedHeadsMoveTheSameBitsIntoTheRightHandSide) {
    std::mt19937 random(31);
    expectSameFixedHeads<TzRvnEnvelopeSystem>(random, [](const TzRvnNetworkData& network) {
        return TzRvnEnvelopeSystem(network, EnvelopeStorage(network.numNodes(), BranchLinks(network)));
    });
    expectSameFixedHeads<TzRvnSparseSystem>(random, [](const TzRvnNetworkData& network) {
        return TzRvnSparseSystem(network, ownOrder(network.numNodes()));
    });
}

}  // namespace
