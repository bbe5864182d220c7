// Drawing files: saving a database to a file and reading one back. The messages are whole
// sentences for the user ("Cannot open \"a.dwg\": the file is truncated.").
#pragma once

#include <memory>
#include <string>

#include "dbdatabase.h"

namespace rvnhost {

// Saves the database at path, replacing any file there only once the whole drawing is on disk
// (see rvnos::OutputFile: a read-only file, a device or a named pipe there is refused).
Acad::ErrorStatus saveDrawingFile(AcDbDatabase& database, const std::wstring& path, std::wstring& message);

// Reads the drawing at path into an empty database (see readDrawing).
Acad::ErrorStatus readDrawingFile(const std::wstring& path, AcDbDatabase& database, std::wstring& message);

// A new database holding the drawing at path; null (message set) when it cannot be read.
std::unique_ptr<AcDbDatabase> openDrawingFile(const std::wstring& path, std::wstring& message);

}  // namespace rvnhost
