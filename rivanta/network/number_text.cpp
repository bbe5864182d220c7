#include "network/number_text.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>

namespace {

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}

std::size_t skipBlanks(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    return i;
}

// The "C" locale, so that a decimal point is always a point whatever the process chose.
locale_t classicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

int LeadingInt(std::wstring_view text) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

double LeadingDouble(std::wstring_view text) {
    std::string ascii;
    for (wchar_t ch : text) {
        if (ch <= 0 || ch >= 0x80) break;
        ascii += static_cast<char>(ch);
    }
    locale_t locale = classicLocale();
    if (locale == static_cast<locale_t>(nullptr)) return std::strtod(ascii.c_str(), nullptr);
    return strtod_l(ascii.c_str(), nullptr, locale);
}

std::string FixedText(double value, int decimals) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

void AppendIntegerText(std::wstring& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}
