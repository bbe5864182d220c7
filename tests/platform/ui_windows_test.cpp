#include "afxwin.h"
#include "module_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring textOf(const CWnd* window) {
    std::wstring text;
    window->GetWindowText(text);
    return text;
}

// What a translator does: walk the children and rewrite every static text and button.
void upperCaseLabels(CWnd& dialog) {
    for (CWnd* child = dialog.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        wchar_t className[32];
        GetClassNameW(child->GetSafeHwnd(), className, 32);
        if (std::wstring(className) == L"EDIT") continue;
        std::wstring text;
        child->GetWindowText(text);
        for (auto& c : text) c = static_cast<wchar_t>(towupper(c));
        child->SetWindowText(text.c_str());
    }
}

TEST(UiWindows, ChildrenByIdAndInCreationOrder) {
    CWnd dialog, label, edit, button;
    const RECT none{};
    ASSERT_TRUE(dialog.Create(L"#32770", L"Dati Rete", 0, none, nullptr, 0));
    ASSERT_TRUE(label.Create(L"STATIC", L"Nome rete", WS_VISIBLE, none, &dialog, 1001));
    ASSERT_TRUE(edit.Create(L"EDIT", L"rete uno", 0, none, &dialog, 1002));
    ASSERT_TRUE(button.Create(L"BUTTON", L"Calcolo", 0, none, &dialog, IDOK));
    EXPECT_FALSE(label.Create(L"STATIC", L"again", 0, none, &dialog, 1003));

    EXPECT_EQ(dialog.GetDlgItem(1002), &edit);
    EXPECT_EQ(dialog.GetDlgItem(4711), nullptr);
    EXPECT_EQ(edit.GetParent(), &dialog);
    EXPECT_EQ(edit.GetDlgCtrlID(), 1002);
    EXPECT_NE(label.GetStyle() & WS_CHILD, 0u);
    EXPECT_EQ(dialog.GetTopWindow(), &label);
    EXPECT_EQ(label.GetNextWindow(), &edit);
    EXPECT_EQ(button.GetNextWindow(GW_HWNDPREV), &edit);
    EXPECT_EQ(button.GetNextWindow(), nullptr);
    EXPECT_EQ(edit.GetWindow(GW_HWNDFIRST), &label);
    EXPECT_EQ(CWnd::FromHandle(GetDlgItem(dialog.GetSafeHwnd(), IDOK)), &button);

    upperCaseLabels(dialog);
    EXPECT_EQ(textOf(&label), L"NOME RETE");
    EXPECT_EQ(textOf(&edit), L"rete uno");
    EXPECT_EQ(textOf(&button), L"CALCOLO");
    EXPECT_EQ(textOf(&dialog), L"Dati Rete");
}

TEST(UiWindows, TextIsCutToTheBufferAndDestroyedWindowsAreRefused) {
    CWnd dialog, child;
    const RECT none{};
    dialog.Create(L"#32770", L"Impostazioni", 0, none, nullptr, 0);
    child.Create(L"STATIC", L"x", 0, none, &dialog, 7);
    wchar_t buffer[5];
    EXPECT_EQ(dialog.GetWindowText(buffer, 5), 4);
    EXPECT_EQ(std::wstring(buffer), L"Impo");
    EXPECT_EQ(dialog.GetWindowTextLength(), 12);

    HWND childHandle = child.GetSafeHwnd();
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(child.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(IsWindow(childHandle));
    EXPECT_FALSE(SetWindowTextW(childHandle, L"late"));
    EXPECT_EQ(CWnd::FromHandle(childHandle), nullptr);
    EXPECT_EQ(GetWindowTextLengthW(childHandle), 0);
    // A child destroyed first leaves its parent's list.
    CWnd parent, first, second;
    parent.Create(L"#32770", L"", 0, none, nullptr, 0);
    first.Create(L"STATIC", L"1", 0, none, &parent, 1);
    second.Create(L"STATIC", L"2", 0, none, &parent, 2);
    first.DestroyWindow();
    EXPECT_EQ(parent.GetTopWindow(), &second);
}

TEST(UiResources, CurrentModuleThenTheExtensionChain) {
    const HINSTANCE host = AfxGetInstanceHandle();
    EXPECT_EQ(AfxGetResourceHandle(), host);
    HMODULE plugin = GetModuleHandleW(L"librvnplatform.so");
    ASSERT_NE(plugin, nullptr);

    AFX_EXTENSION_MODULE extension;
    ASSERT_TRUE(AfxInitExtensionModule(extension, plugin));
    EXPECT_TRUE(extension.bInitialized);
    new CDynLinkLibrary(extension);
    EXPECT_EQ(rvnhost::resourceSearchOrder(), (std::vector<HMODULE>{host, plugin}));

    AfxSetResourceHandle(plugin);
    EXPECT_EQ(AfxGetResourceHandle(), plugin);
    EXPECT_EQ(rvnhost::resourceSearchOrder(), std::vector<HMODULE>{plugin});
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), plugin);
    AfxSetResourceHandle(host);

    AfxTermExtensionModule(extension);
    EXPECT_FALSE(extension.bInitialized);
    EXPECT_EQ(rvnhost::resourceSearchOrder(), std::vector<HMODULE>{host});
}

}  // namespace
