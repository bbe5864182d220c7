// The iteration log of the solver (the calculation report): title, one line per iteration, the
// limit message, the summary of the last errors. Its texts pass through translate.
#pragma once

#include "analysis/solver/report_stream.h"
#include "analysis/solver/text_format.h"

#include <string>
#include <string_view>

// Title, network name, column headings and rules, down to the first iteration line.
void WriteLogTitle(TzRvnReportStream& report, std::wstring_view networkName, const TzRvnTranslate& translate);

// The line of one iteration: "%5d  " with it and the flow-error node, padded to 12 columns and
// cut there, padded to 14; "%lf    " with the flow error; the head-error branch's start node,
// padded and cut at 31, padded to 33; its end node, padded and cut at 38, padded to 39; the head
// error as " %lf" below 10.0, else "%lf". Columns count UTF-16 code units; a character cut in
// half becomes a blank.
std::wstring IterationLine(int iteration, std::wstring_view node, double flowError, std::wstring_view startNode,
                           std::wstring_view endNode, double headError);

// The two lines that say the iteration limit was not enough.
void WriteLimitMessage(TzRvnReportStream& report, int limit, const TzRvnTranslate& translate);

// Rule, last flow error with its node, last head error with its branch's nodes, closing rule.
void WriteLogSummary(TzRvnReportStream& report, double flowError, std::wstring_view node, double headError,
                     std::wstring_view startNode, std::wstring_view endNode, const TzRvnTranslate& translate);

// The line of a non-positive pivot at 0-based row k.
void WritePivotFailure(TzRvnReportStream& report, int k, const TzRvnTranslate& translate);
