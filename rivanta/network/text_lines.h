// Line input of the system's text files (settings file, archives): UTF-8 text read the way wide
// line input into a fixed buffer reads it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The lines that successive wide line reads with a buffer of bufferSize characters return: each
// holds at most bufferSize - 1 characters and ends after its line feed, so a longer line goes on
// as the next one. A leading UTF-8 byte order mark is skipped.
std::vector<std::wstring> SplitInputLines(std::string_view utf8, std::size_t bufferSize);

// The line up to its first line feed, carriage return or zero character.
std::wstring_view StripLineEnd(std::wstring_view line);
