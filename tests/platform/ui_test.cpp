// The stand-in's user interface: message boxes answered from the input source, the script's lines as
// answers, the window tree and the resource search order.
#include "afxwin.h"
#include "input_queue.h"
#include "input_source.h"
#include "message_box.h"
#include "module_loader.h"
#include "test_files.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

class UiMessageBox : public ::testing::Test {
protected:
    void SetUp() override { Transcript::instance().clear(); }
};

// Answers name a button in any case or by its first letter; Return chooses the default button.
TEST_F(UiMessageBox, AnswersComeFromTheInputSourceAndReturnChoosesTheDefaultButton) {
    const struct {
        const wchar_t* answer;
        UINT type;
        int button;
    } cases[] = {{L"yes", MB_YESNO | MB_ICONQUESTION, IDYES}, {L"NO", MB_YESNO, IDNO}, {L"c", MB_YESNOCANCEL, IDCANCEL},
                 {L"ok", MB_OKCANCEL, IDOK}, {L"Cancel", MB_OKCANCEL, IDCANCEL}, {L"  ", MB_YESNO, IDYES}};
    for (const auto& c : cases) {
        rvntest::QueuedInput input({c.answer});
        EXPECT_EQ(MessageBoxW(nullptr, L"Salvare?", L"Messaggio Dati Rete", c.type), c.button) << c.type;
        EXPECT_FALSE(input.ranOut());
    }
}

TEST_F(UiMessageBox, AnAnswerNotOfferedIsAskedAgain) {
    // "cancel" is no answer to a yes/no question; "maybe" is no answer at all.
    rvntest::QueuedInput input({L"maybe", L"*Cancel*", L"n"});
    EXPECT_EQ(MessageBoxW(nullptr, L"Eliminare la rete?", L"Messaggio", MB_YESNO | MB_ICONWARNING), IDNO);
    EXPECT_EQ(input.remaining(), 0u);
    EXPECT_TRUE(Transcript::instance().contains(L"Answer with one of: Yes/No"));
    // Escape on a box with OK alone is its OK.
    input.push(L"ESC");
    EXPECT_EQ(MessageBoxW(nullptr, L"Fatto.", L"Messaggio", MB_OK), IDOK);
}

// The plug-in's boxes with their icons and captions are checked where it shows them (tests/elements,
// tests/frame, tests/shell); here an icon and a caption it never gives.
TEST_F(UiMessageBox, RecordsCaptionIconAndTextOnTheTranscript) {
    rvntest::QueuedInput input({L"", L""});
    MessageBoxW(nullptr, L"Info", L"I", MB_ICONINFORMATION);
    MessageBoxW(nullptr, L"Senza icona", nullptr, MB_OK);
    EXPECT_EQ(Transcript::instance().textOf(TranscriptKind::MessageBox), L"[information] I: InfoError: Senza icona");
    EXPECT_EQ(Transcript::instance().textOf(TranscriptKind::Prompt), L"\nOK <OK>: \nOK <OK>: ");
}

TEST_F(UiMessageBox, WithoutInputTheBoxIsClosedAndTheErrorRecorded) {
    rvntest::QueuedInput input;
    EXPECT_EQ(MessageBoxW(nullptr, L"?", L"c", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxW(nullptr, L"?", L"c", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"?", L"c", MB_OK), IDOK);
    EXPECT_TRUE(input.ranOut());
    EXPECT_NE(Transcript::instance().textOf(TranscriptKind::Error).find(L"for the prompt \"Yes/No <Yes>:\""),
              std::wstring::npos);
}

// A script's lines answer in order, without the byte order mark or line ends; an answer pushed back
// comes first.
TEST(UiInputSource, ScriptLinesInOrderWithoutLineEnds) {
    rvntest::ScratchDir folder;
    const auto path = folder.write("answers.scr", "\xEF\xBB\xBF" "first\r\n\nlast");
    auto script = std::make_unique<rvnhost::ScriptInput>();
    std::wstring reason;
    ASSERT_TRUE(script->open(path.wstring(), reason));
    auto previous = rvnhost::setCurrentInput(std::move(script));
    rvnhost::pushBackAnswer(L"pushed");
    std::vector<std::optional<std::wstring>> answers;
    for (int i = 0; i < 5; ++i) answers.push_back(rvnhost::readAnswer(L"\nf: "));
    EXPECT_EQ(answers, (std::vector<std::optional<std::wstring>>{L"pushed", L"first", L"", L"last", std::nullopt}));
    EXPECT_TRUE(Transcript::instance().contains(L"answers.scr\" for the prompt \"f:\""));
    rvnhost::setCurrentInput(std::move(previous));
    EXPECT_FALSE(rvnhost::ScriptInput().open(L"/nonexistent/x.scr", reason));
    EXPECT_NE(reason.find(L"/nonexistent/x.scr"), std::wstring::npos);
}

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
    EXPECT_EQ(button.GetNextWindow(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(GetDlgItem(dialog.GetSafeHwnd(), IDOK)), &button);
    wchar_t buffer[5];
    EXPECT_EQ(dialog.GetWindowText(buffer, 5), 4);
    EXPECT_EQ(std::wstring(buffer), L"Impo");

    label.DestroyWindow();
    EXPECT_EQ(dialog.GetTopWindow(), &edit) << "a child destroyed first leaves its parent's list";
    HWND editHandle = edit.GetSafeHwnd();
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(edit.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(IsWindow(editHandle));
    EXPECT_FALSE(SetWindowTextW(editHandle, L"late"));
    EXPECT_EQ(CWnd::FromHandle(editHandle), nullptr);
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
