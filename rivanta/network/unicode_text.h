// The core's conversions between wide text (wchar_t, one code point per unit on this platform) and
// the UTF-8 and UTF-16 its files and records hold. The core cannot reach the host's conversions
// (rvnos, the stand-in for the operating system's): these give the same results, so that a file
// the core writes reads back through either.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rvnutf {

// UTF-8 bytes of a wide text. Code points that cannot be encoded become U+FFFD.
std::string toUtf8(std::wstring_view text);

// Appends the UTF-8 bytes of a wide text to out, as toUtf8 gives them.
void appendUtf8(std::string& out, std::wstring_view text);

// Wide text of UTF-8 bytes. Malformed sequences become U+FFFD, one per bad byte.
std::wstring fromUtf8(std::string_view bytes);

// UTF-16 code units of a wide text (code points above U+FFFF become surrogate pairs).
std::u16string toUtf16(std::wstring_view text);

// Wide text of UTF-16 code units; an unpaired surrogate is kept as its own code unit value.
std::wstring fromUtf16(std::u16string_view units);

// Ordinal comparison of two texts by their UTF-16 code units: negative, zero or positive.
int compareUtf16(std::wstring_view a, std::wstring_view b);

// Number of UTF-16 code units the text needs.
std::size_t utf16Length(std::wstring_view text);

}  // namespace rvnutf
