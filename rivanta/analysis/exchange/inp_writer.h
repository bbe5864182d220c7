// Export of a network as an EPANET input file: SI units with flows in l/s (UNITS LPS), lengths
// and heads in m, diameters and roughness in mm, Darcy-Weisbach. Nodes keep their order: a run
// of nodes without a tank is a [JUNCTIONS] section, a node with a tank a [TANKS] line (elevation,
// and the tank's head as initial level with no room to move, diameter 0: a fixed head). Branches
// are pipes numbered by position, excluded ones CLOSED. Notes are the lines' comments. Reading
// the file back gives the same network.
#pragma once

#include "network/network_data.h"

#include <optional>
#include <string>
#include <string_view>

// Why a network cannot be written as an input file.
enum class TzRvnInpExportProblem {
    badNodeName,        // a node name that is empty, holds blanks, ';' or '"' (element: the node)
    sameNodeName,       // a name given twice (element: the first node, other: the second)
    nodeValue,          // a node value too large for the file's units (element: the node)
    tankNodeMissing,    // a tank on a missing node (element: the tank)
    twoTanks,           // a node with more than one tank (element: the second tank)
    tankDemand,         // a tank on a node with a demand (element: the tank)
    branchNodeMissing,  // a branch to a missing node (element: the branch, name: the node)
    branchSameEnds,     // a branch with both ends on one node (element: the branch)
    branchValue,        // a length or diameter not positive, a roughness or Csi negative, a value too
                        // large for the file (element: the branch)
    settingsValue,      // an iteration limit below 1, or tolerances too large for the file
};

struct TzRvnInpExportRefusal {
    TzRvnInpExportProblem problem = TzRvnInpExportProblem::badNodeName;
    int element = 0;    // 1-based node, tank or branch at fault (0 for the settings)
    int other = 0;      // sameNodeName: the second node
    std::wstring name;  // the node name at fault
};

// The file's text (UTF-8, "\n" line ends) for network, titled title; nothing when it is written,
// else why an input file cannot hold the network (text then unchanged). The plug-in writes the
// file and words a refusal (ExportInpFile, analysis/jobs/network_import.h).
std::optional<TzRvnInpExportRefusal> InpFileText(const TzRvnNetworkData& network, std::wstring_view title,
                                                 std::string& text);
