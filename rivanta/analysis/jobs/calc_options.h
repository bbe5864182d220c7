// The command line of the tool "rivanta calc":
//     calc FILE.ptv [--out DIR] [--results FILE.json] [--yes|--no] [--solver KIND] [--verbose]
//     calc FILE.inp [--out DIR] [--results FILE.json] [--solver KIND] [--verbose]
//     calc DRAWING --network NAME [--save] [--out DIR] [--results FILE.json] [--solver KIND] [--verbose]
#pragma once

#include "analysis/linear_algebra/sparse_system.h"

#include <string>
#include <vector>

// How the import's yes/no questions are answered.
enum class TzRvnImportAnswer {
    ask,  // on a terminal the user is asked; elsewhere the question is refused
    yes,
    no,
};

struct TzRvnCalcOptions {
    bool help = false;
    std::wstring input;         // the .ptv or .inp file, or the drawing with --network
    std::wstring networkName;   // empty: input is a .ptv or .inp file to import
    bool save = false;          // write the drawing back after the calculation
    std::wstring outFolder;     // empty: the temporary directory
    std::wstring resultsPath;   // empty: outFolder/results.json with --out, else no results file
    TzRvnImportAnswer answer = TzRvnImportAnswer::ask;
    TzRvnFactorisation factorisation = TzRvnFactorisation::exact;
    std::wstring solverName;    // as --solver gave it; empty when not given
    bool verbose = false;
    std::wstring error;         // set when the arguments are not usable

    bool importsNetworkFile() const { return networkName.empty(); }
};

// Reads the arguments that follow the tool's name (UTF-8, as the program received them).
TzRvnCalcOptions ParseCalcOptions(const std::vector<std::string>& arguments);

// The text of "rivanta calc --help".
std::wstring CalcUsageText();
