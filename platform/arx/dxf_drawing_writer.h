// Writes a drawing as an AutoCAD 2000 (AC1015) DXF file: HEADER ($ACADVER, $HANDSEED and the
// drawing's own values), CLASSES (the classes of the drawing's objects that are not the host's:
// DXF name, C++ name, application), TABLES, BLOCKS (each block between its BLOCK and ENDBLK),
// ENTITIES (model space, then paper space), OBJECTS (the named-object dictionary first), EOF.
// Every object writes itself through its dxfOutFields: what it files as DXF is what travels.
#pragma once

#include <string>

#include "dbdatabase.h"

namespace rvnhost {

// Fills out with the DXF text. An object that cannot be read or written stops it (message set).
Acad::ErrorStatus writeDxf(AcDbDatabase& database, std::string& out, std::wstring& message);

}  // namespace rvnhost
