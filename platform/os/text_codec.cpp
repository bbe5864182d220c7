#include "text_codec.h"

#include <cwchar>
#include <optional>

namespace rvnos {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the UTF-8 sequence that starts with lead byte b, 0 when b cannot start one.
int sequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

// Code point of the sequence at bytes[i] of length len, or nothing when malformed (a well-formed
// U+FFFD is a code point like any other).
std::optional<char32_t> decodeSequence(std::string_view bytes, std::size_t i, int len) {
    auto lead = static_cast<unsigned char>(bytes[i]);
    char32_t cp = len == 1 ? lead : lead & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

}  // namespace

std::string toUtf8(std::wstring_view text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

// Runs of ASCII, most of any text, are copied a unit to a byte without encoding each one.
void appendUtf8(std::string& out, std::wstring_view text) {
    out.reserve(out.size() + text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        while (end < text.size() && static_cast<char32_t>(text[end]) < 0x80) ++end;
        const std::size_t start = out.size();
        out.resize(start + (end - i));
        for (std::size_t k = i; k < end; ++k) out[start + (k - i)] = static_cast<char>(text[k]);
        if (end < text.size()) appendUtf8(out, static_cast<char32_t>(text[end++]));
        i = end;
    }
}

std::wstring fromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        int len = sequenceLength(lead);
        if (len == 0 || i + len > bytes.size()) {
            out += static_cast<wchar_t>(kReplacement);
            ++i;
            continue;
        }
        const std::optional<char32_t> cp = decodeSequence(bytes, i, len);
        out += static_cast<wchar_t>(cp.value_or(kReplacement));
        i += cp ? static_cast<std::size_t>(len) : 1;
    }
    return out;
}

bool isUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const int len = sequenceLength(static_cast<unsigned char>(bytes[i]));
        if (len == 0 || i + len > bytes.size() || !decodeSequence(bytes, i, len)) return false;
        i += static_cast<std::size_t>(len);
    }
    return true;
}

std::wstring fromUtf8Escaped(std::string_view bytes) {
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size();) {
        const int len = sequenceLength(static_cast<unsigned char>(bytes[i]));
        const std::optional<char32_t> cp =
            len == 0 || i + len > bytes.size() ? std::nullopt : decodeSequence(bytes, i, len);
        if (cp) {
            out += static_cast<wchar_t>(*cp);
            i += static_cast<std::size_t>(len);
            continue;
        }
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(bytes[i++]);
        out += L"\\x";
        out += static_cast<wchar_t>(kHex[b >> 4]);
        out += static_cast<wchar_t>(kHex[b & 0xF]);
    }
    return out;
}

std::wstring escapeControlCharacters(std::wstring_view text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t c : text) {
        if ((c >= 0x20 && c != 0x7F) || c == L'\t') {
            escaped += c;
            continue;
        }
        wchar_t code[8];
        std::swprintf(code, 8, L"\\x%02X", static_cast<unsigned>(c));
        escaped += code;
    }
    return escaped;
}

std::u16string toUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        auto cp = static_cast<char32_t>(ch);
        if (cp > 0x10FFFF) cp = kReplacement;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::wstring fromUtf16(std::u16string_view units) {
    std::wstring out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t u = units[i];
        bool high = u >= 0xD800 && u <= 0xDBFF;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        out += static_cast<wchar_t>(u);
    }
    return out;
}

std::size_t utf16Length(std::wstring_view text) {
    std::size_t n = 0;
    for (wchar_t ch : text) n += static_cast<char32_t>(ch) >= 0x10000 ? 2 : 1;
    return n;
}

}  // namespace rvnos
