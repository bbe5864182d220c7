// The text of a DXF file: groups of two lines, a group code and a value. Texts are written in
// ASCII for the code page ANSI_1252 of an AutoCAD 2000 (AC1015) file: a character outside ASCII
// becomes "\U+XXXX" (one per UTF-16 code unit), a control character "^" followed by the character
// 64 above it, and "^" itself "^ ". Reals are written with the fewest digits that read back exactly.
#pragma once

#include <string>
#include <string_view>

namespace rvnhost {

// The DXF form of a text, and back. Reading from a file of AutoCAD 2007 (AC1021) or later the
// bytes are UTF-8; from an older one each byte is one character (ANSI_1252).
std::string encodeDxfText(std::wstring_view text);
std::wstring decodeDxfText(std::string_view value, bool utf8);

// A real as a DXF value; and back (false for a value that is not a number).
std::string formatDxfReal(double value);
bool parseDxfReal(std::string_view value, double& result);
// An integer value (leading and trailing blanks allowed); false for anything else or out of range.
bool parseDxfInteger(std::string_view value, long long& result);

// For points: the X group codes (10 to 18, 110 to 112, 210, 1010 to 1013), whose Y and Z follow
// under the code plus 10 and plus 20.
bool isPointXCode(int code);

}  // namespace rvnhost
