// The topology check: resolves the node names of branches and tanks into node positions and
// reports every inconsistency of the network's graph.
#pragma once

#include "analysis/solver/report_stream.h"
#include "analysis/solver/text_format.h"
#include "network/network_data.h"

#include <optional>
#include <string>

// Checks network and writes the topology report to report. networkName is the network's key in
// the dictionary of networks, or nullopt when that dictionary cannot be opened (the report then
// says so after its title and nothing else is done). Rewrites startIndex and endIndex of every
// branch (excluded ones too) and nodeIndex of every tank from the names; a name not among the
// nodes gives 0. The report's texts pass through translate. Returns 1 when the network passes, 0
// when it fails.
int CheckTopology(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                  TzRvnReportStream& report, const TzRvnTranslate& translate);

// Sets the node indices of branches and tanks from their node names (first node of a name wins).
void ResolveNodeIndices(TzRvnNetworkData& network);
