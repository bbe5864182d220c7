// The flow update of the nodal method after the heads of one step are solved.
#pragma once

#include "analysis/solver/hydraulic_state.h"

// For every branch not excluded, with dH the head difference start - end (heads in state.rhs):
// Q = 0.5 (Q + c dH), the Newton step of the quadratic law around the previous flow; a flow whose
// magnitude is not above minBranchFlow is held at that floor with its sign (0 counting positive).
// Returns the largest head error |Q R |Q| - dH| and moves state.headErrorBranch to the first
// branch strictly above the running maximum, if any.
double UpdateFlows(const TzRvnNetworkData& network, TzRvnHydraulicState& state);
