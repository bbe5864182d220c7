#include "network/text_lines.h"

#include "network/unicode_text.h"

std::vector<std::wstring> SplitInputLines(std::string_view utf8, std::size_t bufferSize) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) utf8.remove_prefix(kByteOrderMark.size());
    const std::wstring text = rvnutf::fromUtf8(utf8);
    const std::size_t maxChars = bufferSize > 1 ? bufferSize - 1 : 1;
    std::vector<std::wstring> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && end - pos < maxChars) {
            if (text[end++] == L'\n') break;
        }
        lines.emplace_back(text, pos, end - pos);
        pos = end;
    }
    return lines;
}

std::wstring_view StripLineEnd(std::wstring_view line) {
    return line.substr(0, line.find_first_of(std::wstring_view(L"\n\r\0", 3)));
}
