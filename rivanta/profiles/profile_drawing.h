// "Disegna cartigli": every profile of ProfileList() drawn in model space, in order, each under its
// title block: the terrain line, the head line and a section mark at every node, at full size
// (one unit along the profile is one metre of progressive distance, one unit up one metre above
// the profile's reference elevation).
#pragma once

// Draws the profiles of the profiles' network. A failure before a profile's lines are drawn (a
// node name with "-", a polyline or block of the schema that cannot be read, a profile already
// drawn, the title block refused) ends the run: later profiles are not drawn, earlier ones stay.
// A section mark refused ends only that profile's marks.
void DrawProfiles();
