#include "clipboard.h"

#include <optional>
#include <string>

namespace {

struct Clipboard {
    bool open = false;
    std::optional<std::wstring> text;
};

Clipboard& clipboard() {
    static Clipboard board;
    return board;
}

}  // namespace

BOOL OpenClipboard(HWND) {
    if (clipboard().open) return FALSE;
    clipboard().open = true;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!clipboard().open) return FALSE;
    clipboard().open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!clipboard().open) return FALSE;
    clipboard().text.reset();
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    if (!clipboard().open || format != CF_UNICODETEXT || !data) return nullptr;
    clipboard().text = static_cast<const wchar_t*>(data);
    return data;
}

HANDLE GetClipboardData(UINT format) {
    if (!clipboard().open || format != CF_UNICODETEXT || !clipboard().text) return nullptr;
    return const_cast<wchar_t*>(clipboard().text->c_str());
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return format == CF_UNICODETEXT && clipboard().text ? TRUE : FALSE;
}
