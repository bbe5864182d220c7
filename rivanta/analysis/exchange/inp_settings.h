// The settings of a network that EPANET has no option for (display units, fluid and material
// choices, initial velocity, minimum branch flow, result thresholds and colours) travel in an
// exported file as comment lines of [OPTIONS], which EPANET skips:
//     ;RIVANTA INITIAL_VELOCITY 1
// Values are SI, as the settings hold them.
#pragma once

#include "network/settings.h"

#include <string>
#include <string_view>

inline constexpr std::wstring_view kInpSettingsMark = L"RIVANTA";

// The comment lines for settings, each ending with "\n".
std::string InpSettingsLines(const TzRvnSettings& settings);

// Sets the field named by key from value (a number); false when the key names no such field or
// the value is no number fit for it.
bool SetInpSetting(std::wstring_view key, std::wstring_view value, TzRvnSettings& settings);
