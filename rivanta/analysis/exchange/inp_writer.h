// Export of a network as an EPANET input file: SI units with flows in l/s (UNITS LPS), lengths
// and heads in m, diameters and roughness in mm, Darcy-Weisbach. Nodes keep their order: a run
// of nodes without a tank is a [JUNCTIONS] section, a node with a tank a [TANKS] line (elevation,
// and the tank's head as initial level with no room to move, diameter 0: a fixed head). Branches
// are pipes numbered by position, excluded ones CLOSED. Notes are the lines' comments. Reading
// the file back gives the same network.
#pragma once

#include "network/network_data.h"

#include <span>
#include <string>
#include <string_view>

// The file's text (UTF-8, "\n" line ends) for network, titled title. False, with the reason
// (translated), for a network that an input file cannot hold: a node name that is empty, holds
// blanks, ';' or '"', or is given twice; a tank on a missing node, on a node with a demand or
// beside another tank; a branch to a missing node or with both ends on one node; a length or
// diameter not positive, a roughness or Csi negative; an iteration limit below 1; a value too
// large for the file's units.
bool InpFileText(const TzRvnNetworkData& network, std::wstring_view title, std::string& text, std::wstring& reason);

// Writes network to the file at path, whole or not at all (see rvnos::OutputFile); a path naming
// one of inputs is refused. Empty on success, else the message (translated).
std::wstring ExportInpFile(const TzRvnNetworkData& network, std::wstring_view title, const std::wstring& path,
                           std::span<const std::wstring> inputs = {});
