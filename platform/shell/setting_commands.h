// The host's commands that change settings at the command line: LAYER (make, set current,
// freeze, thaw, on, off) and SETVAR (any host variable, its value typed as its type wants).
#pragma once

namespace rvnshell {

void registerSettingCommands();
void removeSettingCommands();

}  // namespace rvnshell
