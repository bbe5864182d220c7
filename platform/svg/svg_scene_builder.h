// The scene of a drawing's model space: every entity on a layer that is neither frozen nor off,
// block references with the entities of their blocks (nested, each through its transform) and their
// attributes, in the colour of the entity, of its layer (BYLAYER) or of its block reference
// (BYBLOCK). A block's entity on layer "0" goes with the layer of its reference.
#pragma once

#include "aci_palette.h"
#include "dbmain.h"
#include "svg_scene.h"

#include <map>
#include <string>

namespace rvnhost {

// Colours that entities of model space take instead of their own, with the entities of their
// blocks (not their attributes).
using ColourOverrides = std::map<AcDbObjectId, RgbColour>;

// False, with the message, when model space or one of its entities cannot be read.
bool buildModelSpaceScene(AcDbDatabase& database, const ColourOverrides& overrides, Scene& scene,
                          std::wstring& message);

}  // namespace rvnhost
