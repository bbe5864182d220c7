#include "network/unicode_text.h"

#include <algorithm>
#include <optional>

namespace rvnutf {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendCodePoint(std::string& out, char32_t cp) {
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

// The UTF-16 code units of a wide text one at a time, as toUtf16 writes them, without a copy: the
// comparison runs inside sorts and binary searches.
class Utf16Units {
public:
    explicit Utf16Units(std::wstring_view text) : text_(text) {}

    bool done() const { return at_ == text_.size() && !pending_; }
    char16_t next() {
        if (pending_) {
            const char16_t unit = pending_;
            pending_ = 0;
            return unit;
        }
        auto cp = static_cast<char32_t>(text_[at_++]);
        if (cp > 0x10FFFF) cp = kReplacement;
        if (cp < 0x10000) return static_cast<char16_t>(cp);
        cp -= 0x10000;
        pending_ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        return static_cast<char16_t>(0xD800 + (cp >> 10));
    }

private:
    std::wstring_view text_;
    std::size_t at_ = 0;
    char16_t pending_ = 0;  // the low surrogate still to give, 0 when none
};

// The units of a and b compared in turn until they differ or one text ends.
int compareUnits(std::wstring_view a, std::wstring_view b) {
    Utf16Units ua(a);
    Utf16Units ub(b);
    while (!ua.done() && !ub.done()) {
        const char16_t x = ua.next();
        const char16_t y = ub.next();
        if (x != y) return x < y ? -1 : 1;
    }
    if (ua.done() && ub.done()) return 0;
    return ua.done() ? -1 : 1;
}

}  // namespace

std::string toUtf8(std::wstring_view text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

void appendUtf8(std::string& out, std::wstring_view text) {
    out.reserve(out.size() + text.size());
    for (wchar_t ch : text) appendCodePoint(out, static_cast<char32_t>(ch));
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

std::u16string toUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    Utf16Units units(text);
    while (!units.done()) out += units.next();
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

// Equal characters give equal units: the units are compared from the first character that
// differs.
int compareUtf16(std::wstring_view a, std::wstring_view b) {
    const auto same = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return compareUnits(a.substr(static_cast<std::size_t>(same.first - a.begin())),
                        b.substr(static_cast<std::size_t>(same.second - b.begin())));
}

std::size_t utf16Length(std::wstring_view text) {
    std::size_t n = 0;
    for (wchar_t ch : text) n += static_cast<char32_t>(ch) >= 0x10000 ? 2 : 1;
    return n;
}

}  // namespace rvnutf
