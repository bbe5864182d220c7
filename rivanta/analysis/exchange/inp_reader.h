// Import of EPANET input files (".inp") into a network. Junctions become nodes; reservoirs and
// tanks become a node with a tank of fixed head (a reservoir's head; a tank's elevation plus its
// initial level); pipes become branches with Darcy-Weisbach roughness and minor-loss coefficient,
// closed ones excluded. Nodes keep the order of their lines in the file, tanks and branches too.
// Pumps, valves, check valves, patterns, curves, controls, rules, emitters, leakage and the
// Hazen-Williams and Chezy-Manning formulas are refused, with the section and line, and so is a
// node name of more than 15 characters. Sections without effect on a steady state are skipped.
#pragma once

#include "analysis/exchange/portavia_reader.h"
#include "network/network_data.h"

#include <string>
#include <string_view>

// Reads the text (UTF-8) of an input file into network, replacing it whole only when imported;
// else the message names fileName, the section and the line. Settings: VISCOSITY, TRIALS,
// HEADERROR and FLOWCHANGE of [OPTIONS] (ACCURACY sets the tolerances that the last two leave
// unset), the ";RIVANTA" lines of an exported file, and for the rest those of installed (the
// settings file of the program folder, which the caller reads).
TzRvnImportResult ReadInpText(std::string_view utf8, std::wstring_view fileName, const TzRvnSettings& installed,
                              TzRvnNetworkData& network);

// Reads the file at path as ReadInpText does.
TzRvnImportResult ImportInpFile(const std::wstring& path, const TzRvnSettings& installed, TzRvnNetworkData& network);

// True when path names an EPANET input file: it ends with ".inp", in any case.
bool IsInpFile(std::wstring_view path);
