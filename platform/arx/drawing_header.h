// The header of a drawing file: the handle seed, the ids of the tables and of the named-object
// dictionary, and the drawing's own values (current layer and text style, the three standard
// linetypes, linear units and precision, text size, attribute display), as typed items.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "dbdatabase.h"

namespace rvnhost {

Acad::ErrorStatus writeDrawingHeader(AcDbDatabase& database, std::vector<unsigned char>& out);

// Reads the header into a database that already holds the file's objects. Fails (message set)
// when the items are malformed, name objects the file does not hold, or hold values out of range.
Acad::ErrorStatus readDrawingHeader(AcDbDatabase& database, std::span<const unsigned char> bytes, std::wstring& message);

}  // namespace rvnhost
