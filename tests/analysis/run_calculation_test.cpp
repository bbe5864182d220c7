// The calculation run: check, then the solver, and what the summary of a run learns from it. The
// shared cases check a failing check (no calculation report), the iterations and the extreme heads.
#include "analysis/solver/run_calculation.h"
#include "network_builder.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

using rvntest::NetworkBuilder;

TEST(RunCalculation, AReportThatCannotBeOpenedLeavesTheRecordsAlone) {
    TzRvnNetworkData network = NetworkBuilder().node(L"1").node(L"2", 0.001).branch(L"1", L"2").tank(L"1", 10).build();
    TzRvnStringReport checkReport;
    TzRvnRunOutcome outcome = RunCalculation(network, L"rete", checkReport, [] { return nullptr; }, KeepText);
    EXPECT_EQ(std::tuple(1, 0, false, NO_RESULT),
              std::tuple(outcome.check, outcome.calc, outcome.calcReportOpened, network.nodes()[1].head));
}

TEST(RunCalculation, AnEmptyNetworkPassesAndConvergesWithNothingToStore) {
    TzRvnNetworkData network = NetworkBuilder().build();
    TzRvnStringReport checkReport;
    TzRvnStringReport calcReport;
    TzRvnRunOutcome outcome = RunCalculation(network, L"vuota", checkReport, [&] { return &calcReport; }, KeepText);
    EXPECT_EQ(outcome.calc, 1);
    EXPECT_TRUE(calcReport.text().ends_with(L"Errore max in H pari a 0.000000 nel ramo -\n"
                                            L"================================================\n"));
}

TEST(RunCalculation, FindsEveryResultThatIsNotFinite) {
    TzRvnNetworkData network = NetworkBuilder().node(L"1").node(L"2").node(L"3").branch(L"1", L"2").branch(L"1", L"2")
                                   .branch(L"2", L"1").branch(L"2", L"3").tank(L"1", 40).tank(L"3", 30).build();
    EXPECT_TRUE(NonFiniteResults(network).empty());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    network.edges()[1].reynolds = nan;
    network.edges()[2].headLoss = infinity;
    network.edges()[3].velocity = -infinity;
    network.nodes()[1].pressureHead = nan;
    network.nodes()[2].head = infinity;
    network.tanks()[1].flow = nan;
    const TzRvnNonFiniteResults found = NonFiniteResults(network);
    EXPECT_EQ(std::tuple(std::vector<int>{1, 2}, std::vector<int>{1, 2, 3}, std::vector<int>{1}),
              std::tie(found.nodes, found.branches, found.tanks));
    EXPECT_FALSE(found.empty());
}

}  // namespace
