// A new network of the working drawing under a name the user typed, with the settings of the
// installed settings file: what the network database dialog and the grid window both make when
// their data has no network yet. Each caller says the outcome in its own message box.
#pragma once

#include "dbid.h"
#include "dbmain.h"

#include <string>

enum class TzRvnNewNetworkStatus { added, settingsNotRead, notAdded };

struct TzRvnNewNetwork {
    TzRvnNewNetworkStatus status = TzRvnNewNetworkStatus::notAdded;
    Acad::ErrorStatus addStatus = Acad::eOk;  // the drawing's answer when not added
    AcDbObjectId id;
};

// Adds the network to "TZ-RVN" (made when absent) without a schema; the drawing is unchanged when
// the settings file of programFolder cannot be read or the drawing refuses the network.
TzRvnNewNetwork AddTypedNetwork(const std::wstring& programFolder, const std::wstring& name);
