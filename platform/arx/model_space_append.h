// Entities the host's own commands make: appended to the model space of the working drawing with
// the drawing's current settings (layer, ...), then closed.
#pragma once

#include "dbid.h"

class AcDbEntity;

namespace rvnhost {

// Takes the new entity; false (the entity deleted) when there is no working drawing or the model
// space refuses it.
bool appendToModelSpace(AcDbEntity* entity, AcDbObjectId* id = nullptr);

}  // namespace rvnhost
