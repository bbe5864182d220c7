#include "analysis/solver/hydraulic_state.h"

#include "analysis/solver/friction.h"

namespace {

std::size_t count(int n) { return static_cast<std::size_t>(n); }

}  // namespace

TzRvnHydraulicState::TzRvnHydraulicState(const TzRvnNetworkData& network, TzRvnFactorisation factorisation)
    : residual(count(network.numNodes())),
      rhs(count(network.numNodes())),
      resistance(count(network.numEdges())),
      conductance(count(network.numEdges())),
      flow(count(network.numEdges())),
      tankFlow(count(network.numTanks())),
      matrix(MakeSystemMatrix(network, factorisation)) {}

void InitialiseFlows(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    const TzRvnSettings& settings = network.settings();
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) {
            state.flow[k] = 0.0;
            continue;
        }
        const double reynolds = ReynoldsOfVelocity(settings.initialVelocity, edge.diameter, settings.viscosity);
        state.resistance[k] = BranchResistance(edge, reynolds);
        state.flow[k] = PipeArea(edge.diameter) * settings.initialVelocity;
    }
}

void UpdateResistances(const TzRvnNetworkData& network, TzRvnHydraulicState& state) {
    const double viscosity = network.settings().viscosity;
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        state.resistance[k] = BranchResistance(edge, ReynoldsOfFlow(state.flow[k], edge.diameter, viscosity));
    }
}
