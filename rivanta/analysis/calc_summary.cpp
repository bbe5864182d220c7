#include "analysis/calc_summary.h"

#include "analysis/analysis_texts.h"
#include "analysis/calc_texts.h"
#include "analysis/run_calculation.h"
#include "analysis/run_messages.h"
#include "frame/translation.h"
#include "zaf_acad_mgr.h"

#include <vector>

namespace {

std::wstring quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring translated(std::wstring_view text) { return TranslateText(text); }

std::wstring nodeLabel(const TzRvnNetworkData& network, int i) {
    const TzRvnName& name = network.nodes()[static_cast<std::size_t>(i)].name;
    return name.empty() ? L"(node " + std::to_wstring(i + 1) + L" without a name)" : name.str();
}

std::wstring branchLabel(const TzRvnNetworkData& network, int k) {
    const TzRvnEdge& edge = network.edges()[static_cast<std::size_t>(k)];
    return std::to_wstring(k + 1) + L" (" + edge.startNode.str() + L"-" + edge.endNode.str() + L")";
}

template <class Label>
std::wstring listed(const std::vector<int>& elements, Label label) {
    std::wstring text;
    for (std::size_t i = 0; i < elements.size(); ++i) text += (i ? L", " : L"") + label(elements[i]);
    return text;
}

std::wstring iterationLine(const TzRvnSolverOutcome& solver) {
    const std::wstring count = std::to_wstring(solver.iterations);
    if (solver.converged) return L"Converged after " + count + L" iterations\n";
    return L"Stopped at the iteration limit after " + count + L" iterations, tolerances not met\n";
}

bool wroteCalcReport(TzRvnCalcStatus status) {
    return status == TzRvnCalcStatus::calculated || status == TzRvnCalcStatus::aborted ||
           status == TzRvnCalcStatus::calcReportNotWritten;
}

}  // namespace

std::wstring CalcRunMessage(const TzRvnCalcRun& run, const TzRvnCalcFiles& files) {
    switch (run.status) {
    case TzRvnCalcStatus::calculated:
        return CalcDoneMessage(files.calcReport);
    case TzRvnCalcStatus::networkNotOpened: return translated(rvntext::kNetworkNotOpened);
    case TzRvnCalcStatus::checkReportNotCreated: return translated(rvntext::kCheckReportNotCreated);
    case TzRvnCalcStatus::checkReportNotWritten:
        return translated(rvntext::kReportNotWritten) + quoted(files.checkReport);
    case TzRvnCalcStatus::checkFailed:
        return CheckFailedMessage(files.checkReport);
    case TzRvnCalcStatus::calcReportNotCreated: return translated(rvntext::kCalcReportNotCreated);
    case TzRvnCalcStatus::calcReportNotWritten:
        return translated(rvntext::kReportNotWritten) + quoted(files.calcReport);
    case TzRvnCalcStatus::aborted:
        return CalcAbortedMessage(files.calcReport);
    }
    return {};
}

std::wstring HeadText(double head) {
    ACHAR text[ZafAcadMgr::kBufferLength] = L"";
    ZafAcadMgr::zaf_acdbRToS(head, -1, -1, text);
    return text;
}

std::wstring CalcSummary(const std::wstring& networkName, const TzRvnCalcRun& run, const TzRvnNetworkData& network,
                         const TzRvnCalcFiles& files, const std::wstring& resultsPath) {
    std::wstring summary = L"Network " + quoted(networkName) + L": nodes " + std::to_wstring(network.numNodes()) +
                           L", branches " + std::to_wstring(network.numEdges()) + L", tanks " +
                           std::to_wstring(network.numTanks()) + L"\n";
    if (run.status == TzRvnCalcStatus::calculated) {
        summary += L"H max " + HeadText(network.maxHead()) + L", H min " + HeadText(network.minHead()) + L"\n";
        summary += iterationLine(run.solver);
    }
    if (run.status != TzRvnCalcStatus::networkNotOpened && run.status != TzRvnCalcStatus::checkReportNotCreated) {
        summary += L"Topology report: " + quoted(files.checkReport) + L"\n";
    }
    if (wroteCalcReport(run.status)) summary += L"Calculation report: " + quoted(files.calcReport) + L"\n";
    if (!resultsPath.empty()) summary += L"Results: " + quoted(resultsPath) + L"\n";
    return summary;
}

std::wstring CalcDiagnosis(const TzRvnCalcRun& run, const TzRvnNetworkData& network) {
    if (run.solver.failedPivot >= 0) {
        const std::vector<int> unfed = NodesWithoutTank(network);
        if (unfed.empty()) return {};
        return L"Nodes that no tank feeds: " + listed(unfed, [&](int i) { return nodeLabel(network, i); }) + L"\n";
    }
    if (run.status != TzRvnCalcStatus::calculated) return {};
    const std::vector<int> notNumbers = BranchesWithNaN(network);
    if (notNumbers.empty()) return {};
    return L"Branches whose results are not numbers: " +
           listed(notNumbers, [&](int k) { return branchLabel(network, k); }) + L"\n";
}
