// The node names in use in a document, taken again from its schema.
#pragma once

#include "dbmain.h"
#include "schema/collect_schema.h"

class TzRvnDocState;

// Refills the document's node names from the "NODE_01" attributes of the gathered nodes that lie
// on the network layer; the current network layer stays. False, with "Impossibile aprire
// l'entita %d!" (the node's 1-based position in the list), when a node cannot be opened.
bool RefreshNodeNames(TzRvnDocState& state, const TzRvnSchemaLists& lists, AcDbObjectId layerId);
