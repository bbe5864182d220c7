// Reads a drawing in the host's binary drawing format (docs/drawing-format.md) into a database.
// Every object is created by its class's pseudo-constructor and reads its own data through
// dwgInFields; a class the host does not know, or an object answering eMakeMeProxy, becomes a
// proxy holding its data. Handles are kept, so ids are fixed up from the handles the file holds.
#pragma once

#include <span>
#include <string>

#include "dbdatabase.h"

namespace rvnhost {

// Reads bytes into database, which must be empty (built without its default drawing):
// eInvalidInput otherwise. On failure message tells why ("the file is truncated", ...) with the
// status eNotADwgFile, eBadDwgHeader (newer format, damaged header), eDwgCRCError (checksum),
// eEndOfFile (truncated) or eDwgNeedsRecovery (inconsistent content); the database may then hold
// part of the file and is to be discarded. On success every object is closed.
Acad::ErrorStatus readDrawing(std::span<const unsigned char> bytes, AcDbDatabase& database, std::wstring& message);

}  // namespace rvnhost
