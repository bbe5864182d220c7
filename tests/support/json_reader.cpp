#include "json_reader.h"

#include "text_codec.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool document(TzRvnJson& value) {
        if (!parseValue(value, 0)) return false;
        skipBlanks();
        return pos_ == text_.size() || fail("text after the value");
    }

    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& what) {
        if (error_.empty()) error_ = what + " at byte " + std::to_string(pos_);
        return false;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r')) {
            ++pos_;
        }
    }

    bool take(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool parseValue(TzRvnJson& value, int depth) {
        if (depth > kMaxDepth) return fail("nesting too deep");
        skipBlanks();
        if (pos_ >= text_.size()) return fail("missing value");
        const char c = text_[pos_];
        if (c == '{') return parseObject(value, depth);
        if (c == '[') return parseArray(value, depth);
        if (c == '"') {
            std::wstring text;
            if (!parseString(text)) return false;
            value = TzRvnJson::makeString(std::move(text));
            return true;
        }
        return parseWord(value);
    }

    bool parseWord(TzRvnJson& value) {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        if (take("null")) value = TzRvnJson::makeNull();
        else if (take("true")) value = TzRvnJson::makeBoolean(true);
        else if (take("false")) value = TzRvnJson::makeBoolean(false);
        else if (take("NaN")) value = TzRvnJson::makeNumber(std::numeric_limits<double>::quiet_NaN());
        else if (take("Infinity")) value = TzRvnJson::makeNumber(kInfinity);
        else if (take("-Infinity")) value = TzRvnJson::makeNumber(-kInfinity);
        else return parseNumber(value);
        return true;
    }

    bool parseNumber(TzRvnJson& value) {
        double number = 0;
        auto result = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), number);
        if (result.ec != std::errc() || result.ptr == text_.data() + pos_) return fail("not a value");
        pos_ = static_cast<std::size_t>(result.ptr - text_.data());
        value = TzRvnJson::makeNumber(number);
        return true;
    }

    bool parseArray(TzRvnJson& value, int depth) {
        ++pos_;
        std::vector<TzRvnJson> items;
        skipBlanks();
        if (take("]")) {
            value = TzRvnJson::makeArray(std::move(items));
            return true;
        }
        do {
            TzRvnJson item;
            if (!parseValue(item, depth + 1)) return false;
            items.push_back(std::move(item));
            skipBlanks();
        } while (take(","));
        if (!take("]")) return fail("expected ']'");
        value = TzRvnJson::makeArray(std::move(items));
        return true;
    }

    bool parseObject(TzRvnJson& value, int depth) {
        ++pos_;
        std::vector<std::pair<std::string, TzRvnJson>> members;
        skipBlanks();
        if (take("}")) {
            value = TzRvnJson::makeObject(std::move(members));
            return true;
        }
        do {
            skipBlanks();
            std::wstring key;
            if (pos_ >= text_.size() || text_[pos_] != '"' || !parseString(key)) return fail("expected a key");
            skipBlanks();
            if (!take(":")) return fail("expected ':'");
            TzRvnJson member;
            if (!parseValue(member, depth + 1)) return false;
            members.emplace_back(rvnos::toUtf8(key), std::move(member));
            skipBlanks();
        } while (take(","));
        if (!take("}")) return fail("expected '}'");
        value = TzRvnJson::makeObject(std::move(members));
        return true;
    }

    bool hexUnit(char16_t& unit) {
        unsigned value = 0;
        if (pos_ + 4 > text_.size()) return fail("short \\u escape");
        auto result = std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, value, 16);
        if (result.ptr != text_.data() + pos_ + 4) return fail("bad \\u escape");
        pos_ += 4;
        unit = static_cast<char16_t>(value);
        return true;
    }

    bool escape(std::u16string& units) {
        if (pos_ >= text_.size()) return fail("unfinished escape");
        const char c = text_[pos_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::u16string_view kTo = u"\"\\/\b\f\n\r\t";
        if (auto at = kFrom.find(c); at != std::string_view::npos) {
            units += kTo[at];
            return true;
        }
        char16_t unit = 0;
        if (c != 'u' || !hexUnit(unit)) return fail("bad escape");
        units += unit;
        return true;
    }

    // A string literal; raw UTF-8 and escapes (surrogate pairs joined) become wide text.
    bool parseString(std::wstring& text) {
        ++pos_;
        std::u16string units;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            if (text_[pos_] == '\\') {
                ++pos_;
                if (!escape(units)) return false;
                continue;
            }
            std::size_t end = text_.find_first_of("\"\\", pos_);
            if (end == std::string_view::npos) end = text_.size();
            units += rvnos::toUtf16(rvnos::fromUtf8(text_.substr(pos_, end - pos_)));
            pos_ = end;
        }
        if (!take("\"")) return fail("unfinished string");
        text = rvnos::fromUtf16(units);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace

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

TzRvnJson TzRvnJson::makeBoolean(bool value) {
    TzRvnJson json(Kind::boolean);
    json.boolean_ = value;
    return json;
}

TzRvnJson TzRvnJson::makeNumber(double value) {
    TzRvnJson json(Kind::number);
    json.number_ = value;
    return json;
}

TzRvnJson TzRvnJson::makeString(std::wstring value) {
    TzRvnJson json(Kind::string);
    json.string_ = std::move(value);
    return json;
}

TzRvnJson TzRvnJson::makeArray(std::vector<TzRvnJson> items) {
    TzRvnJson json(Kind::array);
    json.items_ = std::move(items);
    return json;
}

TzRvnJson TzRvnJson::makeObject(std::vector<std::pair<std::string, TzRvnJson>> members) {
    TzRvnJson json(Kind::object);
    json.members_ = std::move(members);
    return json;
}

bool ParseJson(std::string_view text, TzRvnJson& value, std::string& error) {
    Parser parser(text);
    TzRvnJson parsed;
    if (!parser.document(parsed)) {
        error = parser.error();
        return false;
    }
    value = std::move(parsed);
    return true;
}
