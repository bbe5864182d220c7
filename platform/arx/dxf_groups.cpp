#include "dxf_groups.h"

#include "dxf_text.h"

namespace rvnhost {

namespace {

// The next line of text from at (without its line end); false at the end of the text.
bool nextLine(std::string_view text, std::size_t& at, std::string_view& line) {
    if (at >= text.size()) return false;
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end + 1;
    return true;
}

}  // namespace

bool splitDxfGroups(std::string_view text, std::vector<DxfGroup>& groups, std::wstring& message) {
    groups.clear();
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::size_t at = 0;
    std::size_t line = 0;
    std::string_view codeLine, valueLine;
    while (nextLine(text, at, codeLine)) {
        ++line;
        long long code = 0;
        if (codeLine.find_first_not_of(" \t") == std::string_view::npos && at >= text.size()) break;
        if (!parseDxfInteger(codeLine, code) || code < -32768 || code > 32767) {
            message = L"line " + std::to_wstring(line) + L": a group code was expected";
            return false;
        }
        if (!nextLine(text, at, valueLine)) {
            message = L"line " + std::to_wstring(line) + L": the group has no value";
            return false;
        }
        groups.push_back({static_cast<int>(code), valueLine, line});
        ++line;
    }
    return true;
}

}  // namespace rvnhost
