#include "name_compare.h"

#include <algorithm>

namespace rvnhost {

wchar_t foldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - (L'a' - L'A'));
    // Latin-1 small letters U+00E0 to U+00FE, except the division sign U+00F7.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
    return c;
}

std::wstring foldedName(std::wstring_view name) {
    std::wstring folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldCase);
    return folded;
}

bool sameName(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return foldCase(x) == foldCase(y); });
}

bool nameLess(std::wstring_view a, std::wstring_view b) {
    std::wstring fa = foldedName(a);
    std::wstring fb = foldedName(b);
    if (fa != fb) return fa < fb;
    return a < b;
}

}  // namespace rvnhost
