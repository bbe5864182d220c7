// One Newton step's linear system of the nodal method: heads unknown, each branch linearised
// around its current flow, tanks as fixed heads.
#pragma once

#include "analysis/solver/hydraulic_state.h"

// Fills the matrix, the right-hand side, the continuity residuals and the tank flows from the
// current flows and resistances, in this order: residuals and rows cleared; branch conductances
// added; rhs = residual - demand; each tank's column moved to the right-hand side and its row
// and column replaced by the identity; the tank levels set. Returns the largest |residual| (the
// flow error, tank nodes counting 0) and moves state.flowErrorNode to the first node strictly
// above the running maximum, if any.
double AssembleSystem(const TzRvnNetworkData& network, TzRvnHydraulicState& state);
