// The consistency a drawing read from a file must have before the host works on it: the header
// names tables and records of the right classes, tables hold records of their own kind, blocks
// hold entities, references between tables and records point at the right kind of object, and
// dictionary entries hold objects. A file that passes cannot lead the host astray.
#pragma once

#include <string>

#include "dbdatabase.h"

namespace rvnhost {

// eOk, or eDwgNeedsRecovery with a message naming the first inconsistency found.
Acad::ErrorStatus checkDrawing(AcDbDatabase& database, std::wstring& message);

}  // namespace rvnhost
