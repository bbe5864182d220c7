#include "units_format.h"

#include <charconv>
#include <cmath>
#include <cwctype>
#include <numbers>
#include <string>

namespace rvnhost {

namespace {

// A finite value as decimal digits without leading zeros and the count of digits before the point:
// value = sign 0.digits x 10^pointPosition.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits shortestDigits(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific);
    const std::string_view written(text, static_cast<std::size_t>(result.ptr - text));
    const std::size_t exponentAt = written.find('e');
    DecimalDigits decimal{std::signbit(value), {}, 0};
    for (char c : written.substr(0, exponentAt)) {
        if (c != '.') decimal.digits += c;
    }
    int exponent = 0;
    const char* exponentText = written.data() + exponentAt + 1;
    if (*exponentText == '+') ++exponentText;
    std::from_chars(exponentText, written.data() + written.size(), exponent);
    decimal.pointPosition = exponent + 1;
    if (decimal.digits == "0") decimal.pointPosition = 1;
    return decimal;
}

// Keeps `keep` leading digits, rounding the rest half away from zero (the digits may gain one).
void roundToDigits(DecimalDigits& decimal, int keep) {
    if (keep < 0) {
        decimal.digits = "0";
        decimal.pointPosition = 1;
        return;
    }
    if (static_cast<std::size_t>(keep) >= decimal.digits.size()) {
        decimal.digits.append(static_cast<std::size_t>(keep) - decimal.digits.size(), '0');
        return;
    }
    const bool roundUp = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
    decimal.digits.resize(static_cast<std::size_t>(keep));
    if (!roundUp) return;
    int i = keep - 1;
    for (; i >= 0 && decimal.digits[static_cast<std::size_t>(i)] == '9'; --i) decimal.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
        ++decimal.digits[static_cast<std::size_t>(i)];
    } else {
        decimal.digits.insert(decimal.digits.begin(), '1');
        ++decimal.pointPosition;
    }
}

bool allZero(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

std::wstring formatDecimal(double value, int precision) {
    DecimalDigits decimal = shortestDigits(value);
    // Digits before the point, when the value is below one, are zeros the digit string lacks.
    if (decimal.pointPosition < 1) {
        decimal.digits.insert(0, static_cast<std::size_t>(1 - decimal.pointPosition), '0');
        decimal.pointPosition = 1;
    }
    roundToDigits(decimal, decimal.pointPosition + precision);
    const std::string& digits = decimal.digits;
    std::string text = (decimal.negative && !allZero(digits)) ? "-" : "";
    text += digits.substr(0, static_cast<std::size_t>(decimal.pointPosition));
    if (precision > 0) text += "." + digits.substr(static_cast<std::size_t>(decimal.pointPosition));
    return std::wstring(text.begin(), text.end());
}

std::wstring formatScientific(double value, int precision) {
    DecimalDigits decimal = shortestDigits(value);
    roundToDigits(decimal, precision + 1);
    decimal.digits.resize(static_cast<std::size_t>(precision + 1));
    const bool zero = allZero(decimal.digits);
    const int exponent = zero ? 0 : decimal.pointPosition - 1;
    std::string text = (decimal.negative && !zero) ? "-" : "";
    text += decimal.digits.substr(0, 1);
    if (precision > 0) text += "." + decimal.digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return std::wstring(text.begin(), text.end());
}

std::wstring_view trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The length of the number at the start of text (0 when there is none), by the syntax of parseNumber.
std::size_t numberLength(std::wstring_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) ++at;
    std::size_t digits = 0;
    while (at < text.size() && isDigit(text[at])) ++at, ++digits;
    if (at < text.size() && text[at] == L'.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) ++at, ++digits;
    }
    if (digits == 0) return 0;
    if (at < text.size() && (text[at] == L'e' || text[at] == L'E')) {
        std::size_t exponentAt = at + 1;
        if (exponentAt < text.size() && (text[exponentAt] == L'+' || text[exponentAt] == L'-')) ++exponentAt;
        std::size_t exponentDigits = 0;
        while (exponentAt < text.size() && isDigit(text[exponentAt])) ++exponentAt, ++exponentDigits;
        if (exponentDigits > 0) at = exponentAt;
    }
    return at;
}

