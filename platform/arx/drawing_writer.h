// Writes a drawing database in the host's binary drawing format (docs/drawing-format.md): the
// header values, then every object that is not erased, each through its own DWG filing, in
// handle order; a proxy writes back the data it was read with. The bytes end with a CRC-32.
#pragma once

#include <string>
#include <vector>

#include "dbdatabase.h"

namespace rvnhost {

// Fills out with the drawing. An object that cannot be opened or filed stops the writing: the
// status is its status and message says which object it was.
Acad::ErrorStatus writeDrawing(AcDbDatabase& database, std::vector<unsigned char>& out, std::wstring& message);

}  // namespace rvnhost
