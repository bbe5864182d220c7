#include "afx_menu.h"

#include <algorithm>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr UINT kAbsent = static_cast<UINT>(-1);

struct MenuItem {
    UINT flags = MF_STRING;
    UINT id = 0;
    HMENU popup = nullptr;
    std::wstring text;
};

}  // namespace

struct HMENU__ {
    std::vector<MenuItem> items;
    std::unique_ptr<CMenu> view;  // the CMenu FromHandle gives, which does not own the menu
    CMenu* owner = nullptr;       // the CMenu that destroys the menu, told when it goes first
};

namespace {

std::set<HMENU>& liveMenus() {
    static std::set<HMENU> menus;
    return menus;
}

HMENU live(HMENU menu) { return menu && liveMenus().count(menu) ? menu : nullptr; }

HMENU newMenu() {
    HMENU menu = new HMENU__;
    liveMenus().insert(menu);
    return menu;
}

// The menu holding the item and the item's index there; by command id the popups are searched too.
struct ItemPlace {
    HMENU menu = nullptr;
    std::size_t index = 0;
};

ItemPlace findItem(HMENU menu, UINT item, UINT flags) {
    if (!live(menu)) return {};
    if (flags & MF_BYPOSITION) return item < menu->items.size() ? ItemPlace{menu, item} : ItemPlace{};
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& entry = menu->items[i];
        if (entry.popup) {
            if (ItemPlace inPopup = findItem(entry.popup, item, flags); inPopup.menu) return inPopup;
        } else if (!(entry.flags & MF_SEPARATOR) && entry.id == item) {
            return {menu, i};
        }
    }
    return {};
}

bool makeItem(UINT flags, UINT_PTR item, LPCWSTR text, MenuItem& made) {
    made.flags = flags & ~MF_BYPOSITION;
    if (flags & MF_POPUP) {
        made.popup = live(reinterpret_cast<HMENU>(item));
        if (!made.popup) return false;
    } else {
        made.id = static_cast<UINT>(item);
    }
    if (!(flags & MF_SEPARATOR)) made.text = text ? text : L"";
    return true;
}

UINT changeState(HMENU menu, UINT item, UINT flags, UINT stateMask) {
    const ItemPlace place = findItem(menu, item, flags);
    if (!place.menu) return kAbsent;
    MenuItem& entry = place.menu->items[place.index];
    const UINT previous = entry.flags & stateMask;
    entry.flags = (entry.flags & ~stateMask) | (flags & stateMask);
    return previous;
}

}  // namespace

HMENU CreateMenu() { return newMenu(); }

HMENU CreatePopupMenu() { return newMenu(); }

BOOL DestroyMenu(HMENU menu) {
    if (!live(menu)) return FALSE;
    for (const MenuItem& item : menu->items) {
        if (item.popup) DestroyMenu(item.popup);
    }
    liveMenus().erase(menu);
    if (menu->view) menu->view->m_hMenu = nullptr;
    if (menu->owner) {
        menu->owner->m_hMenu = nullptr;
        menu->owner->ownsMenu_ = false;
    }
    delete menu;
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return live(menu) ? TRUE : FALSE; }

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, LPCWSTR text) {
    return InsertMenuW(menu, kAbsent, flags | MF_BYPOSITION, item, text);
}

BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
    MenuItem made;
    if (!live(menu) || !makeItem(flags, item, text, made)) return FALSE;
    std::size_t index = menu->items.size();
    HMENU target = menu;
    if (position != kAbsent) {
        const ItemPlace place = findItem(menu, position, flags);
        if (place.menu) {
            target = place.menu;
            index = place.index;
        }
    }
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(index), std::move(made));
    return TRUE;
}

BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
    const ItemPlace place = findItem(menu, position, flags);
    MenuItem made;
    if (!place.menu || !makeItem(flags, item, text, made)) return FALSE;
    MenuItem& entry = place.menu->items[place.index];
    if (entry.popup && entry.popup != made.popup) DestroyMenu(entry.popup);
    entry = std::move(made);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    const ItemPlace place = findItem(menu, position, flags);
    if (!place.menu) return FALSE;
    place.menu->items.erase(place.menu->items.begin() + static_cast<std::ptrdiff_t>(place.index));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    const ItemPlace place = findItem(menu, position, flags);
    if (!place.menu) return FALSE;
    HMENU popup = place.menu->items[place.index].popup;
    RemoveMenu(place.menu, static_cast<UINT>(place.index), MF_BYPOSITION);
    if (popup) DestroyMenu(popup);
    return TRUE;
}

int GetMenuItemCount(HMENU menu) { return live(menu) ? static_cast<int>(menu->items.size()) : -1; }

UINT GetMenuItemID(HMENU menu, int position) {
    if (!live(menu) || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return kAbsent;
    const MenuItem& item = menu->items[static_cast<std::size_t>(position)];
    return item.popup ? kAbsent : item.id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const ItemPlace place = findItem(menu, item, flags);
    return place.menu ? place.menu->items[place.index].flags : kAbsent;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int maxCount, UINT flags) {
    const ItemPlace place = findItem(menu, item, flags);
    if (!place.menu) return 0;
    const std::wstring& text = place.menu->items[place.index].text;
    if (buffer == nullptr || maxCount <= 0) return static_cast<int>(text.size());
    const int count = std::min(static_cast<int>(text.size()), maxCount - 1);
    std::wmemcpy(buffer, text.c_str(), static_cast<std::size_t>(count));
    buffer[count] = L'\0';
    return count;
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (!live(menu) || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return nullptr;
    return menu->items[static_cast<std::size_t>(position)].popup;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    return changeState(menu, item, enable, MF_GRAYED | MF_DISABLED);
}

UINT CheckMenuItem(HMENU menu, UINT item, UINT check) { return changeState(menu, item, check, MF_CHECKED); }

CMenu::~CMenu() {
    if (ownsMenu_) DestroyMenu();
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu() {
    HMENU menu = Detach();
    return ::DestroyMenu(menu);
}

BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu || !live(menu)) return FALSE;
    m_hMenu = menu;
    ownsMenu_ = true;
    menu->owner = this;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    if (live(menu) && menu->owner == this) menu->owner = nullptr;
    m_hMenu = nullptr;
    ownsMenu_ = false;
    return menu;
}

CMenu* CMenu::FromHandle(HMENU menu) {
    if (!live(menu)) return nullptr;
    if (!menu->view) {
        menu->view = std::make_unique<CMenu>();
        menu->view->m_hMenu = menu;
    }
    return menu->view.get();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR item, LPCWSTR text) { return AppendMenuW(m_hMenu, flags, item, text); }

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
    return InsertMenuW(m_hMenu, position, flags, item, text);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR item, LPCWSTR text) {
    return ModifyMenuW(m_hMenu, position, flags, item, text);
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }

BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }

int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }

int CMenu::GetMenuString(UINT item, LPWSTR buffer, int maxCount, UINT flags) const {
    return GetMenuStringW(m_hMenu, item, buffer, maxCount, flags);
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }

UINT CMenu::EnableMenuItem(UINT item, UINT enable) { return ::EnableMenuItem(m_hMenu, item, enable); }

UINT CMenu::CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
