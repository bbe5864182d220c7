// What the tool "rivanta calc" tells at the end of a run: the message the dialog would show, a
// short summary, and the elements behind an aborted calculation or results that are not finite.
#pragma once

#include "analysis/jobs/calc_run.h"

#include <string>

// The closing message of the run as the dialog shows it (translated, paths quoted).
std::wstring CalcRunMessage(const TzRvnCalcRun& run, const TzRvnCalcFiles& files);

// A head as the dialog's "H max" and "H min" show it: in the current drawing's linear format.
std::wstring HeadText(double head);

// The summary lines: the counts of network (as the run left it); after a calculation H max, H min
// and how the iteration ended; the paths of the reports written (and of the results file, when
// not empty).
std::wstring CalcSummary(const std::wstring& networkName, const TzRvnCalcRun& run, const TzRvnNetworkData& network,
                         const TzRvnCalcFiles& files, const std::wstring& resultsPath);

// After a non-positive pivot, the nodes of network that no tank feeds; when the calculation did not
// start, why; after a calculation, the nodes, branches and tanks whose results are not finite.
// Empty when there is nothing to name.
std::wstring CalcDiagnosis(const TzRvnCalcRun& run, const TzRvnNetworkData& network);
