// The schema lists the editing commands work on, gathered from model space.
#pragma once

#include "dbmain.h"
#include "gemat3d.h"
#include "gepnt3d.h"

#include <vector>

struct TzRvnSchemaNode {
    AcDbObjectId id;
    AcGePoint3d position;  // insertion point, WCS
};

struct TzRvnSchemaLists {
    std::vector<TzRvnSchemaNode> nodes;
    std::vector<AcDbObjectId> branches;
};

// Walks the block (model space) and gathers, in its order and for every network, the references
// of "TZ-RV-NODO" with their insertion points and the simple 3D polylines carrying
// "TZ-SCHEMA_RETE-RVN" data. Entities on frozen or off layers are passed over. False when the
// block or one of its entities cannot be read; the caller then prints kSchemaNotCollected.
bool CollectSchema(AcDbDatabase* database, AcDbObjectId blockId, TzRvnSchemaLists& lists);
// What a drawing command starts from: the current UCS matrix and the schema of model space.
// False, with kNoUcsMatrix or kSchemaNotCollected printed, when either cannot be had.
bool StartSchemaCommand(AcDbDatabase* database, AcGeMatrix3d& ucsToWorld, TzRvnSchemaLists& lists);
