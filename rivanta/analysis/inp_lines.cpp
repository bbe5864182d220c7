#include "analysis/inp_lines.h"

#include "text_codec.h"

#include <cwctype>

namespace {

bool isBlank(wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\v' || ch == L'\f'; }

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Cuts one line into its tokens and comment.
TzRvnInpLine cutLine(std::wstring_view text, int number) {
    TzRvnInpLine line;
    line.number = number;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
        } else if (text[i] == L';') {
            line.comment = trimmed(text.substr(i + 1));
            break;
        } else if (text[i] == L'"') {
            const std::size_t close = text.find(L'"', i + 1);
            const std::size_t end = close == std::wstring_view::npos ? text.size() : close;
            line.tokens.emplace_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < text.size() && !isBlank(text[end]) && text[end] != L';' && text[end] != L'"') ++end;
            line.tokens.emplace_back(text.substr(i, end - i));
            i = end;
        }
    }
    return line;
}

bool isHeader(const TzRvnInpLine& line) { return !line.tokens.empty() && line.tokens.front().starts_with(L'['); }

std::wstring upperCase(std::wstring text) {
    for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    return text;
}

}  // namespace

std::vector<TzRvnInpSection> SplitInpSections(std::string_view utf8) {
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    std::vector<TzRvnInpSection> sections(1);
    int number = 0;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        const std::string_view bytes = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        TzRvnInpLine line = cutLine(rvnos::fromUtf8(bytes), ++number);
        if (isHeader(line)) {
            sections.push_back({upperCase(line.tokens.front()), number, {}});
        } else if (!line.tokens.empty() || !line.comment.empty()) {
            sections.back().lines.push_back(std::move(line));
        }
    }
    if (sections.front().lines.empty()) sections.erase(sections.begin());
    return sections;
}
