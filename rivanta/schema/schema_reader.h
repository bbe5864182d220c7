// A network's arrays rebuilt from its schema in the drawing.
#pragma once

#include "dbmain.h"
#include "netobj/network_object.h"
#include "network/network_data.h"

#include <string_view>

// Fills the nodes, branches and tanks of data, in model-space order, from the entities of the
// block (model space) that lie on the network layer or its off layer: the references of
// "TZ-RV-NODO" that carry a "NODE_01" attribute, the simple open 3D polylines with
// "TZ-SCHEMA_RETE-RVN" data (excluded when on the off layer) and the references of
// "TZ-RV-SERB". Branch ends and tanks take the name of the node at their point ("--" for none).
// Records keep their results. False, with the message where there is one, when the network
// layer or a block definition is missing or an entity cannot be read; data may then be partly
// filled.
bool ReadSchemaInto(AcDbDatabase* database, AcDbObjectId blockId, std::wstring_view layerName, TzRvnNetworkData& data);

// Rebuilds the node, branch and tank arrays of network (open for write) from the schema on the
// network layer layerName in the block (model space), as ReadSchemaInto does. True without change
// for a network without a schema; false when the object is not open for write or the schema cannot
// be read (the arrays may then be partly filled).
bool ReadNetworkFromSchema(TzRvnNetwork& network, AcDbDatabase* database, AcDbObjectId blockId,
                           std::wstring_view layerName);
