// Whether a file is one of the host's drawings, told by its first bytes rather than its name.
#pragma once

#include <string>

namespace rvnhost {

// True when the file at path begins with the drawing file's magic (whatever its extension, and
// even when the rest of it is damaged); false when it cannot be read or begins otherwise.
bool isDrawingFile(const std::wstring& path);

}  // namespace rvnhost
