#include "network/line_check.h"

#include "network/number_text.h"
#include "network/text_lines.h"

#include <climits>
#include <cmath>
#include <cwchar>
#include <string_view>

namespace {

bool isBlank(wchar_t ch) { return ch == L' ' || ch == L'\t'; }
bool isDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

std::size_t skipDigits(std::wstring_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

std::size_t skipSign(std::wstring_view text, std::size_t at) {
    return at < text.size() && (text[at] == L'+' || text[at] == L'-') ? at + 1 : at;
}

// The end of the integer that starts at at, or at itself when there is none.
std::size_t integerEnd(std::wstring_view text, std::size_t at) {
    const std::size_t digits = skipSign(text, at);
    const std::size_t end = skipDigits(text, digits);
    return end > digits ? end : at;
}

// The end of the decimal real that starts at at ("12", "1.5", ".5", "3.", "1e-7"), or at itself.
std::size_t realEnd(std::wstring_view text, std::size_t at) {
    const std::size_t whole = skipSign(text, at);
    std::size_t end = skipDigits(text, whole);
    std::size_t digits = end - whole;
    if (end < text.size() && text[end] == L'.') {
        const std::size_t fraction = end + 1;
        end = skipDigits(text, fraction);
        digits += end - fraction;
    }
    if (digits == 0) return at;
    if (end < text.size() && (text[end] == L'e' || text[end] == L'E')) {
        const std::size_t exponent = integerEnd(text, end + 1);
        if (exponent > end + 1) end = exponent;
    }
    return end;
}

bool onlyBlanksFrom(std::wstring_view text, std::size_t at) {
    while (at < text.size() && isBlank(text[at])) ++at;
    if (at < text.size() && text[at] == L'\r') ++at;
    return at == text.size();
}

// The line without its line feed.
std::wstring_view content(const std::wstring& line) {
    const std::wstring_view text(line);
    return text.ends_with(L'\n') ? text.substr(0, text.size() - 1) : text;
}

std::wstring shown(std::wstring_view text) {
    return std::wstring(text.ends_with(L'\r') ? text.substr(0, text.size() - 1) : text);
}

// True when the number that starts at start ends at end and only blanks follow it.
bool wholeNumber(std::wstring_view text, std::size_t start, std::size_t end) {
    return end > start && onlyBlanksFrom(text, end);
}

// Why text does not hold exactly one number of kind; nothing when it does.
std::optional<TzRvnLineProblem> numberProblem(std::wstring_view text, TzRvnNumberKind kind) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    if (onlyBlanksFrom(text, start)) return TzRvnLineProblem::empty;
    const std::size_t end = kind == TzRvnNumberKind::integer ? integerEnd(text, start) : realEnd(text, start);
    if (!wholeNumber(text, start, end)) {
        const bool real = wholeNumber(text, start, realEnd(text, start));
        return real ? TzRvnLineProblem::notInteger : TzRvnLineProblem::notNumber;
    }
    const std::wstring number(text.substr(start, end - start));
    if (kind == TzRvnNumberKind::integer) {
        const long long value = std::wcstoll(number.c_str(), nullptr, 10);
        if (value < INT_MIN || value > INT_MAX) return TzRvnLineProblem::beyondInteger;
    } else if (!std::isfinite(LeadingDouble(number))) {
        return TzRvnLineProblem::beyondReal;
    }
    return std::nullopt;
}

}  // namespace

std::optional<TzRvnLineFault> CheckTextLine(const std::vector<std::wstring>& lines, std::size_t index,
                                            std::size_t bufferSize) {
    const std::size_t number = index + 1;
    if (index >= lines.size()) {
        return TzRvnLineFault{number, TzRvnLineProblem::missing, {}, lines.size()};
    }
    const bool cut = !lines[index].ends_with(L'\n') && index + 1 < lines.size();
    if (cut) return TzRvnLineFault{number, TzRvnLineProblem::tooLong, {}, bufferSize - 2};
    return std::nullopt;
}

std::optional<TzRvnLineFault> CheckNumberLine(const std::vector<std::wstring>& lines, std::size_t index,
                                              std::size_t bufferSize, TzRvnNumberKind kind) {
    if (auto fault = CheckTextLine(lines, index, bufferSize)) return fault;
    const std::optional<TzRvnLineProblem> problem = numberProblem(content(lines[index]), kind);
    if (!problem) return std::nullopt;
    return TzRvnLineFault{index + 1, *problem, shown(content(lines[index])), 0};
}
