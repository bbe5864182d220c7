// The plug-in's own module: its instance handle, recorded when the module attaches to the process,
// and the folder it was loaded from, where the translator library and the help file lie.
#pragma once

#include "win_types.h"

#include <string>

// Records the plug-in's instance handle (nullptr when the module detaches).
void RecordModuleInstance(HINSTANCE instance);
// The recorded instance handle; nullptr before the module has attached (a test program).
HINSTANCE ModuleInstance();
// The folder of the plug-in's module file, ending with the path separator. Without a recorded
// instance it is the folder of the host program, where the plug-in is installed beside it.
std::wstring PluginFolder();
