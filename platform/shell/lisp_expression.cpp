#include "lisp_expression.h"

#include <cwchar>
#include <cwctype>

namespace rvnshell {
namespace {

class Reader {
public:
    explicit Reader(const std::wstring& text) : text_(text) {}

    std::optional<LispNode> expression() {
        skipBlanks();
        if (at_ >= text_.size()) return std::nullopt;
        const wchar_t c = text_[at_];
        if (c == L'\'') {
            ++at_;
            std::optional<LispNode> quoted = expression();
            if (quoted) quoted->quoted = true;
            return quoted;
        }
        if (c == L'(') return list();
        if (c == L'"') return text();
        if (c == L')') return std::nullopt;
        return atom();
    }

    bool atEnd() {
        skipBlanks();
        return at_ >= text_.size();
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && std::iswspace(text_[at_])) ++at_;
    }

    bool isDelimiter(wchar_t c) const { return std::iswspace(c) || c == L'(' || c == L')' || c == L'"' || c == L'\''; }

    std::optional<LispNode> list() {
        ++at_;
        LispNode node;
        while (true) {
            skipBlanks();
            if (at_ >= text_.size()) return std::nullopt;
            if (text_[at_] == L')') {
                ++at_;
                return node;
            }
            if (text_[at_] == L'.' && at_ + 1 < text_.size() && isDelimiter(text_[at_ + 1])) {
                if (node.items.empty() || node.dotted) return std::nullopt;
                ++at_;
                std::optional<LispNode> last = expression();
                skipBlanks();
                if (!last || at_ >= text_.size() || text_[at_] != L')') return std::nullopt;
                ++at_;
                node.items.push_back(std::move(*last));
                node.dotted = true;
                return node;
            }
            std::optional<LispNode> item = expression();
            if (!item) return std::nullopt;
            node.items.push_back(std::move(*item));
        }
    }

    std::optional<LispNode> text() {
        LispNode node;
        node.kind = LispNode::Kind::Text;
        for (++at_; at_ < text_.size(); ++at_) {
            wchar_t c = text_[at_];
            if (c == L'"') {
                ++at_;
                return node;
            }
            if (c == L'\\' && at_ + 1 < text_.size()) {
                c = text_[++at_];
                if (c == L'n') c = L'\n';
                if (c == L't') c = L'\t';
            }
            node.text.push_back(c);
        }
        return std::nullopt;
    }

    std::optional<LispNode> atom() {
        const std::size_t start = at_;
        while (at_ < text_.size() && !isDelimiter(text_[at_])) ++at_;
        LispNode node;
        node.text = text_.substr(start, at_ - start);
        wchar_t* end = nullptr;
        node.integer = std::wcstol(node.text.c_str(), &end, 10);
        if (*end == L'\0') {
            node.kind = LispNode::Kind::Integer;
            return node;
        }
        node.real = std::wcstod(node.text.c_str(), &end);
        node.kind = *end == L'\0' ? LispNode::Kind::Real : LispNode::Kind::Symbol;
        return node;
    }

    const std::wstring& text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<LispNode> readLispExpression(const std::wstring& line) {
    Reader reader(line);
    std::optional<LispNode> node = reader.expression();
    if (!node || !reader.atEnd()) return std::nullopt;
    return node;
}

}  // namespace rvnshell
