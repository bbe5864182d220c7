// File search by pattern over one folder: "folder/name-pattern", where the name pattern may hold
// the wildcards * (any run of characters) and ? (one character). Names are matched without regard
// to case, as the host's file system does. Results come sorted by name.
#pragma once

#include "win_types.h"

#include <string_view>

inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    WCHAR cFileName[MAX_PATH];
    WCHAR cAlternateFileName[14];
};

// Starts a search and fills findData with the first match. INVALID_HANDLE_VALUE when nothing
// matches (last error ERROR_FILE_NOT_FOUND) or the folder cannot be read (ERROR_PATH_NOT_FOUND).
HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* findData);
// The next match; FALSE with ERROR_NO_MORE_FILES after the last one.
BOOL FindNextFileW(HANDLE search, WIN32_FIND_DATAW* findData);
// Ends a search started by FindFirstFileW.
BOOL FindClose(HANDLE search);

namespace rvnos {
// True when name matches the pattern of * and ? wildcards, ignoring case.
bool matchesWildcard(std::wstring_view pattern, std::wstring_view name);
}
