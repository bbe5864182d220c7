#include "analysis/inp_lines.h"

#include <cwctype>

namespace {

bool isBlank(wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\v' || ch == L'\f'; }

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Cuts one line into its tokens (into tokens, cleared first) and its comment.
std::wstring_view cutLine(std::wstring_view text, std::vector<std::wstring_view>& tokens) {
    tokens.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
        } else if (text[i] == L';') {
            return trimmed(text.substr(i + 1));
        } else if (text[i] == L'"') {
            const std::size_t close = text.find(L'"', i + 1);
            const std::size_t end = close == std::wstring_view::npos ? text.size() : close;
            tokens.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < text.size() && !isBlank(text[end]) && text[end] != L';' && text[end] != L'"') ++end;
            tokens.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return {};
}

std::wstring upperCase(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& ch : upper) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    return upper;
}

}  // namespace

std::vector<TzRvnInpSection> SplitInpSections(std::wstring_view text) {
    if (text.starts_with(L'\xFEFF')) text.remove_prefix(1);
    std::vector<TzRvnInpSection> sections(1);
    std::vector<std::wstring_view> tokens;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        const std::wstring_view lineText = text.substr(0, end);
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
        const std::wstring_view comment = cutLine(lineText, tokens);
        ++number;
        if (!tokens.empty() && tokens.front().starts_with(L'[')) {
            sections.push_back({upperCase(tokens.front()), number, {}});
        } else if (!tokens.empty() || !comment.empty()) {
            sections.back().lines.push_back({number, {tokens.begin(), tokens.end()}, comment});
        }
    }
    if (sections.front().lines.empty()) sections.erase(sections.begin());
    return sections;
}
