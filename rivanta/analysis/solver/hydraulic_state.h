// The working storage of one calculation: vectors of the nodes, branches and tanks, the system
// matrix, and the elements named in the log for the largest errors.
#pragma once

#include "analysis/linear_algebra/sparse_system.h"
#include "network/network_data.h"

#include <memory>
#include <vector>

struct TzRvnHydraulicState {
    // The system matrix needs the node indices of a passed topology check.
    TzRvnHydraulicState(const TzRvnNetworkData& network, TzRvnFactorisation factorisation);

    std::vector<double> residual;     // per node: inflow - outflow - demand
    std::vector<double> rhs;          // per node: right-hand side, then the heads
    std::vector<double> resistance;   // per branch: R
    std::vector<double> conductance;  // per branch: c = 1 / (|Q| R)
    std::vector<double> flow;         // per branch: Q
    std::vector<double> tankFlow;     // per tank: supply into the network
    std::unique_ptr<TzRvnSystemMatrix> matrix;
    int flowErrorNode = 0;     // 0-based node of the largest continuity error
    int headErrorBranch = 0;   // 0-based branch of the largest head error
};

// Starting flows and resistances: every branch not excluded carries the flow of the initial
// velocity, from start to end node, and the resistance at that velocity's Reynolds number.
void InitialiseFlows(const TzRvnNetworkData& network, TzRvnHydraulicState& state);

// Recomputes the resistance of every branch not excluded at the Reynolds number of its flow.
void UpdateResistances(const TzRvnNetworkData& network, TzRvnHydraulicState& state);
