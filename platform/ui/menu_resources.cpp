// Menus made from the menu templates of the modules' resource scripts.
#include "afx_menu.h"
#include "afx_resources.h"
#include "module_resources.h"

namespace {

void appendItems(HMENU menu, const std::vector<rvnhost::MenuItemTemplate>& items) {
    for (const rvnhost::MenuItemTemplate& item : items) {
        if (item.flags & MF_POPUP) {
            HMENU popup = CreatePopupMenu();
            appendItems(popup, item.items);
            AppendMenuW(menu, item.flags, reinterpret_cast<UINT_PTR>(popup), item.text.c_str());
        } else {
            AppendMenuW(menu, item.flags, static_cast<UINT_PTR>(item.id), item.text.c_str());
        }
    }
}

HMENU menuOf(const std::optional<rvnhost::MenuTemplate>& found) {
    if (!found) return nullptr;
    HMENU menu = CreateMenu();
    appendItems(menu, found->items);
    return menu;
}

}  // namespace

HMENU LoadMenuW(HINSTANCE module, LPCWSTR name) {
    const auto id = static_cast<int>(reinterpret_cast<UINT_PTR>(name));
    if (!module || id <= 0 || id > 0xFFFF) return nullptr;
    return menuOf(rvnhost::moduleMenuTemplate(module, id));
}

BOOL CMenu::LoadMenu(UINT id) {
    if (m_hMenu) return FALSE;
    HMENU menu = menuOf(rvnhost::findMenuTemplate(static_cast<int>(id)));
    return menu ? Attach(menu) : FALSE;
}
