// The tokens of a resource script: numbers, names, strings and the punctuation ',' and '|', each
// with its line. Comments and preprocessor lines are taken out; "#define NAME number" lines are
// kept as definitions.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rvnhost {

struct ResourceToken {
    enum class Kind { Number, Name, String, Comma, Bar };
    Kind kind;
    std::string text;  // the name, the string's bytes without its quotes, or the number's digits
    long long number = 0;
    int line = 0;
};

struct ResourceTokens {
    std::vector<ResourceToken> tokens;
    std::map<std::string, long long> defines;
};

// The tokens of text; on a fault (an unterminated string, a stray character, a malformed
// definition) nothing, with the line and the reason.
std::optional<ResourceTokens> tokenizeResourceScript(std::string_view text, int& faultLine, std::wstring& reason);

}  // namespace rvnhost
