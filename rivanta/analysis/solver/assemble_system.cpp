#include "analysis/solver/assemble_system.h"

#include <cmath>

namespace {

void clearRows(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    for (int i = 0; i < network.numNodes(); ++i) state.residual[i] = -network.nodes()[i].demand;
    state.matrix->clear();
}

void addBranches(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        const int s = edge.startIndex - 1;
        const int e = edge.endIndex - 1;
        const double c = 1 / (std::fabs(state.flow[k]) * state.resistance[k]);
        state.conductance[k] = c;
        state.matrix->addBranch(static_cast<int>(k), s, e, c);
        state.residual[e] += state.flow[k];
        state.residual[s] -= state.flow[k];
    }
}

void setRightHandSide(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    for (int i = 0; i < network.numNodes(); ++i) state.rhs[i] = state.residual[i] - network.nodes()[i].demand;
}

void fixTankHeads(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    for (std::size_t t = 0; t < network.tanks().size(); ++t) {
        const int n = network.tanks()[t].nodeIndex - 1;
        state.tankFlow[t] = -state.residual[n];
        state.residual[n] = 0;
        state.matrix->fixHead(n, network.tanks()[t].head, state.rhs);
    }
    for (const TzRvnTank& tank : network.tanks()) state.rhs[tank.nodeIndex - 1] = tank.head;
}

double flowError(TzRvnHydraulicState& state) {
    double largest = 0;
    for (std::size_t i = 0; i < state.residual.size(); ++i) {
        if (std::fabs(state.residual[i]) > largest) {
            largest = std::fabs(state.residual[i]);
            state.flowErrorNode = static_cast<int>(i);
        }
    }
    return largest;
}

}  // namespace

double AssembleSystem(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    clearRows(network, state);
    addBranches(network, state);
    setRightHandSide(network, state);
    fixTankHeads(network, state);
    return flowError(state);
}
