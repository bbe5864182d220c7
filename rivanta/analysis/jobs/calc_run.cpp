#include "analysis/jobs/calc_run.h"

#include "analysis/jobs/calc_texts.h"
#include "analysis/topology/topology_check.h"
#include "frame/translation.h"
#include "host/output_files.h"
#include "windows.h"

#include <limits>

namespace {

// The check into its report; the run's status when it cannot go on to the calculation.
bool checkInto(TzRvnNetwork& network, const std::wstring& path, TzRvnCalcRun& run) {
    TzRvnFileReport report(path);
    if (!report.isOpen()) {
        run.status = TzRvnCalcStatus::checkReportNotCreated;
        run.reportFailure = report.failure();
        return false;
    }
    run.check = CheckNetworkTopology(network, report);
    if (!report.close()) {
        run.status = TzRvnCalcStatus::checkReportNotWritten;
        run.reportFailure = report.failure();
        return false;
    }
    if (!run.check) run.status = TzRvnCalcStatus::checkFailed;
    return run.check == 1;
}

void calculateInto(TzRvnNetwork& network, const std::wstring& path, const TzRvnSolverChoice& choice,
                   TzRvnCalcRun& run) {
    TzRvnFileReport report(path);
    if (!report.isOpen()) {
        run.status = TzRvnCalcStatus::calcReportNotCreated;
        run.reportFailure = report.failure();
        return;
    }
    run.solver = CalculateNetwork(network, report, choice);
    run.calc = run.solver.result;
    if (!report.close()) {
        run.status = TzRvnCalcStatus::calcReportNotWritten;
        run.reportFailure = report.failure();
        return;
    }
    run.status = run.calc ? TzRvnCalcStatus::calculated : TzRvnCalcStatus::aborted;
}

}  // namespace

int CheckNetworkTopology(TzRvnNetwork& network, TzRvnReportStream& report) {
    TzRvnNetworkData* data = network.workingData(AcDb::kForRead);
    return data != nullptr ? CheckTopology(*data, network.nameInOwner(), report, TranslateText) : 0;
}

TzRvnSolverOutcome CalculateNetwork(TzRvnNetwork& network, TzRvnReportStream& report,
                                    const TzRvnSolverChoice& choice) {
    TzRvnNetworkData* data = network.workingData(AcDb::kForWrite);
    if (data == nullptr) return {};
    TzRvnSolverChoice asked = choice;
    asked.availableMemoryBytes = AvailableMemoryBytes();
    return SolveNetwork(*data, network.nameInOwner(), report, TranslateText, asked);
}

TzRvnCalcFiles CalcFilesIn(const std::wstring& folder) {
    return {folder + std::wstring(rvntext::kCheckReportName), folder + std::wstring(rvntext::kCalcReportName)};
}

bool TemporaryFolder(std::wstring& folder) {
    constexpr DWORD kBuffer = 255;
    wchar_t buffer[kBuffer];
    const DWORD length = GetTempPathW(kBuffer, buffer);
    if (length == 0 || length >= kBuffer) return false;
    folder.assign(buffer, length);
    return true;
}

TzRvnCalcRun RunNetworkCheck(TzRvnNetwork& network, const std::wstring& checkReport) {
    TzRvnCalcRun run;
    checkInto(network, checkReport, run);
    return run;
}

TzRvnCalcRun RunNetworkCalculation(TzRvnNetwork& network, const TzRvnCalcFiles& files,
                                   const TzRvnSolverChoice& choice) {
    TzRvnCalcRun run;
    if (checkInto(network, files.checkReport, run)) calculateInto(network, files.calcReport, choice, run);
    return run;
}

std::uint64_t AvailableMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::numeric_limits<std::uint64_t>::max();
    return status.ullAvailPhys;
}
