// Reads a DXF file of AutoCAD 2000 (AC1015) or later into a database. Every object of a kind the
// host knows (its tables and records, its entities, dictionaries, and the custom classes the
// CLASSES section names) is created by its class and reads itself through dxfInFields; objects
// of other kinds (viewports, layouts, other entities) are left out, and so are references to
// them. Handles are kept.
#pragma once

#include <string>
#include <string_view>

#include "dbdatabase.h"

namespace rvnhost {

// Reads text into database, which must be empty (built without its default drawing):
// eInvalidInput otherwise. On failure (eBadDxfSequence, eInvalidDxfCode or the status of the
// object that could not be read) message says why and where; the database is then to be
// discarded. On success every object is closed.
Acad::ErrorStatus readDxf(std::string_view text, AcDbDatabase& database, std::wstring& message);

}  // namespace rvnhost
