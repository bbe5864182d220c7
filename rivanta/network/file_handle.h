// Files opened by a wide path and closed by their owner on every path.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct TzRvnFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TzRvnFile = std::unique_ptr<std::FILE, TzRvnFileCloser>;

// Opens the file at path (wide text, encoded as the file system expects) with a C mode such as
// "r+" or "w"; null when it cannot be opened.
TzRvnFile OpenFile(const std::wstring& path, const char* mode);

// Reads the rest of the file into bytes; false on a read error.
bool ReadAllBytes(std::FILE* file, std::string& bytes);

// Writes bytes; false when not all of them were written.
bool WriteAllBytes(std::FILE* file, std::string_view bytes);

// Closes the file, reporting whether everything written reached it.
bool CloseFile(TzRvnFile& file);
