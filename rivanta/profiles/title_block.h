// Title blocks of the profiles: a block "TZ-RR" + number, defined entity by entity, with a frame,
// a dot at its insertion point and six labelled attributes (OBJ1 to OBJ6); the first of a run is
// placed where the user picks, the following ones are stacked below it.
#pragma once

#include "gepnt3d.h"

#include <string>

struct TzRvnTitleBlock {
    int number = 0;                 // the block is "TZ-RR" + number
    std::wstring linkHandle;        // empty or "0": no link
    double minimumHeight = 0.0;
    double width = 0.0;
    std::wstring row1, row2;        // s1, s2
    double row3 = 0.0, row4 = 0.0, row5 = 0.0, row6 = 0.0;  // r1..r4; row5 is the horizontal scale
};

// 1 on success (also when no handle could be read), 0 on any failure. point receives the WCS
// insertion point used; handle the new block reference's handle (empty when none).
int InsertTitleBlock(const TzRvnTitleBlock& block, AcGePoint3d& point, std::wstring& handle);

// Sets the first-placement flag: the next title block asks for its point.
void TzRvnAskNextTitleBlockPoint();
