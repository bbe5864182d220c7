#include "analysis/solver/run_calculation.h"

#include "analysis/solver/solver.h"
#include "analysis/topology/topology_check.h"

namespace {

bool validIndex(int index, int nodeCount) { return index >= 1 && index <= nodeCount; }

// Neighbours of every node through the branches taking part.
std::vector<std::vector<int>> adjacency(const TzRvnNetworkData& network) {
    std::vector<std::vector<int>> next(network.nodes().size());
    for (const TzRvnEdge& edge : network.edges()) {
        if (edge.excluded || !validIndex(edge.startIndex, network.numNodes()) ||
            !validIndex(edge.endIndex, network.numNodes())) {
            continue;
        }
        next[edge.startIndex - 1].push_back(edge.endIndex - 1);
        next[edge.endIndex - 1].push_back(edge.startIndex - 1);
    }
    return next;
}

}  // namespace

std::vector<int> NodesWithoutTank(const TzRvnNetworkData& network) {
    const std::vector<std::vector<int>> next = adjacency(network);
    std::vector<bool> fed(network.nodes().size(), false);
    std::vector<int> pending;
    for (const TzRvnTank& tank : network.tanks()) {
        if (validIndex(tank.nodeIndex, network.numNodes()) && !fed[tank.nodeIndex - 1]) {
            fed[tank.nodeIndex - 1] = true;
            pending.push_back(tank.nodeIndex - 1);
        }
    }
    while (!pending.empty()) {
        const int node = pending.back();
        pending.pop_back();
        for (int other : next[node]) {
            if (fed[other]) continue;
            fed[other] = true;
            pending.push_back(other);
        }
    }
    std::vector<int> unfed;
    for (std::size_t i = 0; i < fed.size(); ++i) {
        if (!fed[i]) unfed.push_back(static_cast<int>(i));
    }
    return unfed;
}

TzRvnRunOutcome RunCalculation(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                               TzRvnReportStream& checkReport, const TzRvnReportOpener& openCalcReport,
                               const TzRvnTranslate& translate, const TzRvnSolverChoice& choice) {
    TzRvnRunOutcome outcome;
    outcome.check = CheckTopology(network, networkName, checkReport, translate);
    if (!outcome.check) return outcome;
    TzRvnReportStream* calcReport = openCalcReport();
    if (calcReport == nullptr) return outcome;
    outcome.calcReportOpened = true;
    const TzRvnSolverOutcome solved = SolveNetwork(network, networkName, *calcReport, translate, choice);
    outcome.calc = solved.result;
    outcome.iterations = solved.iterations;
    outcome.converged = solved.converged;
    outcome.failedPivot = solved.failedPivot;
    if (solved.result) {
        outcome.maxHead = network.maxHead();
        outcome.minHead = network.minHead();
        outcome.nonFinite = NonFiniteResults(network);
    }
    return outcome;
}
