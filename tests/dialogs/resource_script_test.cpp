#include "module_resources.h"
#include "resource_script.h"
#include "win_styles.h"

#include <gtest/gtest.h>

#include <afx_resources.h>
#include <module_loader.h>

#include <string>
#include <tuple>

extern "C" const char* rvnResourceScript();

namespace {

using rvnhost::DialogTemplate;
using rvnhost::parseResourceScript;
using rvnhost::ResourceScriptError;

// Ids through #define and IDC_STATIC are those of the plug-in's templates that every dialog test opens;
// the caption is the dialogs' record of this script's dialog (dialog_test.cpp).
TEST(ResourceScript, ReadsDialogsIconsAndStrings) {
    ResourceScriptError error;
    const auto script = parseResourceScript(rvnResourceScript(), error);
    ASSERT_TRUE(script) << error.line << ": " << std::string(error.reason.begin(), error.reason.end());
    ASSERT_EQ(script->dialogs.count(9068), 1u);
    const DialogTemplate& node = script->dialogs.at(9068);
    EXPECT_EQ(node.fontSize, 8);
    EXPECT_EQ(node.style, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    ASSERT_EQ(node.controls.size(), 13u);

    const auto& name = node.controls[3];
    EXPECT_EQ(name.className, L"EDIT");
    EXPECT_EQ(name.style, ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(node.controls[6].text, L"Unità");  // UTF-8 text
    EXPECT_EQ(node.controls[8].className, L"BUTTON");  // CONTROL's class, upper case
    EXPECT_EQ(node.controls[8].style & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(node.controls[11].style & WS_TABSTOP, 0u);  // NOT takes the default away
    EXPECT_EQ(node.controls[12].className, L"STATIC");    // a colour swatch
    EXPECT_EQ(node.controls[12].style, SS_SUNKEN | SS_NOTIFY | WS_CHILD | WS_VISIBLE);

    EXPECT_EQ(script->icons.at(9000), L"rivanta.ico");
    EXPECT_EQ(script->strings.at(100), L"Nodo \"principale\"");
}

class ResourceScriptFault : public ::testing::TestWithParam<std::tuple<const char*, int, const wchar_t*>> {};

TEST_P(ResourceScriptFault, NamesTheLineAndTheFault) {
    const auto [text, line, reason] = GetParam();
    ResourceScriptError error;
    EXPECT_FALSE(parseResourceScript(text, error));
    EXPECT_EQ(error.line, line);
    EXPECT_NE(error.reason.find(reason), std::wstring::npos) << std::string(error.reason.begin(), error.reason.end());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ResourceScriptFault,
    ::testing::Values(
        std::make_tuple("1 DIALOGEX 0,0,10,10\nCAPTION \"open\nBEGIN\nEND", 2, L"closing quotation mark"),
        std::make_tuple("1 DIALOGEX 0,0,10,10\nBEGIN\n EDITTEXT IDC_MISSING,1,1,1,1\nEND", 3, L"IDC_MISSING"),
        std::make_tuple("1 DIALOGEX 0,0,10,10\nBEGIN\n EDITTEXT 5,1,1,1,1\n", 3, L"no END"),
        std::make_tuple("1 DIALOGEX 0,0,10\nBEGIN\nEND", 2, L"comma"),
        std::make_tuple("1 DIALOGEX 0,0,1,1\nBEGIN\nEND\n1 DIALOGEX 0,0,1,1\nBEGIN\nEND", 6, L"defined twice"),
        std::make_tuple("1 DIALOGEX 0,0,1,1\nBEGIN\n SLIDER 4,1,1,1,1\nEND", 3, L"SLIDER"),
        std::make_tuple("#define X\n", 1, L"#define"),
        std::make_tuple("1 DIALOGEX 0,0,1,1\nBEGIN\n LTEXT \"a\",1,1,1,1,1 @\nEND", 3, L"unexpected character"),
        std::make_tuple("1 ACCELERATORS\n", 1, L"DIALOGEX"),
        std::make_tuple("100 MENU\nBEGIN\n MENUITEM \"A\", 1, BOLD\nEND\n", 3, L"unknown menu option"),
        std::make_tuple("100 MENU\nBEGIN\n ITEM \"A\", 1\nEND\n", 3, L"unknown menu statement ITEM"),
        std::make_tuple("100 MENU\nBEGIN\n POPUP \"A\"\n BEGIN\n MENUITEM \"B\", 2\nEND\n", 6, L"no END"),
        std::make_tuple("100 MENU\nBEGIN\nEND\n100 MENU\nBEGIN\nEND\n", 6, L"menu 100 defined twice"),
        std::make_tuple("100 MENU\n", 1, L"expected BEGIN in a menu")));

// Templates of the current resource module, and of none, are the dialogs' tests (dialog_test.cpp).
TEST(ModuleResources, IconsComeFromTheCurrentResourceModule) {
    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    const HICON icon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(9000));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->file, L"rivanta.ico");
    EXPECT_EQ(icon, LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(9000)));
    EXPECT_EQ(LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(9001)), nullptr);
}

}  // namespace
