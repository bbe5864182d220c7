// A translator library for the tests, built as TZTranslatorDll.dll: every text it translates comes
// back in square brackets (after its leading line ends), so that a translated text is told from an
// untranslated one at a glance.
// Each call is written to a log the tests read through RvnTranslatorLog.
// A variant built with RVN_OMIT_FUNCTION=n lacks the n-th of the seven required functions.
#include "afx_menu.h"
#include "afx_wnd.h"

#include <algorithm>
#include <cwchar>
#include <string>

#ifndef RVN_OMIT_FUNCTION
#define RVN_OMIT_FUNCTION 0
#endif

namespace {

std::wstring callLog;

void logCall(const std::wstring& call) { callLog += call + L";"; }

std::wstring bracketed(const std::wstring& text) {
    const std::size_t start = std::min(text.find_first_not_of(L'\n'), text.size());
    return text.substr(0, start) + L"[" + text.substr(start) + L"]";
}

#if RVN_OMIT_FUNCTION != 1
void translateWindow(CWnd* window) {
    std::wstring text;
    window->GetWindowText(text);
    window->SetWindowText(bracketed(text).c_str());
    for (CWnd* child = window->GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT)) {
        translateWindow(child);
    }
}
#endif

#if RVN_OMIT_FUNCTION != 6
void translateMenu(HMENU menu) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const UINT at = static_cast<UINT>(position);
        const UINT state = GetMenuState(menu, at, MF_BYPOSITION);
        if (state & MF_SEPARATOR) continue;
        HMENU popup = GetSubMenu(menu, position);
        if (popup) translateMenu(popup);
        wchar_t text[256];
        GetMenuStringW(menu, at, text, 256, MF_BYPOSITION);
        const UINT_PTR item = popup ? reinterpret_cast<UINT_PTR>(popup) : GetMenuItemID(menu, position);
        ModifyMenuW(menu, at, state | MF_BYPOSITION, item, bracketed(text).c_str());
    }
}
#endif

}  // namespace

extern "C" {

#if RVN_OMIT_FUNCTION != 1
void TraduciMfc(CWnd* window, const wchar_t* appName, const wchar_t* extension) {
    logCall(std::wstring(L"TraduciMfc(") + appName + L"," + extension + L")");
    translateWindow(window);
}
#endif

#if RVN_OMIT_FUNCTION != 2
// The buffer holds 1024 units; the translation is cut to fit.
void TraduciMessaggioVoid(wchar_t* text, const wchar_t* appName, const wchar_t* extension) {
    logCall(std::wstring(L"TraduciMessaggioVoid(") + appName + L"," + extension + L")");
    const std::wstring translated = bracketed(text).substr(0, 1023);
    std::wmemcpy(text, translated.c_str(), translated.size() + 1);
}
#endif

#if RVN_OMIT_FUNCTION != 3
void FiltraDizPerLib() { logCall(L"FiltraDizPerLib"); }
#endif

#if RVN_OMIT_FUNCTION != 4
void SetAppName(const wchar_t* appName, const wchar_t* extension) {
    logCall(std::wstring(L"SetAppName(") + appName + L"," + extension + L")");
}
#endif

#if RVN_OMIT_FUNCTION != 5
void FreeDllStrings(const wchar_t* appName) { logCall(std::wstring(L"FreeDllStrings(") + appName + L")"); }
#endif

#if RVN_OMIT_FUNCTION != 6
void TraduciMenu(CMenu* menu) {
    logCall(L"TraduciMenu");
    translateMenu(menu->GetSafeHmenu());
}
#endif

#if RVN_OMIT_FUNCTION != 7
void TrTab() { logCall(L"TrTab"); }
#endif

const wchar_t* RvnTranslatorLog() { return callLog.c_str(); }

void RvnClearTranslatorLog() { callLog.clear(); }

}  // extern "C"
