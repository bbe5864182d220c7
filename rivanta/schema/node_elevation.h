// The elevation of a node carried to its block, its attributes and the branch ends that meet it.
// The last node elevation E is one value for the whole plug-in, shared by all documents: the
// node commands set it, and the operations below move nodes to it.
#pragma once

#include "dbmain.h"

#include <string_view>
#include <vector>

class TzRvnNetwork;

double LastNodeElevation();
void SetLastNodeElevation(double elevation);

enum class TzRvnElevationMode {
    rereadCurrentNetwork = 0,  // the current network is first read again from the schema
    givenNetwork = 1,          // the given network is used as it is
};

// Moves the node (a node block reference) to the last node elevation E: every node of the network
// whose reference lies at the node's position P, the node itself and all their attributes get
// Z = E, and so does every vertex equal to P of the given branches (global tolerance). In mode
// rereadCurrentNetwork the network is the one of currentLayer, read again from the schema (none
// when the drawing does not have it); in mode givenNetwork it is network (open for read; may be
// null). False, with the message, when the node, a moved reference or the network cannot be had.
bool ApplyNodeElevation(AcDbDatabase* database, std::wstring_view currentLayer, const std::vector<AcDbObjectId>& branches,
                        AcDbObjectId nodeId, TzRvnElevationMode mode, const TzRvnNetwork* network);

// The moves of ApplyNodeElevation on the node references of a network given by their ids.
bool CarryNodeElevation(const std::vector<AcDbObjectId>& networkNodes, const std::vector<AcDbObjectId>& branches,
                        AcDbObjectId nodeId);
