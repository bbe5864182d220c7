#include "analysis/calc_summary.h"

#include "analysis/analysis_texts.h"
#include "analysis/calc_texts.h"
#include "analysis/run_calculation.h"
#include "analysis/run_messages.h"
#include "frame/translation.h"
#include "adscodes.h"
#include "zaf_acad_mgr.h"

#include <algorithm>
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

std::wstring tankLabel(const TzRvnNetworkData& network, int t) {
    return std::to_wstring(t + 1) + L" (node " + network.tanks()[static_cast<std::size_t>(t)].nodeName.str() + L")";
}

// At most kListedElements elements, then how many more there are.
constexpr std::size_t kListedElements = 20;

template <class Label>
std::wstring listedLine(const std::wstring& heading, const std::vector<int>& elements, Label label) {
    if (elements.empty()) return {};
    const std::vector<int> shown(elements.begin(), elements.begin() + std::min(elements.size(), kListedElements));
    std::wstring line = heading + listed(shown, label);
    if (elements.size() > shown.size()) line += L" and " + std::to_wstring(elements.size() - shown.size()) + L" more";
    return line + L"\n";
}

std::wstring iterationLine(const TzRvnSolverOutcome& solver, bool finite) {
    const std::wstring count = std::to_wstring(solver.iterations);
    if (!finite) return L"Results not finite after " + count + L" iterations: no solution\n";
    if (solver.converged) return L"Converged after " + count + L" iterations\n";
    return L"Stopped at the iteration limit after " + count + L" iterations, tolerances not met\n";
}

// The reports a run left whole: one it could not write is not there.
bool wroteCheckReport(TzRvnCalcStatus status) {
    return status != TzRvnCalcStatus::networkNotOpened && status != TzRvnCalcStatus::checkReportNotCreated &&
           status != TzRvnCalcStatus::checkReportNotWritten;
}

bool wroteCalcReport(TzRvnCalcStatus status) {
    return status == TzRvnCalcStatus::calculated || status == TzRvnCalcStatus::aborted;
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
    // A head too long for the drawing's linear format is shown in scientific units.
    constexpr int kScientificUnits = 1;
    ACHAR text[ZafAcadMgr::kBufferLength] = L"";
    if (ZafAcadMgr::zaf_acdbRToS(head, -1, -1, text) != RTNORM) ZafAcadMgr::zaf_acdbRToS(head, kScientificUnits, -1, text);
    return text;
}

std::wstring CalcSummary(const std::wstring& networkName, const TzRvnCalcRun& run, const TzRvnNetworkData& network,
                         const TzRvnCalcFiles& files, const std::wstring& resultsPath) {
    std::wstring summary = L"Network " + quoted(networkName) + L": nodes " + std::to_wstring(network.numNodes()) +
                           L", branches " + std::to_wstring(network.numEdges()) + L", tanks " +
                           std::to_wstring(network.numTanks()) + L"\n";
    if (run.status == TzRvnCalcStatus::calculated) {
        if (network.numNodes() > 0) {
            summary += L"H max " + HeadText(network.maxHead()) + L", H min " + HeadText(network.minHead()) + L"\n";
        }
        summary += iterationLine(run.solver, NonFiniteResults(network).empty());
    }
    if (wroteCheckReport(run.status)) summary += L"Topology report: " + quoted(files.checkReport) + L"\n";
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
    if (!run.solver.refusal.empty()) return run.solver.refusal;
    if (run.status != TzRvnCalcStatus::calculated) return {};
    const TzRvnNonFiniteResults nonFinite = NonFiniteResults(network);
    return listedLine(L"Nodes whose results are not finite: ", nonFinite.nodes,
                      [&](int i) { return nodeLabel(network, i); }) +
           listedLine(L"Branches whose results are not finite: ", nonFinite.branches,
                      [&](int k) { return branchLabel(network, k); }) +
           listedLine(L"Tanks whose flow is not finite: ", nonFinite.tanks, [&](int t) { return tankLabel(network, t); });
}
