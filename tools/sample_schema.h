// The sample network "distretto" drawn as a schema: six nodes, a tank, seven branches (one of them
// excluded), and its network object built from the schema.
#pragma once

#include "dbmain.h"
#include "network/settings.h"

#include <string>

inline constexpr wchar_t kSampleNetworkName[] = L"distretto";

// Draws the schema into the database (the working one, whose program folder holds the block
// drawings) and adds the network with the settings. Empty on success, else what failed.
std::wstring DrawSampleSchema(AcDbDatabase& database, const TzRvnSettings& settings);
