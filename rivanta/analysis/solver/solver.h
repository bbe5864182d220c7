// The hydraulic solver: steady state of a pressure-pipe network by the nodal method (heads
// unknown, Darcy-Weisbach with Colebrook-White friction, Newton linearisation, Cholesky solve,
// tanks as fixed heads). It relies on the node indices the topology check writes.
#pragma once

#include "analysis/solver/report_stream.h"
#include "analysis/solver/text_format.h"
#include "analysis/solver/unusable_values.h"
#include "analysis/linear_algebra/sparse_system.h"
#include "network/network_data.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How a calculation ended.
enum class TzRvnSolverStatus {
    notRun,               // the solver was not called (a run that stopped before it)
    solved,               // it ran to its end (converged or at the iteration limit) and stored its results
    noNetworkName,        // the dictionary of networks could not be opened: nothing calculated
    unresolvedIndices,    // the node indices are not those of a passed topology check
    unusableValues,       // values it cannot work with (unusable): not started
    systemTooLarge,       // the full matrix needs more memory than is available: not started
    noMemory,             // the memory for the system could not be had: not started
    notPositiveDefinite,  // aborted at a non-positive pivot (failedPivot), records unchanged
};

struct TzRvnSolverOutcome {
    TzRvnSolverStatus status = TzRvnSolverStatus::notRun;
    int result = 0;          // 1 when solved: completed and results stored; 0: records unchanged
    int iterations = 0;      // iterations run (the failing one included when aborted)
    bool converged = false;  // false when it stopped at the iteration limit or aborted
    int failedPivot = -1;    // 0-based row of the non-positive pivot, -1 when none
    long long factorEntries = 0;  // entries of the factor stored, 0 when nothing was calculated
    std::vector<TzRvnUnusableValue> unusable;  // the values refused (unusableValues)
    std::uint64_t systemBytes = 0;     // the memory the full matrix needs (0 for the sparse factorisations)
    std::uint64_t availableBytes = 0;  // systemTooLarge: the memory that was available
};

// Calculates network, writing the iteration log to report, its texts through translate.
// networkName is the network's key in the dictionary of networks, or nullopt when that dictionary
// cannot be opened (the log then says so and nothing is calculated). The calculation iterates until
// two converged states in a row of the two friction phases, or up to maxIterations in all; then
// stores the results into the records. It aborts, changing no record, at a non-positive pivot, and
// does not start when the node indices are not those of a passed topology check, when a value
// cannot be used (UnusableValues) or when the memory for the system cannot be had (the full matrix
// is compared with choice.availableMemoryBytes first); the log and the outcome then say why.
// choice says how each step's linear system is solved.
TzRvnSolverOutcome SolveNetwork(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                                TzRvnReportStream& report, const TzRvnTranslate& translate,
                                const TzRvnSolverChoice& choice = {});

// SolveNetwork's result alone: 1 when the calculation ran to its end, else 0.
int Calculate(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName, TzRvnReportStream& report,
              const TzRvnTranslate& translate);

// Why a calculation of network did not start for want of usable values or of memory, as its log
// says it (texts through translate): for the outcomes unusableValues, systemTooLarge and noMemory;
// empty for any other.
std::wstring SolverRefusalText(const TzRvnSolverOutcome& outcome, const TzRvnNetworkData& network,
                               const TzRvnTranslate& translate);
