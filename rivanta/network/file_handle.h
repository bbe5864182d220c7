// Files opened for reading by a wide path and closed by their owner on every path (the plug-in
// writes files through the host's output files, host/output_files.h).
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct TzRvnFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TzRvnFile = std::unique_ptr<std::FILE, TzRvnFileCloser>;

// Opens the file at path (wide text, encoded as the file system expects) with a C mode such as
// "r" or "r+"; null when it cannot be opened.
TzRvnFile OpenFile(const std::wstring& path, const char* mode);

// Reads the rest of the file into bytes; false on a read error.
bool ReadAllBytes(std::FILE* file, std::string& bytes);

// Opens the file at path for reading only and reads it whole into bytes; false when it cannot be
// opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

