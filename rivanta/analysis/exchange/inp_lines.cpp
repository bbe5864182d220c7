#include "analysis/exchange/inp_lines.h"

#include "network/unicode_text.h"

#include <algorithm>
#include <cwctype>

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Hands each token of text to onToken, up to a ';' outside quotes; returns where that ';' is, or
// the size of text when there is none.
template <typename OnToken>
std::size_t scanTokens(std::string_view text, OnToken onToken) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
        } else if (text[i] == ';') {
            return i;
        } else if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            onToken(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t end = i;
            while (end < text.size() && !isBlank(text[end]) && text[end] != ';' && text[end] != '"') ++end;
            onToken(text.substr(i, end - i));
            i = end;
        }
    }
    return text.size();
}

std::wstring upperCase(std::string_view utf8) {
    std::wstring upper = rvnutf::fromUtf8(utf8);
    for (wchar_t& ch : upper) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    return upper;
}

// One line of text: its first token, whether it has one, its data and its comment.
struct CutLine {
    bool hasToken = false;
    std::string_view firstToken;
    std::string_view data;
    std::string_view comment;
};

CutLine cutLine(std::string_view text) {
    CutLine cut;
    const std::size_t commentAt = scanTokens(text, [&cut](std::string_view token) {
        if (!cut.hasToken) cut.firstToken = token;
        cut.hasToken = true;
    });
    if (cut.hasToken) cut.data = text.substr(0, commentAt);
    if (commentAt < text.size()) cut.comment = trimmed(text.substr(commentAt + 1));
    return cut;
}

// Points the sections at their lines once the array of lines is whole: section s has the lines
// from firstLines[s] up to firstLines[s + 1].
void linkSections(TzRvnInpText& split, const std::vector<std::size_t>& firstLines) {
    const std::span<const TzRvnInpLine> lines(split.lines);
    for (std::size_t s = 0; s < split.sections.size(); ++s) {
        split.sections[s].lines = lines.subspan(firstLines[s], firstLines[s + 1] - firstLines[s]);
    }
}

}  // namespace

TzRvnInpText SplitInpSections(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    TzRvnInpText split;
    split.lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    split.sections.emplace_back();
    std::vector<std::size_t> firstLines{0};
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const CutLine cut = cutLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (cut.hasToken && cut.firstToken.starts_with('[')) {
            split.sections.push_back({upperCase(cut.firstToken), number, {}});
            firstLines.push_back(split.lines.size());
        } else if (cut.hasToken || !cut.comment.empty()) {
            split.lines.push_back({number, cut.data, cut.comment});
        }
    }
    firstLines.push_back(split.lines.size());
    linkSections(split, firstLines);
    if (split.sections.front().lines.empty()) split.sections.erase(split.sections.begin());
    return split;
}

bool IsAsciiText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

void CutInpTokens(const TzRvnInpLine& line, std::vector<std::string_view>& tokens) {
    tokens.clear();
    scanTokens(line.data, [&tokens](std::string_view token) { tokens.push_back(token); });
}
