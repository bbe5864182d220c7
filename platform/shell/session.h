// One run of the host program: a new empty drawing, the program folder in "tz-cpath", the plug-in
// loaded, then the command line, a script or a job of the plug-in; at the end the plug-in is
// unloaded and the drawings are closed.
#pragma once

#include "shell_options.h"

#include <string>

namespace rvnshell {

// The exit status of the run.
int runSession(const ShellOptions& options);

// The program folder shipped with the sources or the installation: the first of
// hostFolder/../share/rivanta/examples/ and the examples/ folder of hostFolder or one of its parent
// folders that holds a settings file. Empty when there is none.
std::wstring findProgramFolder(const std::wstring& hostFolder);

}  // namespace rvnshell
