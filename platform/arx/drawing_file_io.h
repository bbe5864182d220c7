// Whole-file reading and safe replacement of files, for drawings and their exports.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace rvnhost {

// Reads the regular file at path; false with the reason ("No such file or directory") otherwise.
bool readWholeFile(const std::wstring& path, std::vector<unsigned char>& bytes, std::wstring& reason);

// Replaces the file at path by bytes without ever leaving a partial file there: the bytes go to
// "<path>.tmp-XXXXXX" in the same folder, are flushed to disk, and the file is renamed over path
// (which keeps its permissions; a new file gets the usual ones). On failure path is untouched, the
// temporary file is removed, and reason tells what failed.
bool replaceFile(const std::wstring& path, std::span<const unsigned char> bytes, std::wstring& reason);

// The message of a failed file operation: verb "path": reason.
std::wstring fileFailure(const wchar_t* verb, const std::wstring& path, const std::wstring& reason);

}  // namespace rvnhost
