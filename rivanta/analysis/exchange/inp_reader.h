// Import of EPANET input files (".inp") into a network. Junctions become nodes; reservoirs and
// tanks become a node with a tank of fixed head (a reservoir's head; a tank's elevation plus its
// initial level); pipes become branches with Darcy-Weisbach roughness and minor-loss coefficient,
// closed ones excluded. Nodes keep the order of their lines in the file, tanks and branches too.
// Pumps, valves, check valves, patterns, curves, controls, rules, emitters, leakage and the
// Hazen-Williams and Chezy-Manning formulas are refused, with the section and line, and so is a
// node name of more than 15 characters. Sections without effect on a steady state are skipped.
#pragma once

#include "analysis/exchange/inp_file_kind.h"
#include "analysis/exchange/inp_refusal.h"
#include "network/network_data.h"

#include <optional>
#include <string>
#include <string_view>

// How the reading of an input file's text ended.
enum class TzRvnInpStatus {
    imported,      // network filled
    notInputFile,  // the bytes are no input file's text (notInputFile says why)
    refused,       // a section or line holds what a network cannot hold (refusal says where and why)
};

struct TzRvnInpRead {
    TzRvnInpStatus status = TzRvnInpStatus::imported;
    std::optional<TzRvnInpFileRefusal> notInputFile;
    std::optional<TzRvnInpRefusal> refusal;
};

// Reads the text (UTF-8) of an input file into network, replacing it whole only when imported.
// Settings: VISCOSITY, TRIALS, HEADERROR and FLOWCHANGE of [OPTIONS] (ACCURACY sets the tolerances
// that the last two leave unset), the ";RIVANTA" lines of an exported file, and for the rest those
// of installed (the settings file of the program folder, which the caller reads). The plug-in
// reads the files and words the outcome (analysis/jobs/network_import.h).
TzRvnInpRead ParseInpText(std::string_view utf8, const TzRvnSettings& installed, TzRvnNetworkData& network);

// True when path names an EPANET input file: it ends with ".inp", in any case.
bool IsInpFile(std::wstring_view path);
