// The groups of a DXF file's text, each a code and its value line, split without interpreting
// the values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rvnhost {

struct DxfGroup {
    int code = 0;
    std::string_view value;  // a view into the text, without its line end
    std::size_t line = 0;    // the line of the code, counted from 1
};

// Splits text (lines ending in "\n" or "\r\n", a UTF-8 byte order mark allowed) into groups.
// False, with a message naming the line, when a code is not an integer or a value is missing.
bool splitDxfGroups(std::string_view text, std::vector<DxfGroup>& groups, std::wstring& message);

}  // namespace rvnhost
