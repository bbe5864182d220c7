// DXF files of drawings: writing a drawing as DXF and reading one. The messages are whole
// sentences for the user ("Cannot open \"a.dxf\": line 12: a group code was expected.").
#pragma once

#include <memory>
#include <span>
#include <string>

#include "dbdatabase.h"

namespace rvnhost {

// Writes the drawing as DXF at path, replacing any file there only once the whole text is on disk;
// a path naming one of inputs (the files the drawing came from) is refused.
Acad::ErrorStatus saveDxfFile(AcDbDatabase& database, const std::wstring& path, std::wstring& message,
                              std::span<const std::wstring> inputs = {});

// A new database holding the DXF file at path; null (message set) when it cannot be read.
std::unique_ptr<AcDbDatabase> openDxfFile(const std::wstring& path, std::wstring& message);

}  // namespace rvnhost
