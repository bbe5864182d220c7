#include "profiles/title_block_labels.h"

#include "network/text_lines.h"

#include <vector>

namespace {

constexpr std::size_t kLabelBuffer = 20;

// The text with each "\r\n" made "\n", as a text-mode read gives it.
std::string withLineFeeds(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        text.push_back(utf8[i]);
    }
    return text;
}

}  // namespace

TzRvnTitleBlockLabels ReadTitleBlockLabels(std::string_view utf8) {
    const std::vector<std::wstring> lines = SplitInputLines(withLineFeeds(utf8), kLabelBuffer);
    TzRvnTitleBlockLabels labels;
    for (std::size_t row = 0; row < labels.size() && row < lines.size(); ++row) {
        labels[row] = lines[row].substr(0, lines[row].empty() ? 0 : lines[row].size() - 1);
    }
    return labels;
}
