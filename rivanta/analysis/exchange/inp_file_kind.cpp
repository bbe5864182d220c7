#include "analysis/exchange/inp_file_kind.h"

#include <algorithm>

namespace {

constexpr std::size_t kBytesLookedAt = 4096;

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// A byte that no text line holds: control characters other than blanks, and DEL.
bool control(unsigned char c) { return (c < 0x20 && !blank(static_cast<char>(c))) || c == 0x7F; }

bool utf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
    // ASCII text in UTF-16 without a byte order mark: every other byte is 0.
    const std::string_view head = bytes.substr(0, kBytesLookedAt);
    std::size_t evenZeros = 0, oddZeros = 0;
    for (std::size_t i = 0; i < head.size(); ++i) (i % 2 ? oddZeros : evenZeros) += head[i] == '\0';
    return head.size() >= 2 && std::max(evenZeros, oddZeros) * 2 >= head.size() - 1;
}

}  // namespace

std::optional<TzRvnInpFileRefusal> InpFileKindRefusal(std::string_view bytes) {
    std::string_view text = bytes;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (std::all_of(text.begin(), text.end(), blank)) return TzRvnInpFileRefusal{TzRvnInpFileProblem::empty};
    if (utf16(bytes)) return TzRvnInpFileRefusal{TzRvnInpFileProblem::utf16};
    const auto found = std::find_if(text.begin(), text.end(), [](char c) { return control(static_cast<unsigned char>(c)); });
    if (found == text.end()) return std::nullopt;
    return TzRvnInpFileRefusal{TzRvnInpFileProblem::notText, static_cast<unsigned char>(*found),
                               static_cast<int>(found - bytes.begin())};
}
