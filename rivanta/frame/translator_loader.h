// Loading and unloading the optional translator library "TZTranslatorDll.dll".
#pragma once

#include <string_view>

// Loads the translator for the module of that file name ("Rivanta.arx": application name
// "Rivanta", extension ".arx"). The library already in the process is used as it is; otherwise it
// is loaded from the plug-in's folder. False, after a message box saying why, when it cannot be
// loaded or lacks one of its seven required functions; the texts then stay untranslated.
bool LoadTranslator(std::wstring_view moduleFileName);

// Lets the translator free its strings (for a module whose extension is ".dll") and gives back
// the library when the plug-in loaded it. The texts are untranslated afterwards.
void UnloadTranslator();
