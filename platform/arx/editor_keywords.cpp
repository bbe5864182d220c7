#include "editor_keywords.h"

#include <cwctype>

namespace rvnhost {

namespace {

std::wstring upperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

std::vector<std::wstring_view> tokens(std::wstring_view list) {
    std::vector<std::wstring_view> found;
    std::size_t at = 0;
    while (at < list.size()) {
        const std::size_t start = list.find_first_not_of(L" \t", at);
        if (start == std::wstring_view::npos) break;
        const std::size_t end = std::min(list.find_first_of(L" \t", start), list.size());
        found.push_back(list.substr(start, end - start));
        at = end;
    }
    return found;
}

}  // namespace

KeywordList::KeywordList(std::wstring_view list) {
    bool global = false;
    for (std::wstring_view token : tokens(list)) {
        if (token == L"_") {
            global = true;
            continue;
        }
        (global ? globals_ : locals_).push_back(parseKeyword(token));
    }
}

KeywordList::Keyword KeywordList::parseKeyword(std::wstring_view token) {
    const std::size_t comma = token.find(L',');
    if (comma != std::wstring_view::npos) {
        return {std::wstring(token.substr(0, comma)), upperCase(token.substr(comma + 1)), 0};
    }
    // A keyword of capitals (digits and hyphens aside) is typed whole; else its capitals abbreviate it.
    constexpr std::wstring_view kCapitals = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    Keyword keyword{std::wstring(token), upperCase(token), 0};
    const std::size_t first = token.find_first_of(kCapitals);
    const bool allCapitals = token.find_first_not_of(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") == std::wstring_view::npos;
    if (first != std::wstring_view::npos && !allCapitals) {
        const std::size_t last = token.find_last_of(kCapitals);
        keyword.abbreviation = std::wstring(token.substr(first, last - first + 1));
        keyword.abbreviationAt = first;
    }
    return keyword;
}

bool KeywordList::names(const Keyword& keyword, std::wstring_view answer) {
    const std::wstring typed = upperCase(answer);
    const std::wstring whole = upperCase(keyword.name);
    if (typed == whole) return true;
    const std::wstring_view fromAbbreviation = std::wstring_view(whole).substr(keyword.abbreviationAt);
    return typed.size() >= keyword.abbreviation.size() && typed.starts_with(keyword.abbreviation) &&
           fromAbbreviation.starts_with(typed);
}

std::optional<std::wstring> KeywordList::match(std::wstring_view answer) const {
    if (answer.empty()) return std::nullopt;
    if (answer.size() > 1 && answer[0] == L'_') {
        for (const Keyword& keyword : globals_.empty() ? locals_ : globals_) {
            if (names(keyword, answer.substr(1))) return keyword.name;
        }
        return std::nullopt;
    }
    for (std::size_t i = 0; i < locals_.size(); ++i) {
        if (!names(locals_[i], answer)) continue;
        if (globals_.empty()) return locals_[i].name;
        return i < globals_.size() ? globals_[i].name : std::wstring();
    }
    return std::nullopt;
}

}  // namespace rvnhost
