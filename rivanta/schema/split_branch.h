// A branch split in two at a node placed on one of its segments.
#pragma once

#include "dbmain.h"
#include "gemat3d.h"
#include "gepnt3d.h"
#include "schema/locate_point.h"

#include <vector>

// Replaces the located branch by two: its vertices up to the start of the located segment, then
// the node point (UCS X and Y, the last node elevation), measured in 3D and rounded to the
// drawing's linear precision; and the node point with the remaining vertices, of the remaining
// length. Both carry the branch's data with their own length, on its layer. The branch is
// erased and leaves the list, the two parts join it in order. False, said, with the branch
// unchanged and nothing new left, on any refusal.
bool SplitBranchAtNode(const AcGePoint3d& ucsNodePoint, const AcGeMatrix3d& ucsToWorld, const TzRvnLocatedPoint& located,
                       AcDbDatabase* database, std::vector<AcDbObjectId>& branches);
