// Menus: an ordered list of items, each a text with a command id, a separator, or a popup that
// holds a menu of its own. CMenu is the class-library wrapper; the Win32 functions below reach the
// same menus by handle. Destroying a menu destroys its popups; a destroyed handle is refused.
#pragma once

#include "win_types.h"

#include <memory>

class CWnd;

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu {
public:
    CMenu() = default;
    // Destroys the menu it owns (one it created or attached).
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // Makes the menu of the menu template with that id, searched in the current resource module,
    // then the chain; FALSE when none has it.
    BOOL LoadMenu(UINT id);
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    // The CMenu of a menu handle (one that does not own it); nullptr for a null or destroyed handle.
    static CMenu* FromHandle(HMENU menu);

    // For MF_POPUP, item is the popup's HMENU, which the menu then owns.
    BOOL AppendMenu(UINT flags, UINT_PTR item = 0, LPCWSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR item = 0, LPCWSTR text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR item = 0, LPCWSTR text = nullptr);
    BOOL RemoveMenu(UINT position, UINT flags);
    BOOL DeleteMenu(UINT position, UINT flags);

    int GetMenuItemCount() const;
    // The command id of the item at the position; -1 (as UINT) for a popup.
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuString(UINT item, LPWSTR buffer, int maxCount, UINT flags) const;
    CMenu* GetSubMenu(int position) const;
    UINT EnableMenuItem(UINT item, UINT enable);
    UINT CheckMenuItem(UINT item, UINT check);
    // Shows the popup menu and takes the item chosen from the input source (popup_menu.h).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect = nullptr);

    HMENU m_hMenu = nullptr;

private:
    friend BOOL DestroyMenu(HMENU menu);
    bool ownsMenu_ = false;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, LPCWSTR text);
BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text);
BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
// The item's flags (MF_GRAYED, MF_CHECKED, MF_POPUP, MF_SEPARATOR ...); -1 (as UINT) when absent.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int maxCount, UINT flags);
HMENU GetSubMenu(HMENU menu, int position);
// Both return the item's previous state (MF_GRAYED/MF_DISABLED, or MF_CHECKED), -1 when absent.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT CheckMenuItem(HMENU menu, UINT item, UINT check);
// The menu of the template with that numeric id (MAKEINTRESOURCEW) in the module's script; null
// when it has none.
HMENU LoadMenuW(HINSTANCE module, LPCWSTR name);
// Shows the menu and takes the item chosen from the input source: with TPM_RETURNCMD the command
// id is returned, else the owner gets it as a menu command (OnCommand) and TRUE is returned; 0
// when the menu is closed without a choice.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
