// The temporary directory: TMPDIR when it is set and not empty, else /tmp, always ending with '/'.
#pragma once

#include "win_types.h"

#include <string>

// Copies the temporary directory into buffer (bufferLength units including the terminator) and
// returns its length without the terminator. When the buffer is too small it is left untouched and
// the length needed, terminator included, is returned. 0 on failure (a directory longer than MAX_PATH).
DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer);

namespace rvnos {
// The temporary directory as GetTempPathW reports it.
std::wstring tempDirectory();
}
