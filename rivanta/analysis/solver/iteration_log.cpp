#include "analysis/solver/iteration_log.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/text_format.h"
#include "network/number_text.h"
#include "network/unicode_text.h"

#include <cstdio>

namespace {

constexpr int kLfDecimals = 6;
constexpr double kWideHeadError = 10.0;

std::u16string units(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// Pads line with blanks to cut units, cuts it there, pads it to width. A character whose
// surrogate pair the cut splits becomes a blank, so the column stays where it is.
void padAndCut(std::u16string& line, std::size_t cut, std::size_t width) {
    line.resize(cut, u' ');
    if (isHighSurrogate(line.back())) line.back() = u' ';
    line.resize(width, u' ');
}

std::string iterationNumber(int iteration) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%5d  ", iteration);
    return buffer;
}

}  // namespace

void WriteLogTitle(TzRvnReportStream& report, std::wstring_view networkName, const TzRvnTranslate& translate) {
    report.write(translate(rvntext::kLogTitle));
    report.write(networkName);
    report.write(L"\n");
    report.write(rvntext::kLogRule);
    report.write(translate(rvntext::kLogColumns));
    report.write(translate(rvntext::kLogUnits));
    report.write(rvntext::kLogRule);
}

std::wstring IterationLine(int iteration, std::wstring_view node, double flowError, std::wstring_view startNode,
                           std::wstring_view endNode, double headError) {
    std::u16string line = units(iterationNumber(iteration)) + rvnutf::toUtf16(node);
    padAndCut(line, 12, 14);
    line += units(FixedText(flowError, kLfDecimals) + "    ");
    line += rvnutf::toUtf16(startNode);
    padAndCut(line, 31, 33);
    line += rvnutf::toUtf16(endNode);
    padAndCut(line, 38, 39);
    const std::string error = FixedText(headError, kLfDecimals);
    line += units(headError < kWideHeadError ? " " + error + "\n" : error + "\n");
    return rvnutf::fromUtf16(line);
}

void WriteLimitMessage(TzRvnReportStream& report, int limit, const TzRvnTranslate& translate) {
    report.write(FormatTranslated(translate, rvntext::kIterationLimit, {limit}));
    report.write(translate(rvntext::kIterationLimitTail));
}

void WriteLogSummary(TzRvnReportStream& report, double flowError, std::wstring_view node, double headError,
                     std::wstring_view startNode, std::wstring_view endNode, const TzRvnTranslate& translate) {
    report.write(rvntext::kLogRule);
    report.write(FormatTranslated(translate, rvntext::kFlowErrorSummary, {flowError, node}));
    report.write(FormatTranslated(translate, rvntext::kHeadErrorSummary, {headError, startNode, endNode}));
    report.write(rvntext::kLogClosing);
}

void WritePivotFailure(TzRvnReportStream& report, int k, const TzRvnTranslate& translate) {
    report.write(FormatTranslated(translate, rvntext::kNotPositiveDefinite, {k, k}));
}
