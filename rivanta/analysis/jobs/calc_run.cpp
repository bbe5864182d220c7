#include "analysis/jobs/calc_run.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/report_stream.h"

namespace {

// The check into its report; the run's status when it cannot go on to the calculation.
bool checkInto(TzRvnNetwork& network, const std::wstring& path, TzRvnCalcRun& run) {
    TzRvnFileReport report(path);
    if (!report.isOpen()) {
        run.status = TzRvnCalcStatus::checkReportNotCreated;
        run.reportFailure = report.failure();
        return false;
    }
    run.check = network.CheckTopology(report);
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
    run.calc = network.Calculate(report, &run.solver, choice);
    if (!report.close()) {
        run.status = TzRvnCalcStatus::calcReportNotWritten;
        run.reportFailure = report.failure();
        return;
    }
    run.status = run.calc ? TzRvnCalcStatus::calculated : TzRvnCalcStatus::aborted;
}

}  // namespace

TzRvnCalcFiles CalcFilesIn(const std::wstring& folder) {
    return {folder + std::wstring(rvntext::kCheckReportName), folder + std::wstring(rvntext::kCalcReportName)};
}

TzRvnCalcRun RunNetworkCalculation(TzRvnNetwork& network, const TzRvnCalcFiles& files,
                                   const TzRvnSolverChoice& choice) {
    TzRvnCalcRun run;
    if (checkInto(network, files.checkReport, run)) calculateInto(network, files.calcReport, choice, run);
    return run;
}
