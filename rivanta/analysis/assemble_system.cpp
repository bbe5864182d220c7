#include "analysis/assemble_system.h"

#include <cmath>

namespace {

void clearRows(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    for (int i = 0; i < network.numNodes(); ++i) {
        state.residual[i] = -network.nodes()[i].demand;
        state.matrix.clearRow(i);
    }
}

void addBranches(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    TzRvnDenseMatrix& a = state.matrix;
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        const int s = edge.startIndex - 1;
        const int e = edge.endIndex - 1;
        const double c = 1 / (std::fabs(state.flow[k]) * state.resistance[k]);
        state.conductance[k] = c;
        a[s][e] -= c;
        a[e][s] -= c;
        a[s][s] += c;
        a[e][e] += c;
        state.residual[e] += state.flow[k];
        state.residual[s] -= state.flow[k];
    }
}

void setRightHandSide(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    for (int i = 0; i < network.numNodes(); ++i) state.rhs[i] = state.residual[i] - network.nodes()[i].demand;
}

void fixTankHeads(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    TzRvnDenseMatrix& a = state.matrix;
    for (std::size_t t = 0; t < network.tanks().size(); ++t) {
        const int n = network.tanks()[t].nodeIndex - 1;
        const double level = network.tanks()[t].head;
        state.tankFlow[t] = -state.residual[n];
        state.residual[n] = 0;
        for (int i = 0; i < network.numNodes(); ++i) {
            state.rhs[i] -= level * a[i][n];
            a[i][n] = 0;
            a[n][i] = 0;
        }
        a[n][n] = 1;
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
