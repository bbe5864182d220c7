// The two picks of the pipe on a profile: the profile's title block and the grade line. Each asks
// until it has what it wants or the user cancels, saying why a pick is refused.
#pragma once

#include "gepnt3d.h"

#include <string>
#include <vector>

// What a title block says of its profile.
struct TzRvnProfileTitle {
    std::wstring networkName;  // OBJ1
    std::wstring profileKey;   // OBJ2
};

// Asks for a title block: a block reference whose block name begins with "TZ-RR". Other entities
// are passed over and the prompt repeats; a reference of another block ends the pick, as do a
// cancel and an entity that cannot be read (each said). False when there is no title block.
bool PickTitleBlock(TzRvnProfileTitle& title);

// Asks for the grade line: an open 2D polyline of simple type. Lightweight polylines, other
// entities, closed and fitted 2D polylines are refused with their message and the prompt
// repeats. On success vertices holds the WCS positions of its vertices. False when the user
// cancels or the entity cannot be read (said).
bool PickGradeLine(std::vector<AcGePoint3d>& vertices);
