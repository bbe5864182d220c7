#include "analysis/exchange/inp_numbers.h"

#include <charconv>
#include <cmath>

std::optional<double> ParseInpNumber(std::string_view token) {
    if (token.starts_with('+')) token.remove_prefix(1);
    for (char ch : token) {
        const bool allowed = (ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == 'e' || ch == 'E' || ch == '+';
        if (!allowed) return std::nullopt;
    }
    double value = 0.0;
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string InpNumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
