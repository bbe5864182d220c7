// Model space, where every schema entity lives.
#pragma once

#include "dbmain.h"

// The id of the database's "*Model_Space"; the host's status of the lookup.
Acad::ErrorStatus ModelSpaceId(AcDbDatabase* database, AcDbObjectId& blockId);
// Appends a new entity to "*Model_Space" of the database. On eOk the entity is in the drawing and
// still open for write (its caller closes it); on failure it is not, and the caller still owns it.
Acad::ErrorStatus AppendToModelSpace(AcDbDatabase* database, AcDbEntity* entity, AcDbObjectId& entityId);
