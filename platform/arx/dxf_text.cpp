#include "dxf_text.h"

#include <charconv>

#include "text_codec.h"

namespace rvnhost {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

std::string_view trimmed(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    return value;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The code unit of "\U+XXXX" at text[at], or -1.
int escapedUnit(std::wstring_view text, std::size_t at) {
    if (at + 7 > text.size() || text[at] != L'\\' || (text[at + 1] != L'U' && text[at + 1] != L'u') ||
        text[at + 2] != L'+') {
        return -1;
    }
    int unit = 0;
    for (std::size_t i = at + 3; i < at + 7; ++i) {
        int digit = text[i] < 128 ? hexDigit(static_cast<char>(text[i])) : -1;
        if (digit < 0) return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

}  // namespace

std::string encodeDxfText(std::wstring_view text) {
    std::string out;
    for (char16_t unit : rvnos::toUtf16(text)) {
        if (unit == u'^') {
            out += "^ ";
        } else if (unit < 0x20) {
            out += '^';
            out += static_cast<char>(unit + 64);
        } else if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            out += "\\U+";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
        }
    }
    return out;
}

std::wstring decodeDxfText(std::string_view value, bool utf8) {
    std::wstring raw = utf8 ? rvnos::fromUtf8(value) : std::wstring(value.begin(), value.end());
    if (!utf8) {
        for (wchar_t& c : raw) c = static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    std::u16string units;
    for (std::size_t at = 0; at < raw.size(); ++at) {
        wchar_t next = at + 1 < raw.size() ? raw[at + 1] : L'\0';
        if (raw[at] == L'^' && (next == L' ' || (next >= L'@' && next <= L'_'))) {
            units += next == L' ' ? u'^' : static_cast<char16_t>(next - 64);
            ++at;
        } else if (int unit = escapedUnit(raw, at); unit >= 0) {
            units += static_cast<char16_t>(unit);
            at += 6;
        } else {
            units += rvnos::toUtf16(std::wstring_view(&raw[at], 1));
        }
    }
    return rvnos::fromUtf16(units);
}

std::string formatDxfReal(double value) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

bool parseDxfReal(std::string_view value, double& result) {
    value = trimmed(value);
    if (!value.empty() && value.front() == '+') value.remove_prefix(1);
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    return error == std::errc() && end == value.data() + value.size() && !value.empty();
}

bool parseDxfInteger(std::string_view value, long long& result) {
    value = trimmed(value);
    if (!value.empty() && value.front() == '+') value.remove_prefix(1);
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    return error == std::errc() && end == value.data() + value.size() && !value.empty();
}

bool isPointXCode(int code) {
    return (code >= 10 && code <= 18) || (code >= 110 && code <= 112) || code == 210 ||
           (code >= 1010 && code <= 1013);
}

}  // namespace rvnhost
