// The calculation run on a network of the drawing, as the "Calcolo" button orders it: on the
// network open for write, the topology check into rvncheck.tmp, and when it passes the
// calculation into rvncalcr.tmp. A failing check leaves an earlier rvncalcr.tmp untouched. The
// network object hands its record and its name to the core's check and solver, with what the host
// gives them: the translator's translation and the memory available.
#pragma once

#include "analysis/solver/solver.h"
#include "netobj/network_object.h"

#include <cstdint>
#include <string>

struct TzRvnCalcFiles {
    std::wstring checkReport;  // full path of rvncheck.tmp
    std::wstring calcReport;   // full path of rvncalcr.tmp
};

// The two reports in folder, which ends with a path separator.
TzRvnCalcFiles CalcFilesIn(const std::wstring& folder);

// The temporary directory (GetTempPathW into a buffer of 255 characters), ending with a separator,
// where a run writes its reports; false when there is none.
bool TemporaryFolder(std::wstring& folder);

enum class TzRvnCalcStatus {
    calculated,             // the calculation ran to its end and stored its results
    networkNotOpened,       // the network could not be opened for write
    checkReportNotCreated,  // rvncheck.tmp could not be created
    checkReportNotWritten,  // rvncheck.tmp could not be written whole (an earlier one stays)
    checkFailed,            // the topology check found errors
    calcReportNotCreated,   // rvncalcr.tmp could not be created
    calcReportNotWritten,   // rvncalcr.tmp could not be written whole (an earlier one stays)
    aborted,                // the calculation stopped without results
};

struct TzRvnCalcRun {
    TzRvnCalcStatus status = TzRvnCalcStatus::networkNotOpened;
    int check = 0;  // 1 when the topology check passed
    int calc = 0;   // 1 when the calculation ran to its end
    TzRvnSolverOutcome solver;
    std::wstring reportFailure;  // why a report could not be created or written
};

// Checks the network, open for read, into report (CheckTopology, with the network's name in its
// owner dictionary; the node indices it resolves stay in the network's record). 1 when it passes;
// 0 when it fails, when its dictionary cannot be opened or when the object is not open for read.
int CheckNetworkTopology(TzRvnNetwork& network, TzRvnReportStream& report);

// Calculates the network, open for write, into report (SolveNetwork, storing the results in its
// record), the full matrix compared with the memory available now. The solver's account of the
// run; notRun when the object is not open for write.
TzRvnSolverOutcome CalculateNetwork(TzRvnNetwork& network, TzRvnReportStream& report,
                                    const TzRvnSolverChoice& choice = {});

// Checks network, open for read, into the report file checkReport. check is 1 when it passed;
// otherwise status says why not: checkFailed, or the report could not be created or written.
TzRvnCalcRun RunNetworkCheck(TzRvnNetwork& network, const std::wstring& checkReport);

// Checks and calculates network, open for write, writing the reports to files. Afterwards the
// network's data hold the node indices resolved by the check, and the results when calculated.
TzRvnCalcRun RunNetworkCalculation(TzRvnNetwork& network, const TzRvnCalcFiles& files,
                                   const TzRvnSolverChoice& choice = {});

// The physical memory available now, in bytes, as the host tells it; the largest value when it
// cannot be told.
std::uint64_t AvailableMemoryBytes();