std::optional<double> valueOf(std::wstring_view number) {
    std::string ascii(number.begin(), number.end());
    if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A number followed by an optional unit letter (either case), as grads and radians are typed.
std::optional<double> numberWithSuffix(std::wstring_view text, wchar_t suffix) {
    text = trimmed(text);
    if (!text.empty() && static_cast<wchar_t>(std::towlower(text.back())) == suffix) text.remove_suffix(1);
    return parseNumber(text);
}

// Degrees, minutes and seconds: 45d30'15.5" with the later parts optional; a plain number is degrees.
std::optional<double> degreesMinutesSeconds(std::wstring_view text) {
    text = trimmed(text);
    const bool negative = !text.empty() && text[0] == L'-';
    if (negative) text.remove_prefix(1);
    const wchar_t marks[] = {L'd', L'\'', L'"'};
    const double scale[] = {1.0, 60.0, 3600.0};
    double degrees = 0.0;
    std::size_t part = 0;
    while (!text.empty()) {
        const std::size_t length = numberLength(text);
        if (length == 0 || text[0] == L'-' || text[0] == L'+' || part == 3) return std::nullopt;
        const std::optional<double> value = valueOf(text.substr(0, length));
        text.remove_prefix(length);
        std::size_t mark = part;
        if (!text.empty()) {
            while (mark < 3 && static_cast<wchar_t>(std::towlower(text[0])) != marks[mark]) ++mark;
            if (mark == 3) return std::nullopt;
            text.remove_prefix(1);
        } else if (part > 0) {
            return std::nullopt;
        }
        if (!value) return std::nullopt;
        degrees += *value / scale[mark];
        part = mark + 1;
    }
    if (part == 0) return std::nullopt;
    return negative ? -degrees : degrees;
}

double radiansOfDegrees(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

UnitsSupport linearUnitsSupport(int units) {
    if (units == kScientificUnits || units == kDecimalUnits) return UnitsSupport::Supported;
    return (units >= 3 && units <= 5) ? UnitsSupport::NotBuilt : UnitsSupport::Invalid;
}

UnitsSupport angularUnitsSupport(int units) {
    if (units >= 0 && units <= 3) return UnitsSupport::Supported;
    return units == 4 ? UnitsSupport::NotBuilt : UnitsSupport::Invalid;
}

std::optional<std::wstring> formatLinear(double value, int units, int precision) {
    if (linearUnitsSupport(units) != UnitsSupport::Supported || precision < 0 || precision > kMaxPrecision ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return units == kDecimalUnits ? formatDecimal(value, precision) : formatScientific(value, precision);
}

std::optional<double> parseNumber(std::wstring_view text) {
    text = trimmed(text);
    if (text.empty() || numberLength(text) != text.size()) return std::nullopt;
    return valueOf(text);
}

std::optional<double> parseLinear(std::wstring_view text, int units) {
    if (linearUnitsSupport(units) != UnitsSupport::Supported) return std::nullopt;
    return parseNumber(text);
}

std::optional<double> parseAngle(std::wstring_view text, int units) {
    std::optional<double> value;
    switch (units) {
        case 0: value = parseNumber(text); break;
        case 1: value = degreesMinutesSeconds(text); break;
        case 2: value = numberWithSuffix(text, L'g'); break;
        case 3: return numberWithSuffix(text, L'r');
        default: return std::nullopt;
    }
    if (!value) return std::nullopt;
    return units == 2 ? *value * std::numbers::pi / 200.0 : radiansOfDegrees(*value);
}

}  // namespace rvnhost
