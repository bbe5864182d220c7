// Fills the printf-style conversions of a report text (%d, %s, %lf, %%) from typed arguments.
// Numbers are written as printf writes them in the "C" locale. A conversion without a matching
// argument is written as it stands, so a translated text can never read a wrong argument.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

using TzRvnTextArg = std::variant<int, double, std::wstring_view>;

std::wstring FormatText(std::wstring_view format, std::initializer_list<TzRvnTextArg> args);

// FormatText of the translated format.
std::wstring FormatTranslated(std::wstring_view format, std::initializer_list<TzRvnTextArg> args);
