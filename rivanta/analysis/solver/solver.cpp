#include "analysis/solver/solver.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/assemble_system.h"
#include "analysis/linear_algebra/cholesky.h"
#include "analysis/solver/flow_update.h"
#include "analysis/solver/friction.h"
#include "analysis/solver/iteration_log.h"
#include "analysis/linear_algebra/system_memory.h"
#include "analysis/solver/unusable_values.h"

#include <cmath>
#include <cstdio>
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
             const TzRvnTranslate& translate, TzRvnSolverOutcome& outcome, double& flowError, double& headError) {
    const TzRvnSettings& settings = network.settings();
    bool frictionUpdated = false;
    for (int it = 1; it <= settings.maxIterations; ++it) {
        outcome.iterations = it;
        flowError = AssembleSystem(network, state);
        const int pivot = state.matrix->solve(state.rhs);
        if (pivot != kCholeskySolved) {
            outcome.status = TzRvnSolverStatus::notPositiveDefinite;
            outcome.failedPivot = pivot;
            WritePivotFailure(report, pivot, translate);
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

// An outcome that did not start, its reason written to the log.
TzRvnSolverOutcome refused(TzRvnSolverOutcome& outcome, const TzRvnNetworkData& network, TzRvnReportStream& report,
                           const TzRvnTranslate& translate) {
    report.write(SolverRefusalText(outcome, network, translate));
    return outcome;
}

std::wstring mebibytes(std::uint64_t bytes) {
    constexpr double kMebibyte = 1024.0 * 1024.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(bytes) / kMebibyte);
    return std::wstring(text, text + std::char_traits<char>::length(text));
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
                                TzRvnReportStream& report, const TzRvnTranslate& translate,
                                const TzRvnSolverChoice& choice) {
    TzRvnSolverOutcome outcome;
    if (!networkName) {
        outcome.status = TzRvnSolverStatus::noNetworkName;
        report.write(translate(rvntext::kLogTitle));
        report.write(translate(rvntext::kNoNetworkDictionary));
        return outcome;
    }
    WriteLogTitle(report, *networkName, translate);
    if (!indicesResolved(network)) {
        outcome.status = TzRvnSolverStatus::unresolvedIndices;
        report.write(translate(rvntext::kUnresolvedIndices));
        return outcome;
    }
    outcome.unusable = UnusableValues(network);
    if (!outcome.unusable.empty()) {
        outcome.status = TzRvnSolverStatus::unusableValues;
        return refused(outcome, network, report, translate);
    }
    outcome.systemBytes = SystemMatrixBytes(network.numNodes(), choice.factorisation);
    if (outcome.systemBytes > choice.availableMemoryBytes) {
        outcome.status = TzRvnSolverStatus::systemTooLarge;
        outcome.availableBytes = choice.availableMemoryBytes;
        return refused(outcome, network, report, translate);
    }
    std::optional<TzRvnHydraulicState> allocated = allocateState(network, choice.factorisation);
    if (!allocated) {
        outcome.status = TzRvnSolverStatus::noMemory;
        return refused(outcome, network, report, translate);
    }
    TzRvnHydraulicState& state = *allocated;
    const int limit = network.settings().maxIterations;
    outcome.factorEntries = state.matrix->factorEntries();
    if (choice.factorReady) choice.factorReady(outcome.factorEntries);
    InitialiseFlows(network, state);
    double flowError = 0;
    double headError = 0;
    iterate(network, state, report, translate, outcome, flowError, headError);
    if (outcome.failedPivot >= 0) return outcome;
    if (!outcome.converged) WriteLimitMessage(report, limit, translate);
    const ErrorNames names = errorNames(network, state);
    WriteLogSummary(report, flowError, names.node, headError, names.startNode, names.endNode, translate);
    storeResults(network, state);
    outcome.status = TzRvnSolverStatus::solved;
    outcome.result = 1;
    return outcome;
}

int Calculate(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName, TzRvnReportStream& report,
              const TzRvnTranslate& translate) {
    return SolveNetwork(network, networkName, report, translate).result;
}

std::wstring SolverRefusalText(const TzRvnSolverOutcome& outcome, const TzRvnNetworkData& network,
                               const TzRvnTranslate& translate) {
    switch (outcome.status) {
        case TzRvnSolverStatus::unusableValues: return UnusableValuesText(outcome.unusable, network, translate);
        case TzRvnSolverStatus::systemTooLarge: {
            const std::wstring needed = mebibytes(outcome.systemBytes);
            const std::wstring available = mebibytes(outcome.availableBytes);
            return FormatTranslated(translate, rvntext::kSystemTooLarge,
                                    {std::wstring_view(needed), std::wstring_view(available)});
        }
        case TzRvnSolverStatus::noMemory: return translate(rvntext::kNoMemoryForSystem);
        default: return {};
    }
}
