#include "afx_menu.h"
#include "afx_resources.h"
#include "afx_wnd.h"
#include "input_queue.h"
#include "module_resources.h"
#include "resource_script.h"
#include "transcript.h"

#include <gtest/gtest.h>

namespace {

using rvnhost::Transcript;

constexpr UINT kGridMenu = 9076;

TEST(MenuResources, AMenuBlockReadsWithItsPopupsSeparatorsAndOptions) {
    rvnhost::ResourceScriptError error;
    const auto script = rvnhost::parseResourceScript(R"rc(
#define IDM_COPY 32775
100 MENU
BEGIN
    POPUP "&File", GRAYED
    BEGIN
        MENUITEM "Copia", IDM_COPY, CHECKED GRAYED
        MENUITEM SEPARATOR
        MENUITEM "Incolla", 32776, INACTIVE
    END
    MENUITEM "Esci", 2
END
)rc", error);
    ASSERT_TRUE(script) << error.line << ": " << std::string(error.reason.begin(), error.reason.end());
    const rvnhost::MenuTemplate& menu = script->menus.at(100);
    ASSERT_EQ(menu.items.size(), 2u);
    EXPECT_EQ(menu.items[0].text, L"&File");
    EXPECT_EQ(menu.items[0].flags, MF_POPUP | MF_GRAYED);
    ASSERT_EQ(menu.items[0].items.size(), 3u);
    EXPECT_EQ(menu.items[0].items[0].id, 32775);
    EXPECT_EQ(menu.items[0].items[0].flags, MF_CHECKED | MF_GRAYED);
    EXPECT_EQ(menu.items[0].items[1].flags, MF_SEPARATOR);
    EXPECT_EQ(menu.items[0].items[2].flags, MF_DISABLED);
    EXPECT_EQ(menu.items[1].id, 2);
}

TEST(MenuResources, LoadMenuMakesTheMenuOfTheModulesTemplate) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kGridMenu));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 7);
    EXPECT_EQ(popup->GetMenuItemID(0), 32773u);
    EXPECT_TRUE(popup->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(popup->GetMenuState(32772, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(32783, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(menu.LoadMenu(kGridMenu));  // a CMenu holds one menu

    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(4242));
}

class CommandWindow : public CWnd {
public:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    std::vector<UINT> commands;
};

// How a grayed item is listed and refused is the grid window's menu's (tests/database).
TEST(PopupMenu, TheItemChosenComesFromTheInputByTextOrIdAndAGrayedOneIsAskedAgain) {
    Transcript::instance().clear();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(kGridMenu));
    CMenu& popup = *menu.GetSubMenu(0);
    rvntest::QueuedInput input({L"Elimina Riga", L"Sposta", L"inserisci riga", L"32775", L"altro > stampa", L"",
                                L"esc"});
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 32771);
    EXPECT_TRUE(Transcript::instance().contains(L"The menu has no item \"Sposta\""));
    EXPECT_TRUE(Transcript::instance().contains(L"[32783 Altro > Stampa]"));

    CommandWindow owner;
    owner.Create(L"#32770", L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0);
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner));
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner));
    EXPECT_EQ(owner.commands, (std::vector<UINT>{32775, 32783}));
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner));  // an empty line closes it
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner));
    EXPECT_EQ(owner.commands.size(), 2u);
    EXPECT_FALSE(input.ranOut());
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner));  // no more input
    EXPECT_TRUE(input.ranOut());
}

}  // namespace
