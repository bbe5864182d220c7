// The host's commands with which a person makes geometry at the command line: LINE, 3DPOLY,
// PLINE, INSERT, ERASE, LAYER, SETVAR and ZOOM. Points are typed as at any point prompt.
#pragma once

namespace rvnshell {

void registerGeometryCommands();
void removeGeometryCommands();

}  // namespace rvnshell
