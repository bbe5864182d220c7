// The choice of the network a new element belongs to.
#pragma once

#include "dbmain.h"

#include <string>

class TzRvnDocState;

// Asks the network with "Digitare il piano della rete <default>: ", the default being the network
// of the drawing's current layer (the whole layer name when it is no network layer). A typed name
// gives its network layer; Return keeps the current layer when it is a network layer, else gives
// the network layer named after it. The layer is created when absent and becomes the document's
// current network layer. False when the prompt is not answered or the layer cannot be had.
bool AskNetworkPlane(AcDbDatabase* database, TzRvnDocState& state, std::wstring& layerName, AcDbObjectId& layerId);
