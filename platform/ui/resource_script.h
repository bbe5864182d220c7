// A module's resource script, read into templates: dialogs (DIALOGEX blocks), menus (MENU blocks),
// icons and string tables, written in the usual resource-script form. Sizes and positions are dialog units.
//     9068 DIALOGEX 0, 0, 220, 110
//     STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
//     CAPTION "Inserimento NODO"
//     FONT 8, "MS Shell Dlg"
//     BEGIN
//         LTEXT "Nome/Numero", IDC_STATIC, 7, 9, 60, 8
//         EDITTEXT 9023, 70, 7, 80, 12, ES_AUTOHSCROLL
//         DEFPUSHBUTTON "OK", IDOK, 110, 90, 50, 14
//     END
//     9000 ICON "rivanta.ico"
//     9076 MENU
//     BEGIN
//         POPUP "Griglia"
//         BEGIN
//             MENUITEM "Copia", 32775
//             MENUITEM SEPARATOR
//             MENUITEM "Incolla", 32776, GRAYED
//         END
//     END
// "#define NAME number" names ids; "//" starts a comment; strings are UTF-8, "" is a quotation mark.
#pragma once

#include "win_types.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rvnhost {

struct DialogUnits {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id = 0;
    std::wstring className;  // "STATIC", "EDIT", "BUTTON", "COMBOBOX", "LISTBOX" or another class
    std::wstring text;
    DWORD style = 0;
    DialogUnits place;
};

struct DialogTemplate {
    int id = 0;
    std::wstring caption;
    DWORD style = 0;
    std::wstring fontName;
    int fontSize = 8;
    DialogUnits place;
    std::vector<ControlTemplate> controls;
};

// A menu item: a command (text, id), a separator, or a popup with items of its own. flags holds
// the menu flags (MF_SEPARATOR, MF_POPUP, MF_GRAYED, MF_CHECKED ...).
struct MenuItemTemplate {
    std::wstring text;
    int id = 0;
    UINT flags = 0;
    std::vector<MenuItemTemplate> items;
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> items;
};

struct ResourceScript {
    std::map<int, DialogTemplate> dialogs;
    std::map<int, MenuTemplate> menus;
    std::map<int, std::wstring> icons;    // id -> file named by the script
    std::map<int, std::wstring> strings;  // STRINGTABLE entries
};

// Where and why a script could not be read.
struct ResourceScriptError {
    int line = 0;
    std::wstring reason;
};

// Reads the whole script; on the first fault, nothing but the error.
std::optional<ResourceScript> parseResourceScript(std::string_view text, ResourceScriptError& error);

}  // namespace rvnhost
