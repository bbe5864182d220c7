// Conversions between the wide text the host and the plug-in work in (wchar_t, one code point
// per unit on this platform) and the byte encodings that files and the terminal use.
// This is the stand-in for the operating system's WideCharToMultiByte / MultiByteToWideChar.
#pragma once

#include <string>
#include <string_view>

namespace rvnos {

// UTF-8 bytes of a wide text. Code points that cannot be encoded become U+FFFD.
std::string toUtf8(std::wstring_view text);

// Appends the UTF-8 bytes of a wide text to out, as toUtf8 gives them.
void appendUtf8(std::string& out, std::wstring_view text);

// Wide text of UTF-8 bytes. Malformed sequences become U+FFFD, one per bad byte.
std::wstring fromUtf8(std::string_view bytes);

// True when bytes are well-formed UTF-8 throughout.
bool isUtf8(std::string_view bytes);

// bytes as text a person can read: well-formed UTF-8 as it is, every other byte as \xNN.
std::wstring fromUtf8Escaped(std::string_view bytes);

// text with every control character but the tab, and DEL, written as \xNN: a message or an echo
// shows them and cannot be cut or garbled by them.
std::wstring escapeControlCharacters(std::wstring_view text);

// UTF-16 code units of a wide text (code points above U+FFFF become surrogate pairs).
std::u16string toUtf16(std::wstring_view text);

// Wide text of UTF-16 code units; an unpaired surrogate is kept as its own code unit value.
std::wstring fromUtf16(std::u16string_view units);

// Number of UTF-16 code units the text needs.
std::size_t utf16Length(std::wstring_view text);

}  // namespace rvnos
