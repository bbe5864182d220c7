#include "resource_tokens.h"

#include <cctype>
#include <charconv>

namespace rvnhost {
namespace {

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNamePart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::optional<long long> numberOf(std::string_view digits) {
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.remove_suffix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    std::optional<ResourceTokens> run(int& faultLine, std::wstring& reason) {
        while (at_ < text_.size()) {
            if (!step()) {
                faultLine = line_;
                reason = reason_;
                return std::nullopt;
            }
        }
        return std::move(result_);
    }

private:
    bool step() {
        const char c = text_[at_];
        if (c == '\n') return ++line_, ++at_, true;
        if (std::isspace(static_cast<unsigned char>(c))) return ++at_, true;
        if (text_.substr(at_, 2) == "//") return skipToLineEnd(), true;
        if (c == '#') return directive();
        if (c == ',') return push(ResourceToken::Kind::Comma, ","), ++at_, true;
        if (c == '|') return push(ResourceToken::Kind::Bar, "|"), ++at_, true;
        if (c == '"') return quoted();
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') return number();
        if (isNameStart(c)) return push(ResourceToken::Kind::Name, word()), true;
        return fail(L"unexpected character");
    }

    void skipToLineEnd() {
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
    }

    std::string word() {
        const std::size_t start = at_;
        while (at_ < text_.size() && isNamePart(text_[at_])) ++at_;
        return std::string(text_.substr(start, at_ - start));
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }

    // "#define NAME number" is kept; "#include" and other directives are read past.
    bool directive() {
        ++at_;
        if (word() != "define") return skipToLineEnd(), true;
        skipBlanks();
        const std::string name = word();
        skipBlanks();
        const std::size_t start = at_;
        while (at_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
        const std::optional<long long> value = numberOf(text_.substr(start, at_ - start));
        if (name.empty() || !value) return fail(L"#define needs a name and a number");
        result_.defines[name] = *value;
        skipToLineEnd();
        return true;
    }

    bool quoted() {
        std::string bytes;
        for (++at_; at_ < text_.size() && text_[at_] != '\n'; ++at_) {
            if (text_[at_] != '"') {
                bytes += escaped();
                continue;
            }
            if (text_.substr(at_, 2) != "\"\"") {
                ++at_;
                return push(ResourceToken::Kind::String, std::move(bytes)), true;
            }
            bytes += '"';
            ++at_;
        }
        return fail(L"string without its closing quotation mark");
    }

    // One character of a string, with the escapes \n, \t and \\ turned into what they stand for.
    char escaped() {
        if (text_[at_] != '\\' || at_ + 1 >= text_.size()) return text_[at_];
        switch (text_[at_ + 1]) {
            case 'n': return ++at_, '\n';
            case 't': return ++at_, '\t';
            case '\\': return ++at_, '\\';
            default: return '\\';
        }
    }

    bool number() {
        const std::size_t start = at_;
        ++at_;
        while (at_ < text_.size() && isNamePart(text_[at_])) ++at_;
        const std::string digits(text_.substr(start, at_ - start));
        const std::optional<long long> value = numberOf(digits);
        if (!value) return fail(L"malformed number");
        push(ResourceToken::Kind::Number, digits);
        result_.tokens.back().number = *value;
        return true;
    }

    void push(ResourceToken::Kind kind, std::string text) {
        result_.tokens.push_back(ResourceToken{kind, std::move(text), 0, line_});
    }

    bool fail(const wchar_t* reason) {
        reason_ = reason;
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    std::wstring reason_;
    ResourceTokens result_;
};

}  // namespace

std::optional<ResourceTokens> tokenizeResourceScript(std::string_view text, int& faultLine, std::wstring& reason) {
    return Tokenizer(text).run(faultLine, reason);
}

}  // namespace rvnhost
