#include "temp_path.h"

#include "last_error.h"
#include "text_codec.h"

#include <cstdlib>
#include <cwchar>

namespace rvnos {

std::wstring tempDirectory() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::wstring folder = (fromEnvironment && *fromEnvironment) ? fromUtf8(fromEnvironment) : L"/tmp";
    if (folder.back() != L'/') folder += L'/';
    return folder;
}

}  // namespace rvnos

DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
    const std::wstring folder = rvnos::tempDirectory();
    const DWORD needed = static_cast<DWORD>(folder.size() + 1);
    if (needed > MAX_PATH + 1) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    }
    if (bufferLength < needed || buffer == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return needed;
    }
    std::wmemcpy(buffer, folder.c_str(), needed);
    return needed - 1;
}
