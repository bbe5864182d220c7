// A whole calculation run on a plain network: the topology check, then (when it passes) the
// solver, with what a summary of the run needs to say.
#pragma once

#include "analysis/solver/non_finite_results.h"
#include "analysis/solver/report_stream.h"
#include "analysis/solver/text_format.h"
#include "analysis/linear_algebra/sparse_system.h"
#include "network/network_data.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TzRvnRunOutcome {
    int check = 0;                 // 1 when the topology check passed
    int calc = 0;                  // 1 when the calculation ran to its end and stored its results
    bool calcReportOpened = false; // false when the check failed or the report could not be opened
    int iterations = 0;
    bool converged = false;        // false: stopped at the iteration limit (or aborted)
    int failedPivot = -1;          // 0-based row of a non-positive pivot, -1 when none
    double maxHead = 0.0;          // TzRvnNetworkData::maxHead after a completed calculation
    double minHead = 0.0;          // TzRvnNetworkData::minHead after a completed calculation
    TzRvnNonFiniteResults nonFinite;    // results that are not finite, after a completed calculation
};

// Opens the calculation report when the check has passed; null when it cannot be created. The
// caller owns the stream, so a failing check leaves an earlier report untouched.
using TzRvnReportOpener = std::function<TzRvnReportStream*()>;

// Checks network into checkReport and, when it passes, calculates it into the report that
// openCalcReport gives, solving as choice says. networkName as for CheckTopology; the reports'
// texts pass through translate.
TzRvnRunOutcome RunCalculation(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                               TzRvnReportStream& checkReport, const TzRvnReportOpener& openCalcReport,
                               const TzRvnTranslate& translate, const TzRvnSolverChoice& choice = {});

// The 0-based nodes that no tank reaches through branches not excluded (indices as resolved by
// the topology check).
std::vector<int> NodesWithoutTank(const TzRvnNetworkData& network);
