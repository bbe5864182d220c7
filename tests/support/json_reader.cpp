#include "json_reader.h"

#include "text_codec.h"

#include <algorithm>
#include <charconv>
#include <limits>

class TzRvnJsonParser {
public:
    explicit TzRvnJsonParser(std::string_view text) : text_(text) {}

    bool document(TzRvnJson& value) {
        if (!parseValue(value, 0)) return false;
        skipBlanks();
        return pos_ == text_.size() || fail("text after the value");
    }

    const std::string& error() const { return error_; }

private:
    static constexpr int kMaxDepth = 64;

    bool fail(const std::string& what) {
        if (error_.empty()) error_ = what + " at byte " + std::to_string(pos_);
        return false;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && std::string_view(" \t\n\r").find(text_[pos_]) != std::string_view::npos) ++pos_;
    }

    bool take(std::string_view word) {
        skipBlanks();
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool parseValue(TzRvnJson& value, int depth) {
        if (depth > kMaxDepth) return fail("nesting too deep");
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        using Kind = TzRvnJson::Kind;
        if (take("{")) return parseObject(value, depth);
        if (take("[")) return parseArray(value, depth);
        if (take("\"")) {
            value.kind_ = Kind::string;
            return parseString(value.string_);
        }
        if (take("null")) return true;
        if (take("true") || take("false")) {
            value.kind_ = Kind::boolean;
            value.boolean_ = text_.substr(pos_ - 4, 4) == "true";
            return true;
        }
        value.kind_ = Kind::number;
        if (take("NaN")) value.number_ = std::numeric_limits<double>::quiet_NaN();
        else if (take("Infinity")) value.number_ = kInfinity;
        else if (take("-Infinity")) value.number_ = -kInfinity;
        else return parseNumber(value.number_);
        return true;
    }

    bool parseNumber(double& number) {
        const auto result = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), number);
        if (result.ec != std::errc() || result.ptr == text_.data() + pos_) return fail("not a value");
        pos_ = static_cast<std::size_t>(result.ptr - text_.data());
        return true;
    }

    bool parseArray(TzRvnJson& value, int depth) {
        value.kind_ = TzRvnJson::Kind::array;
        if (take("]")) return true;
        do {
            value.items_.emplace_back();
            if (!parseValue(value.items_.back(), depth + 1)) return false;
        } while (take(","));
        return take("]") || fail("expected ']'");
    }

    bool parseObject(TzRvnJson& value, int depth) {
        value.kind_ = TzRvnJson::Kind::object;
        if (take("}")) return true;
        do {
            std::wstring key;
            if (!take("\"") || !parseString(key)) return fail("expected a key");
            if (!take(":")) return fail("expected ':'");
            value.members_.emplace_back(rvnos::toUtf8(key), TzRvnJson());
            if (!parseValue(value.members_.back().second, depth + 1)) return false;
        } while (take(","));
        return take("}") || fail("expected '}'");
    }

    // One escape after its backslash; \uXXXX gives one UTF-16 unit (surrogate pairs join later).
    bool escape(std::u16string& units) {
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::u16string_view kTo = u"\"\\/\b\f\n\r\t";
        if (pos_ >= text_.size()) return fail("unfinished escape");
        const char c = text_[pos_++];
        if (const std::size_t at = kFrom.find(c); at != std::string_view::npos) {
            units += kTo[at];
            return true;
        }
        unsigned unit = 0;
        const char* end = text_.data() + std::min(pos_ + 4, text_.size());
        if (c != 'u' || std::from_chars(text_.data() + pos_, end, unit, 16).ptr != text_.data() + pos_ + 4) {
            return fail("bad escape");
        }
        pos_ += 4;
        units += static_cast<char16_t>(unit);
        return true;
    }

    // A string literal after its opening quote; raw UTF-8 and escapes become wide text.
    bool parseString(std::wstring& text) {
        std::u16string units;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            if (text_[pos_] == '\\') {
                ++pos_;
                if (!escape(units)) return false;
                continue;
            }
            const std::size_t end = std::min(text_.find_first_of("\"\\", pos_), text_.size());
            units += rvnos::toUtf16(rvnos::fromUtf8(text_.substr(pos_, end - pos_)));
            pos_ = end;
        }
        if (pos_ >= text_.size()) return fail("unfinished string");
        ++pos_;
        text = rvnos::fromUtf16(units);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

const TzRvnJson* TzRvnJson::find(std::string_view key) const {
    for (const auto& [name, value] : members_) {
        if (name == key) return &value;
    }
    return nullptr;
}

std::optional<double> TzRvnJson::asNumber() const {
    if (kind_ == Kind::number) return number_;
    if (kind_ != Kind::string) return std::nullopt;
    if (string_ == L"inf") return std::numeric_limits<double>::infinity();
    if (string_ == L"-inf") return -std::numeric_limits<double>::infinity();
    if (string_ == L"nan" || string_ == L"-nan") return std::numeric_limits<double>::quiet_NaN();
    return std::nullopt;
}

bool ParseJson(std::string_view text, TzRvnJson& value, std::string& error) {
    TzRvnJsonParser parser(text);
    TzRvnJson parsed;
    if (!parser.document(parsed)) {
        error = parser.error();
        return false;
    }
    value = std::move(parsed);
    return true;
}
