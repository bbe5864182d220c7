// The layers of a schema: each network's layer, its off layer for excluded branches, and the
// layers of the node and tank attributes.
#pragma once

#include "dbmain.h"

#include <string>
#include <string_view>

// "TZ-RV-" + the network name.
std::wstring NetworkLayerName(std::wstring_view networkName);
// The network layer name followed by "-OFF".
std::wstring OffLayerName(std::wstring_view networkLayer);
// True for a layer name longer than the prefix "TZ-RV-" that begins with it.
bool IsNetworkLayerName(std::wstring_view layerName);
// The network name of a network layer name (what follows the prefix); empty for another name.
std::wstring NetworkNameOfLayer(std::wstring_view layerName);

// The layer named name, created when absent with colour 7, linetype "CONTINUOUS", thawed, on,
// unlocked and not frozen in new viewports. The host's status.
Acad::ErrorStatus GetOrCreateLayer(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& layerId);
// The same for an attribute layer, of the given colour.
Acad::ErrorStatus EnsureColouredLayer(AcDbDatabase* database, std::wstring_view name, int colourIndex);
// The off layer of excluded branches, created when absent frozen and off with linetype
// "CONTINUOUS".
Acad::ErrorStatus GetOrCreateOffLayer(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& layerId);
// The layer named name: eKeyNotFound when the drawing has none.
Acad::ErrorStatus FindLayer(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& layerId);
// The name of the layer (empty when it cannot be read).
std::wstring LayerName(AcDbObjectId layerId);
// True when the layer is frozen or off (its entities are not seen); false when it cannot be read.
bool IsLayerHidden(AcDbObjectId layerId);
