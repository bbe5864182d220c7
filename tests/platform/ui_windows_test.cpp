#include "afxwin.h"
#include "module_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Walking a dialog's children and rewriting their texts is the translator's test (tests/frame);
// here the window tree's order, lookups, a text cut to its buffer, and what destroying leaves.
TEST(UiWindows, ChildrenByIdAndInCreationOrderTextCutToTheBufferAndDestroyedWindowsRefused) {
    CWnd dialog, label, edit, button;
    const RECT none{};
    ASSERT_TRUE(dialog.Create(L"#32770", L"Impostazioni", 0, none, nullptr, 0));
    ASSERT_TRUE(label.Create(L"STATIC", L"Nome rete", WS_VISIBLE, none, &dialog, 1001));
    ASSERT_TRUE(edit.Create(L"EDIT", L"rete uno", 0, none, &dialog, 1002));
    ASSERT_TRUE(button.Create(L"BUTTON", L"Calcolo", 0, none, &dialog, IDOK));
    EXPECT_FALSE(label.Create(L"STATIC", L"again", 0, none, &dialog, 1003));
    EXPECT_EQ(dialog.GetDlgItem(1002), &edit);
    EXPECT_EQ(dialog.GetDlgItem(4711), nullptr);
    EXPECT_NE(label.GetStyle() & WS_CHILD, 0u);
    EXPECT_EQ(button.GetNextWindow(GW_HWNDPREV), &edit);
    EXPECT_EQ(button.GetNextWindow(), nullptr);
    EXPECT_EQ(edit.GetWindow(GW_HWNDFIRST), &label);
    EXPECT_EQ(CWnd::FromHandle(GetDlgItem(dialog.GetSafeHwnd(), IDOK)), &button);
    wchar_t buffer[5];
    EXPECT_EQ(dialog.GetWindowText(buffer, 5), 4);
    EXPECT_EQ(std::wstring(buffer), L"Impo");
    EXPECT_EQ(dialog.GetWindowTextLength(), 12);

    label.DestroyWindow();
    EXPECT_EQ(dialog.GetTopWindow(), &edit) << "a child destroyed first leaves its parent's list";
    HWND editHandle = edit.GetSafeHwnd();
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(edit.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(IsWindow(editHandle));
    EXPECT_FALSE(SetWindowTextW(editHandle, L"late"));
    EXPECT_EQ(CWnd::FromHandle(editHandle), nullptr);
    EXPECT_EQ(GetWindowTextLengthW(editHandle), 0);
}

// The plug-in module in the chain and the guard that makes it current are the frame's tests
// (tests/frame); here the current module searched ahead of the chain, and once only.
TEST(UiResources, TheCurrentModuleIsSearchedAheadOfTheExtensionChain) {
    const HINSTANCE host = AfxGetResourceHandle();
    HMODULE plugin = GetModuleHandleW(L"librvnplatform.so");
    AFX_EXTENSION_MODULE extension;
    ASSERT_TRUE(AfxInitExtensionModule(extension, plugin));
    new CDynLinkLibrary(extension);
    EXPECT_EQ(rvnhost::resourceSearchOrder(), (std::vector<HMODULE>{host, plugin}));
    AfxSetResourceHandle(plugin);
    EXPECT_EQ(rvnhost::resourceSearchOrder(), std::vector<HMODULE>{plugin});
    AfxSetResourceHandle(host);
    AfxTermExtensionModule(extension);
}

}  // namespace
