// The terrain and head lines of a profile: open simple 2D polylines at elevation 0 in model space,
// on the current layer.
#pragma once

#include "dbmain.h"
#include "gept3dar.h"

inline constexpr Adesk::UInt16 kTerrainLineColour = 3;
inline constexpr Adesk::UInt16 kHeadLineColour = 4;

// Appends the polyline through the points (z ignored) with the colour index; its id in made.
// False when the host refuses it (nothing is then added).
bool AppendProfileLine(AcDbDatabase* database, const AcGePoint3dArray& points, Adesk::UInt16 colour, AcDbObjectId& made);
