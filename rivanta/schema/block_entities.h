// The entities of a block definition, read once so that each can then be opened on its own.
#pragma once

#include "dbmain.h"

#include <vector>

// The ids of the entities of the block that are not erased, in block order; false when the block
// cannot be opened for read.
bool BlockEntityIds(AcDbObjectId blockId, std::vector<AcDbObjectId>& ids);
