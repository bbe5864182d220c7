// The title block template "TZ-RR.SIG": the labels of the six rows, one a line.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr wchar_t kTitleBlockTemplateName[] = L"TZ-RR.SIG";

using TzRvnTitleBlockLabels = std::array<std::wstring, 6>;

// The labels of the template's text (UTF-8, "\n" or "\r\n" line ends). Each of the first six
// lines is read into a buffer of 20 characters, so a longer line is cut after 19 and its rest read
// as the next line; the last character of each non-empty line read (its line end) is dropped. A
// line that is missing or empty gives a row without a label.
TzRvnTitleBlockLabels ReadTitleBlockLabels(std::string_view utf8);
