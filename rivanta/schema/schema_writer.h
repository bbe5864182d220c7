// The data of a network written back into its schema: node and tank attributes, branch layers
// and extended data.
#pragma once

#include "dbmain.h"
#include "netobj/network_object.h"
#include "network/network_data.h"

#include <string_view>

// Writes the stored values of data into the entities its records name: "NODE_02" demand,
// "NODE_03" elevation (in the drawing's format) and "NODE_04" note of each node; the layer
// (network layer, or off layer when excluded) and the extended data of each branch; "TANK_01" head
// and "TANK_02" note of each tank. A node whose elevation text changes becomes the last node
// elevation and is carried to its attributes and the branch ends that meet it. Entities that cannot
// be opened are passed over. False when a layer of the branches cannot be had.
bool WriteSchemaFrom(AcDbDatabase* database, std::wstring_view layerName, const TzRvnNetworkData& data);

// Writes the data of network (open for read) into its schema on the layer "TZ-RV-" + the network's
// name in its owner dictionary, as WriteSchemaFrom does. True without change for a network without
// a schema; false when the object is not open for read, or its name or a branch layer cannot be had.
bool WriteSchemaFromNetwork(const TzRvnNetwork& network);
