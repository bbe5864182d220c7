// The settings a dialog opened under the network database dialog works with: those of the network
// chosen there, or, with none chosen, those of the settings file in the program folder, which must
// be well formed. Each dialog says a failure under its own caption.
#pragma once

#include "dbid.h"
#include "network/settings.h"

#include <string>

enum class TzRvnSettingsFailure { none, network, file };

struct TzRvnSettingsLoad {
    TzRvnSettingsFailure failure = TzRvnSettingsFailure::none;
    std::wstring message;  // translated; for a file, with its path and the line at fault

    bool loaded() const { return failure == TzRvnSettingsFailure::none; }
};

// Fills settings from network (opened for read) or, with a null network, from the settings file of
// programFolder (which ends with its separator). Without a program folder the file cannot be had: a
// bare file name would be looked for in the working folder.
TzRvnSettingsLoad LoadDialogSettings(const std::wstring& programFolder, AcDbObjectId network, TzRvnSettings& settings);
