#include "analysis/solver/flow_update.h"

#include <cmath>

double UpdateFlows(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    const double minFlow = network.settings().minBranchFlow;
    double largest = 0;
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        const double dH = state.rhs[edge.startIndex - 1] - state.rhs[edge.endIndex - 1];
        double& q = state.flow[k];
        q = 0.5 * (q + state.conductance[k] * dH);
        double magnitude = std::fabs(q);
        if (magnitude <= minFlow) {
            q = q < 0 ? -std::fabs(minFlow) : std::fabs(minFlow);
            magnitude = minFlow;
        }
        const double error = std::fabs(q * state.resistance[k] * magnitude - dH);
        if (error > largest) {
            largest = error;
            state.headErrorBranch = static_cast<int>(k);
        }
    }
    return largest;
}
