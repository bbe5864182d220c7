// The reader of the command line's LISP: an expression as a tree of atoms and lists.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rvnshell {

struct LispNode {
    enum class Kind { Integer, Real, Text, Symbol, List };
    Kind kind = Kind::List;
    long integer = 0;
    double real = 0.0;
    std::wstring text;  // a text's characters or a symbol's name
    std::vector<LispNode> items;
    bool dotted = false;  // a list (a . b): its last item follows the dot
    bool quoted = false;

    bool isNumber() const { return kind == Kind::Integer || kind == Kind::Real; }
    double number() const { return kind == Kind::Integer ? static_cast<double>(integer) : real; }
};

// The one expression the line holds; nothing when it is not exactly one well-formed expression.
std::optional<LispNode> readLispExpression(const std::wstring& line);

}  // namespace rvnshell
