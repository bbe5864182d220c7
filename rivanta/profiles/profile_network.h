// The network of a profile, brought up to date from its schema and read into pipe segments.
#pragma once

#include "dbmain.h"
#include "profiles/pipe_segments.h"

#include <string_view>
#include <vector>

// Opens the network named networkName for write, warns in a message box when it has no schema
// (its branch lengths may no longer match the profile), rebuilds it from its schema on its layer
// and makes the segments of the profile key. False when the dictionary of networks is missing or
// the schema cannot be read (both said), or when there is no such network (silently).
bool ReadProfileSegments(AcDbDatabase* database, std::wstring_view networkName, std::wstring_view profileKey,
                         std::vector<TzRvnPipeSegment>& segments);
