// The host's commands that change settings at the command line: LAYER (make, set current,
// freeze, thaw, on, off, colour), STYLE (make a text style current), SETVAR (any host variable,
// its value typed as its type wants) and CHPROP (picked objects moved to another layer).
#pragma once

namespace rvnshell {

void registerSettingCommands();
void removeSettingCommands();

}  // namespace rvnshell
