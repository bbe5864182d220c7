// The system's colour picker, as the class library offers it: shown modal from a colour, it gives
// the colour the user chose. Its actions come from the input source, one a line:
//     colour R,G,B   the colour of red, green and blue intensities 0 to 255 ("color" also)
//     colour N       basic colour N of the picker's palette, 0 to 15 (docs/dialog-actions.md)
//     ok, enter      accepts the colour shown
//     esc, cancel    closes the picker; the colour stays the one it started from
// The transcript records the picker opened and closed with its colour as "R,G,B".
#pragma once

#include "afx_wnd.h"

#include <optional>
#include <string_view>

inline constexpr DWORD CC_RGBINIT = 0x1;
inline constexpr DWORD CC_FULLOPEN = 0x2;
inline constexpr DWORD CC_ANYCOLOR = 0x100;

struct CHOOSECOLORW {
    HWND hwndOwner = nullptr;
    COLORREF rgbResult = 0;  // the colour to start from, then the one chosen
    DWORD Flags = 0;
};

class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    virtual ~CColorDialog() = default;

    // IDOK when a colour was accepted, IDCANCEL otherwise (also when the input runs dry).
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF colour) { m_cc.rgbResult = colour; }

    CHOOSECOLORW m_cc;
};

namespace rvnhost {
// The colour an action's argument names ("R,G,B" or a basic colour's number); nullopt when none.
std::optional<COLORREF> colourOfText(std::wstring_view text);
}  // namespace rvnhost
