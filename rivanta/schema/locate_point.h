// What a point given by the user falls on: a node, a branch segment or free ground.
#pragma once

#include "gemat3d.h"
#include "schema/collect_schema.h"

enum class TzRvnPointKind { free, node, branch };

struct TzRvnLocatedPoint {
    TzRvnPointKind kind = TzRvnPointKind::free;
    int index = -1;    // position in the node or branch list
    int segment = -1;  // branch segment, 0 for the one from the first vertex
    AcGePoint3d point; // UCS: a node's position, or on a branch the point itself
};

// Locates the UCS point: a node is hit when its insertion point or the insertion point of one of
// its attributes equals the point (global tolerance); else the first branch segment on which the
// point lies; else free ground. False when an entity of the lists cannot be read.
bool LocatePoint(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, const TzRvnSchemaLists& lists,
                 TzRvnLocatedPoint& located);
