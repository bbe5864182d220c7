// TubaRet: a pipe drawn on a profile from a grade line. The profile is found again through its
// title block (network and node names); the new 2D polyline on the layer "TUBAZIONI" follows the
// grade line, and its vertices at the branch boundaries carry the data of the branch starting
// there. A cancelled or refused run leaves the drawing as it was.
#pragma once

void DrawPipeOnProfile();
