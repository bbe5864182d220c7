// The settings the schema commands work with.
#pragma once

#include "dbmain.h"
#include "network/settings.h"

#include <string_view>

// The settings of the current network: those of the network named by the current network layer
// in the drawing's "TZ-RVN"; when the drawing has no such network, those of the settings file
// "rvnsetup.par" in the program folder. False when neither can be read.
bool LoadCurrentSettings(AcDbDatabase* database, std::wstring_view currentLayer, TzRvnSettings& settings);
