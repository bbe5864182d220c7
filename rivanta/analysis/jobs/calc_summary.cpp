#include "analysis/jobs/calc_summary.h"

#include "analysis/jobs/calc_job_texts.h"
#include "analysis/jobs/calc_texts.h"
#include "analysis/jobs/run_messages.h"
#include "analysis/solver/run_calculation.h"
#include "frame/translation.h"
#include "adscodes.h"
#include "zaf_acad_mgr.h"

#include <algorithm>
#include <vector>

namespace {

std::wstring quoted(const std::wstring& path) { return FormatText(rvntext::kCalcQuoted, {std::wstring_view(path)}); }

std::wstring translated(std::wstring_view text) { return TranslateText(text); }

// A text of the job with one text argument, on a line of its own.
std::wstring line(std::wstring_view format, std::wstring_view value) {
    return FormatTranslated(format, {value}) + L"\n";
}

std::wstring nodeLabel(const TzRvnNetworkData& network, int i) {
    const TzRvnName& name = network.nodes()[static_cast<std::size_t>(i)].name;
    return name.empty() ? FormatTranslated(rvntext::kCalcUnnamedNode, {i + 1}) : name.str();
}

std::wstring branchLabel(const TzRvnNetworkData& network, int k) {
    const TzRvnEdge& edge = network.edges()[static_cast<std::size_t>(k)];
    return FormatText(rvntext::kCalcBranchLabel, {k + 1, edge.startNode.view(), edge.endNode.view()});
}

template <class Label>
std::wstring listed(const std::vector<int>& elements, Label label) {
    std::wstring text;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i > 0) text += rvntext::kCalcListSeparator;
        text += label(elements[i]);
    }
    return text;
}

std::wstring tankLabel(const TzRvnNetworkData& network, int t) {
    const std::wstring node = network.tanks()[static_cast<std::size_t>(t)].nodeName.str();
    return FormatTranslated(rvntext::kCalcTankAtNode, {t + 1, std::wstring_view(node)});
}

// At most kListedElements elements, then how many more there are.
constexpr std::size_t kListedElements = 20;

template <class Label>
std::wstring listedLine(std::wstring_view heading, const std::vector<int>& elements, Label label) {
    if (elements.empty()) return {};
    const std::vector<int> shown(elements.begin(), elements.begin() + std::min(elements.size(), kListedElements));
    std::wstring list = listed(shown, label);
    if (elements.size() > shown.size()) {
        list = FormatTranslated(rvntext::kCalcMoreElements,
                                {std::wstring_view(list), static_cast<int>(elements.size() - shown.size())});
    }
    return line(heading, list);
}

std::wstring iterationLine(const TzRvnSolverOutcome& solver, bool finite) {
    const std::wstring_view format = !finite            ? rvntext::kCalcNotFinite
                                     : solver.converged ? rvntext::kCalcConverged
                                                        : rvntext::kCalcIterationLimit;
    return FormatTranslated(format, {solver.iterations}) + L"\n";
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
    std::wstring summary = FormatTranslated(rvntext::kCalcNetworkCounts,
                                            {std::wstring_view(networkName), network.numNodes(), network.numEdges(),
                                             network.numTanks()}) +
                           L"\n";
    if (run.status == TzRvnCalcStatus::calculated) {
        if (network.numNodes() > 0) {
            const std::wstring highest = HeadText(network.maxHead());
            const std::wstring lowest = HeadText(network.minHead());
            summary +=
                FormatTranslated(rvntext::kCalcHeads, {std::wstring_view(highest), std::wstring_view(lowest)}) + L"\n";
        }
        summary += iterationLine(run.solver, NonFiniteResults(network).empty());
    }
    if (wroteCheckReport(run.status)) summary += line(rvntext::kCalcTopologyReport, files.checkReport);
    if (wroteCalcReport(run.status)) summary += line(rvntext::kCalcCalculationReport, files.calcReport);
    if (!resultsPath.empty()) summary += line(rvntext::kCalcResults, resultsPath);
    return summary;
}

std::wstring CalcDiagnosis(const TzRvnCalcRun& run, const TzRvnNetworkData& network) {
    if (run.solver.failedPivot >= 0) {
        const std::vector<int> unfed = NodesWithoutTank(network);
        if (unfed.empty()) return {};
        return line(rvntext::kCalcUnfedNodes, listed(unfed, [&](int i) { return nodeLabel(network, i); }));
    }
    if (std::wstring refusal = SolverRefusalText(run.solver, network, TranslateText); !refusal.empty()) return refusal;
    if (run.status != TzRvnCalcStatus::calculated) return {};
    const TzRvnNonFiniteResults nonFinite = NonFiniteResults(network);
    return listedLine(rvntext::kCalcNonFiniteNodes, nonFinite.nodes,
                      [&](int i) { return nodeLabel(network, i); }) +
           listedLine(rvntext::kCalcNonFiniteBranches, nonFinite.branches,
                      [&](int k) { return branchLabel(network, k); }) +
           listedLine(rvntext::kCalcNonFiniteTanks, nonFinite.tanks, [&](int t) { return tankLabel(network, t); });
}
