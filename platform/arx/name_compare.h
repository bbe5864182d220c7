// Name comparison of the drawing: symbol table, dictionary and command names ignore case.
// Case is folded for ASCII and Latin-1 letters, which is what names of this host hold.
#pragma once

#include <string>
#include <string_view>

namespace rvnhost {

wchar_t foldCase(wchar_t c);
std::wstring foldedName(std::wstring_view name);
bool sameName(std::wstring_view a, std::wstring_view b);
// Order of names ignoring case (ties broken by the exact text, so the order is total).
bool nameLess(std::wstring_view a, std::wstring_view b);

}  // namespace rvnhost
