#include "analysis/inp_numbers.h"

#include <charconv>
#include <cmath>

std::optional<double> ParseInpNumber(std::wstring_view token) {
    if (token.starts_with(L'+')) token.remove_prefix(1);
    std::string ascii;
    ascii.reserve(token.size());
    for (wchar_t ch : token) {
        const bool allowed =
            (ch >= L'0' && ch <= L'9') || ch == L'.' || ch == L'-' || ch == L'e' || ch == L'E' || ch == L'+';
        if (!allowed) return std::nullopt;
        ascii += static_cast<char>(ch);
    }
    double value = 0.0;
    const char* end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string InpNumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
