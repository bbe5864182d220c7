// Fills the printf-style conversions of a report text (%d, %s, %lf, %%) from typed arguments.
// Numbers are written as printf writes them in the "C" locale. A conversion without a matching
// argument is written as it stands, so a translated text can never read a wrong argument.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

using TzRvnTextArg = std::variant<int, double, std::wstring_view>;

// The translation of the texts the core writes for a user, given by its caller: the plug-in gives
// its translator's (TranslateText, frame/translation.h); tests and tools may keep the texts as
// they stand (KeepText).
using TzRvnTranslate = std::function<std::wstring(std::wstring_view text)>;

// The text as it stands: the translation of a plug-in without a translator library.
std::wstring KeepText(std::wstring_view text);

std::wstring FormatText(std::wstring_view format, std::initializer_list<TzRvnTextArg> args);

// FormatText of the format as translate gives it.
std::wstring FormatTranslated(const TzRvnTranslate& translate, std::wstring_view format,
                              std::initializer_list<TzRvnTextArg> args);
