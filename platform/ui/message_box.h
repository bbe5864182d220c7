// Message boxes. The box (caption, icon, text) is recorded on the transcript and its answer comes
// from the input source: "yes", "no", "ok", "cancel", "abort", "retry", "ignore" (or their first
// letter, any case), or a plain Return for the default button. A cancel word answers Cancel where
// the box has it (OK on a box with OK alone) and is refused where the box cannot be cancelled; an
// answer the box does not offer is asked again.
#pragma once

#include "win_types.h"

#include <string>

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONHAND = MB_ICONERROR;
inline constexpr UINT MB_ICONSTOP = MB_ICONERROR;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_TYPEMASK = 0x00F;
inline constexpr UINT MB_ICONMASK = 0x0F0;
inline constexpr UINT MB_DEFMASK = 0xF00;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows the box and returns the button chosen (IDOK, IDYES, ...). A null caption shows "Error".
// A toolkit that presents the dialogs shows it (presentation_hooks.h); else when the input source has no more answers the error is recorded and the box answers Cancel
// (OK on a box with OK alone), else No, else its first button.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

namespace rvnhost {
// The transcript line of a box: "[icon] caption: text", without the brackets when it has no icon.
std::wstring messageBoxRecord(std::wstring_view caption, std::wstring_view text, UINT type);
}  // namespace rvnhost
