// Copying objects inside a drawing. A deep clone copies each object given and everything it owns
// (what it files as hard or soft ownership ids, and so on down), each through its own DWG filing
// with a copy filer: the copy is made by its class's pseudo-constructor and reads the source's
// item sequence back, with every id that names a copied object translated to its copy. Ids of
// objects not copied (a layer, a style) are kept as they are.
#pragma once

#include <map>
#include <vector>

#include "dbmain.h"

namespace rvnhost {

// Each copied object's id mapped to the id of its copy.
using IdMapping = std::map<AcDbObjectId, AcDbObjectId>;

// Copies the objects of ids (all of owner's database) with what they own. The copies of the
// objects of ids go to owner: a dictionary keeps each under its source's key in the source's
// dictionary (followed by "_1", "_2"... when the key is taken; the copy's handle for a source that
// no dictionary holds),
// a block appends entities; a null owner leaves them without owner. The copies of owned objects
// belong to the copies of their owners. On success every copy is closed and idMap holds them all.
// Nothing is copied when an object cannot be read or its class cannot be created by name
// (eNotApplicable), or when owner cannot take the copies (eWrongDatabase, eWrongObjectType).
Acad::ErrorStatus deepCloneObjects(const std::vector<AcDbObjectId>& ids, AcDbObjectId owner, IdMapping& idMap);

}  // namespace rvnhost
