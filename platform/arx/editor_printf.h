// Formatting of command-line text. The host's wide printf reads %s and %c as wide text and
// characters and %hs/%hc as narrow ones; the platform's wide printf reads them the other way round.
#pragma once

#include <cstdarg>
#include <optional>
#include <string>
#include <string_view>

namespace rvnhost {

// The format rewritten for the platform's wide printf: %s -> %ls, %c -> %lc, %hs -> %s, %S -> %s,
// %C -> %c, %I64d -> %lld; everything else unchanged.
std::wstring platformFormat(std::wstring_view hostFormat);

// The text of a host format and its arguments; nullopt when it cannot be formatted.
std::optional<std::wstring> formatHostText(const wchar_t* hostFormat, va_list arguments);

}  // namespace rvnhost
