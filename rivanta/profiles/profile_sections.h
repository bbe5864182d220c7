// The section marks of a drawn profile: at every node an anonymous block "*SEZP" with the vertical
// from the terrain point down to the profile's base line, a point on the terrain and the node's
// name written upwards, inserted with extended data that name the node.
#pragma once

#include "gepnt2d.h"

#include <string>
#include <vector>

struct TzRvnProfileSection {
    AcGePoint2d point;  // on the terrain line
    AcGePoint2d base;   // the profile's origin
    double horizontalScale = 1000.0;
    double verticalScale = 100.0;
    std::wstring name;  // the node's
};

// Registers "TZ-TOZARI-TZ-RR" and draws one mark per section in order. The label's height is the
// LISP real "TZRRHTES" (1.0 when unset) scaled by the horizontal scale over 1000, its width factor
// the vertical over the horizontal scale. A refused entity says which and ends the marks; the
// marks drawn stay. False on a failure.
bool DrawProfileSections(const std::vector<TzRvnProfileSection>& sections);
