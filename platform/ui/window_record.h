// What the window manager keeps of one window: the common state every window has and the state of
// the standard controls (edit, button, combo box, list box). Only the window code reads it.
#pragma once

#include "afx_wnd.h"

#include <optional>
#include <string>
#include <vector>

struct HICON__;

struct ControlState {
    int textLimit = 0;  // characters an edit control takes; 0 for no limit
    int selectionStart = 0;
    int selectionEnd = 0;
    UINT check = 0;
    std::vector<std::wstring> items;
    int selected = -1;
    HICON__* icon = nullptr;
    std::optional<COLORREF> background;  // painted behind a static control; none: the dialog's own
};

struct HWND__ {
    CWnd* owner = nullptr;
    std::wstring className;
    std::wstring text;
    DWORD style = 0;
    int id = 0;
    HWND parent = nullptr;
    std::vector<HWND> children;
    HMENU menu = nullptr;
    RECT rect{0, 0, 0, 0};  // pixels: a dialog's on the screen, a control's in its dialog's client area
    ControlState control;
};

namespace rvnhost {
// The window's record when it is alive; nullptr for a null or destroyed handle.
HWND__* liveRecord(HWND window);
// Takes the focus from every window without telling any: a dialog that has ended hears nothing more.
void dropFocus();
}  // namespace rvnhost
