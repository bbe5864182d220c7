// The hydraulic solver: steady state of a pressure-pipe network by the nodal method (heads
// unknown, Darcy-Weisbach with Colebrook-White friction, Newton linearisation, Cholesky solve,
// tanks as fixed heads). It relies on the node indices the topology check writes.
#pragma once

#include "analysis/solver/report_stream.h"
#include "analysis/linear_algebra/sparse_system.h"
#include "network/network_data.h"

#include <optional>
#include <string>

struct TzRvnSolverOutcome {
    int result = 0;          // 1: completed and results stored; 0: aborted, records unchanged
    int iterations = 0;      // iterations run (the failing one included when aborted)
    bool converged = false;  // false when it stopped at the iteration limit or aborted
    int failedPivot = -1;    // 0-based row of the non-positive pivot, -1 when none
    long long factorEntries = 0;  // entries of the factor stored, 0 when nothing was calculated
    std::wstring refusal;    // why the calculation did not start, as written to the log; empty when it did
};

// Calculates network, writing the iteration log to report. networkName is the network's key in
// the dictionary of networks, or nullopt when that dictionary cannot be opened (the log then says
// so and nothing is calculated). The calculation iterates until two converged states in a row
// of the two friction phases, or up to maxIterations in all; then stores the results into the
// records. It aborts, changing no record, at a non-positive pivot, and does not start when the node
// indices are not those of a passed topology check, when a value cannot be used (UnusableValues)
// or when the memory for the system cannot be had; the log and refusal then say why.
// choice says how each step's linear system is solved.
TzRvnSolverOutcome SolveNetwork(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                                TzRvnReportStream& report, const TzRvnSolverChoice& choice = {});

// SolveNetwork's result alone: 1 when the calculation ran to its end, else 0.
int Calculate(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
              TzRvnReportStream& report);
