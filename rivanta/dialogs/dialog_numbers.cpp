#include "dialog_numbers.h"

#include <charconv>
#include <cmath>

std::wstring DialogNumberText(double value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15).ptr;
    return std::wstring(digits, end);
}

std::optional<double> DialogNumber(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(L" \t") - first + 1);
    std::string narrow;
    for (wchar_t c : text) {
        if (c > 0x7F) return std::nullopt;
        narrow += static_cast<char>(c);
    }
    if (!narrow.empty() && narrow[0] == '+') narrow.erase(0, 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (error != std::errc() || end != narrow.data() + narrow.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}
