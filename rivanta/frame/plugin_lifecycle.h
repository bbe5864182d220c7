// Loading and unloading the plug-in: what happens at the host's init and unload messages.
#pragma once

#include "rxdefs.h"

// The module file name the translator is loaded with.
inline constexpr wchar_t kModuleFileName[] = L"Rivanta.arx";

// The entry point's work: at init, unlocks the application, registers it as MDI-aware, runs the
// load sequence and registers the commands; at unload, runs the unload sequence; any other
// message does nothing. Always kRetOK.
AcRx::AppRetCode HandleAppMessage(AcRx::AppMsgCode message, void* appId);

// Loads the translator, then starts the plug-in's services. False, starting nothing, when the
// translator could not be loaded (its message has been shown).
bool RunLoadSequence();
// The load sequence after the translator: document states and their reactor, a state for the
// current document, unit factor tables, the plug-in's classes and the host's class tree.
void StartPluginServices();
// Unloads the translator, removes the command group, deletes the plug-in's classes and stops the
// document states, in this order.
void RunUnloadSequence();
