#include "analysis/solver/solver.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/assemble_system.h"
#include "analysis/linear_algebra/cholesky.h"
#include "analysis/solver/flow_update.h"
#include "analysis/solver/friction.h"
#include "analysis/solver/iteration_log.h"
#include "analysis/linear_algebra/system_memory.h"
#include "analysis/solver/unusable_values.h"
#include "frame/translation.h"

#include <cmath>
#include <new>

namespace {

bool validIndex(int index, int nodeCount) { return index >= 1 && index <= nodeCount; }

// True when every branch taking part and every tank names a node of the network.
bool indicesResolved(const TzRvnNetworkData& network) {
    for (const TzRvnEdge& edge : network.edges()) {
        if (edge.excluded) continue;
        if (!validIndex(edge.startIndex, network.numNodes()) || !validIndex(edge.endIndex, network.numNodes())) {
            return false;
        }
    }
    for (const TzRvnTank& tank : network.tanks()) {
        if (!validIndex(tank.nodeIndex, network.numNodes())) return false;
    }
    return true;
}

// The names the log shows for the elements of the largest errors.
struct ErrorNames {
    std::wstring_view node;
    std::wstring_view startNode;
    std::wstring_view endNode;
};

ErrorNames errorNames(const TzRvnNetworkData& network, const TzRvnHydraulicState& state) {
    ErrorNames names;
    if (state.flowErrorNode < network.numNodes()) names.node = network.nodes()[state.flowErrorNode].name.view();
    if (state.headErrorBranch < network.numEdges()) {
        const TzRvnEdge& edge = network.edges()[state.headErrorBranch];
        names.startNode = edge.startNode.view();
        names.endNode = edge.endNode.view();
    }
    return names;
}

void storeBranchResults(TzRvnNetworkData& network, const TzRvnHydraulicState& state) {
    const double viscosity = network.settings().viscosity;
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) {
            edge.flow = edge.velocity = edge.reynolds = edge.frictionSlope = edge.headLoss = 0.0;
            continue;
        }
        const double q = state.flow[k];
        edge.flow = q;
        edge.velocity = q / PipeArea(edge.diameter);
        edge.reynolds = ReynoldsOfVelocity(std::fabs(edge.velocity), edge.diameter, viscosity);
        edge.headLoss = std::fabs(q) * q * state.resistance[k];
        edge.frictionSlope = edge.headLoss / edge.length;
    }
}

void storeResults(TzRvnNetworkData& network, const TzRvnHydraulicState& state) {
    storeBranchResults(network, state);
    for (std::size_t i = 0; i < network.nodes().size(); ++i) {
        TzRvnNode& node = network.nodes()[i];
        node.head = state.rhs[i];
        node.pressureHead = state.rhs[i] - node.elevation;
    }
    for (std::size_t t = 0; t < network.tanks().size(); ++t) network.tanks()[t].flow = state.tankFlow[t];
}

// The iterations of both friction phases; fills outcome and leaves the last errors in
// flowError and headError.
void iterate(const TzRvnNetworkData& network, TzRvnHydraulicState& state, TzRvnReportStream& report,
             TzRvnSolverOutcome& outcome, double& flowError, double& headError) {
    const TzRvnSettings& settings = network.settings();
    bool frictionUpdated = false;
    for (int it = 1; it <= settings.maxIterations; ++it) {
        outcome.iterations = it;
        flowError = AssembleSystem(network, state);
        const int pivot = state.matrix->solve(state.rhs);
        if (pivot != kCholeskySolved) {
            outcome.failedPivot = pivot;
            WritePivotFailure(report, pivot);
            return;
        }
        headError = UpdateFlows(network, state);
        const ErrorNames names = errorNames(network, state);
        report.write(IterationLine(it, names.node, flowError, names.startNode, names.endNode, headError));
        if (headError <= settings.headTolerance && flowError <= settings.flowTolerance) {
            if (frictionUpdated) {
                outcome.converged = true;
                return;
            }
            UpdateResistances(network, state);
            frictionUpdated = true;
        }
    }
}

TzRvnSolverOutcome refused(const std::wstring& why, TzRvnReportStream& report, TzRvnSolverOutcome& outcome) {
    report.write(why);
    outcome.refusal = why;
    return outcome;
}

// The working storage, or nothing when the memory for it cannot be had.
std::optional<TzRvnHydraulicState> allocateState(const TzRvnNetworkData& network, TzRvnFactorisation factorisation) {
    std::optional<TzRvnHydraulicState> state;
    try {
        state.emplace(network, factorisation);
    } catch (const std::bad_alloc&) {
        state.reset();
    }
    return state;
}

}  // namespace

TzRvnSolverOutcome SolveNetwork(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                                TzRvnReportStream& report, const TzRvnSolverChoice& choice) {
    TzRvnSolverOutcome outcome;
    if (!networkName) {
        report.write(TranslateText(rvntext::kLogTitle));
        report.write(TranslateText(rvntext::kNoNetworkDictionary));
        return outcome;
    }
    WriteLogTitle(report, *networkName);
    if (!indicesResolved(network)) {
        report.write(TranslateText(rvntext::kUnresolvedIndices));
        return outcome;
    }
    if (const std::vector<std::wstring> unusable = UnusableValues(network); !unusable.empty()) {
        return refused(UnusableValuesText(unusable), report, outcome);
    }
    const std::wstring tooLarge =
        SystemMemoryRefusal(network.numNodes(), choice.factorisation, AvailableMemoryBytes());
    if (!tooLarge.empty()) return refused(tooLarge, report, outcome);
    std::optional<TzRvnHydraulicState> allocated = allocateState(network, choice.factorisation);
    if (!allocated) return refused(TranslateText(rvntext::kNoMemoryForSystem), report, outcome);
    TzRvnHydraulicState& state = *allocated;
    const int limit = network.settings().maxIterations;
    outcome.factorEntries = state.matrix->factorEntries();
    if (choice.factorReady) choice.factorReady(outcome.factorEntries);
    InitialiseFlows(network, state);
    double flowError = 0;
    double headError = 0;
    iterate(network, state, report, outcome, flowError, headError);
    if (outcome.failedPivot >= 0) return outcome;
    if (!outcome.converged) WriteLimitMessage(report, limit);
    const ErrorNames names = errorNames(network, state);
    WriteLogSummary(report, flowError, names.node, headError, names.startNode, names.endNode);
    storeResults(network, state);
    outcome.result = 1;
    return outcome;
}

int Calculate(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
              TzRvnReportStream& report) {
    return SolveNetwork(network, networkName, report).result;
}
