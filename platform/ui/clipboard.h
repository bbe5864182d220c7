// The clipboard, one for the whole process: a window opens it, empties it to own it, puts text on
// it (CF_UNICODETEXT) and closes it; any window may open it and read the text. The clipboard keeps
// its own copy of the text; the handle GetClipboardData gives is valid until the content changes.
#pragma once

#include "win_types.h"

inline constexpr UINT CF_UNICODETEXT = 13;

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
// Empties the clipboard; it must be open.
BOOL EmptyClipboard();
// data is a null-terminated wide text, copied; returns data, or null when the clipboard is not
// open or the format is not text.
HANDLE SetClipboardData(UINT format, HANDLE data);
// The text on the clipboard (a null-terminated wide text); null when it is not open or has none.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
