// Whole-file reading of drawings and the messages of failed file operations (files are written
// through rvnos::OutputFile).
#pragma once

#include <string>
#include <vector>

namespace rvnhost {

// Reads the regular file at path; false with the reason ("No such file or directory") otherwise.
bool readWholeFile(const std::wstring& path, std::vector<unsigned char>& bytes, std::wstring& reason);

// The message of a failed file operation: verb "path": reason.
std::wstring fileFailure(const wchar_t* verb, const std::wstring& path, const std::wstring& reason);

}  // namespace rvnhost
