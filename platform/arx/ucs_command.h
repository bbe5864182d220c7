// The host's UCS command and the variables that show the current UCS. Both are there from the
// start of a session: the command in the command group "ACAD".
//
// UCS prompts "Specify origin of UCS or [World/Z] <World>: ". Return or World goes back to the
// world system. Z asks "Specify rotation angle about Z axis <90>: " (an angle in the drawing's
// angular units) and turns the UCS about its Z axis. A point is the new origin; then
// "Specify point on X-axis or <Accept>: " (Return keeps the X direction) and
// "Specify point on the XY plane or <Accept>: " (Return keeps the plane). Points are typed in
// the current UCS, as at every prompt.
//
// UCSORG, UCSXDIR and UCSYDIR (3D points, WCS) are the origin and axes of the current UCS;
// WORLDUCS is 1 when it is the world system. All four are read-only.
#pragma once

namespace rvnhost {

void ucsCommand();
// Registers UCS and defines the variables (done when the platform is loaded; again is harmless).
void installUcsServices();

}  // namespace rvnhost
