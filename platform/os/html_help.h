// The HTML Help viewer. Asked to display a topic ("file.chm::/topic"), it opens the help file when
// the file exists: the request is recorded and a line goes on the transcript. A help file that does
// not exist cannot be loaded, and then nothing happens.
#pragma once

#include "win_types.h"

#include <string>
#include <vector>

inline constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
inline constexpr UINT HH_CLOSE_ALL = 0x0012;

// Shows the topic named by file ("help.chm::/topic") or by file plus the topic text in data.
// The viewer's window, or nullptr when nothing was shown.
HWND HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

namespace rvnos {
// Every topic shown so far, as "file.chm::/topic", in order.
const std::vector<std::wstring>& shownHelpTopics();
void clearShownHelpTopics();
}  // namespace rvnos
