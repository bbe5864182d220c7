#include "afx_menu.h"
#include "analysis/jobs/calc_import.h"
#include "analysis/jobs/calc_options.h"
#include "analysis/jobs/calc_run.h"
#include "afx_wnd.h"
#include "frame/translation.h"
#include "frame/translator_loader.h"
#include "input_queue.h"
#include "plugin_folder.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

HMODULE translatorInProcess() { return GetModuleHandleW(L"TZTranslatorDll.dll"); }

// The calls the loaded test translator has seen, each followed by ';'.
std::wstring translatorLog() {
    auto log = reinterpret_cast<const wchar_t* (*)()>(GetProcAddress(translatorInProcess(), "RvnTranslatorLog"));
    return log ? log() : L"(no translator)";
}

std::wstring messageBoxes() { return Transcript::instance().textOf(TranscriptKind::MessageBox); }

class Translator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin.ready());
        ASSERT_EQ(translatorInProcess(), nullptr) << "a translator was left loaded";
        Transcript::instance().clear();
    }
    void TearDown() override { UnloadTranslator(); }

    rvntest::PluginFolderFixture plugin;
};

TEST_F(Translator, LoadedFromThePluginFolderTranslatesAndIsFreedAtUnload) {
    plugin.installTranslator("complete");
    ASSERT_TRUE(LoadTranslator(L"Rivanta.arx"));
    ASSERT_NE(translatorInProcess(), nullptr);
    EXPECT_EQ(rvnos::modulePath(translatorInProcess()), plugin.widePath() + L"/TZTranslatorDll.dll");
    EXPECT_EQ(translatorLog(), L"SetAppName(Rivanta,.arx);");

    const std::wstring caption = TranslateText(L"Messaggio Dati Rete");
    const std::wstring message = TranslateText(L"\nImpossibile aprire la rete");
    EXPECT_EQ(caption, L"[Messaggio Dati Rete]");
    EXPECT_EQ(message, L"\n[Impossibile aprire la rete]");
    EXPECT_NE(translatorLog().find(L"TraduciMessaggioVoid(Rivanta,.arx);"), std::wstring::npos);
    EXPECT_TRUE(messageBoxes().empty());

    UnloadTranslator();
    EXPECT_EQ(translatorInProcess(), nullptr);
    EXPECT_EQ(TranslateText(L"Calcolo"), L"Calcolo");
}

TEST_F(Translator, ALibraryAlreadyInTheProcessIsUsedAndNeverFreed) {
    const std::wstring ownCopy = rvnos::fromUtf8(rvntest::translatorVariant("complete").string());
    HMODULE held = LoadLibraryW(ownCopy.c_str());
    ASSERT_NE(held, nullptr);

    // The plug-in folder has no translator: the one in the process serves.
    ASSERT_TRUE(LoadTranslator(L"Rivanta.arx"));
    EXPECT_EQ(TranslateText(L"Rete"), L"[Rete]");
    UnloadTranslator();
    EXPECT_EQ(translatorInProcess(), held);
    // Strings are freed only for a module whose extension is ".dll".
    EXPECT_EQ(translatorLog().find(L"FreeDllStrings"), std::wstring::npos);

    ASSERT_TRUE(LoadTranslator(L"Rivanta.DLL"));
    UnloadTranslator();
    EXPECT_NE(translatorLog().find(L"SetAppName(Rivanta,.DLL);FreeDllStrings(Rivanta);"), std::wstring::npos);
    EXPECT_EQ(translatorInProcess(), held);
    EXPECT_TRUE(messageBoxes().empty());

    EXPECT_TRUE(FreeLibrary(held));
    EXPECT_EQ(translatorInProcess(), nullptr);
}

TEST_F(Translator, EachMissingRequiredFunctionIsReportedByItsNumber) {
    for (int number = 1; number <= 7; ++number) {
        SCOPED_TRACE(number);
        rvntest::PluginFolderFixture folder;
        folder.installTranslator("missing" + std::to_string(number));
        rvntest::QueuedInput answers({L"ok"});
        Transcript::instance().clear();

        EXPECT_FALSE(LoadTranslator(L"Rivanta.arx"));
        EXPECT_EQ(messageBoxes(), L"[error] Rivanta: Error while creating imported function " + std::to_wstring(number) +
                                      L" from TZTranslatorDll.dll.");
        EXPECT_FALSE(answers.ranOut());
        EXPECT_EQ(translatorInProcess(), nullptr);
        EXPECT_EQ(TranslateText(L"Nodo"), L"Nodo");
    }
}

// A missing library is reported so when the plug-in loads (lifecycle_test.cpp).
TEST_F(Translator, ALibraryThatCannotBeLoadedIsReportedWithItsPath) {
    plugin.installTranslator("complete");
    std::filesystem::resize_file(plugin.path() / "TZTranslatorDll.dll", 100);
    rvntest::QueuedInput answers({L"ok"});
    EXPECT_FALSE(LoadTranslator(L"Rivanta.arx"));
    EXPECT_EQ(messageBoxes(), L"[error] Rivanta: Error while loading " + plugin.widePath() + L"/TZTranslatorDll.dll");
    EXPECT_EQ(TranslateText(L"Serbatoio"), L"Serbatoio");
}

TEST_F(Translator, TextsAreCutTo1023Characters) {
    const std::wstring longText(2000, L'x');
    EXPECT_EQ(TranslateText(longText), std::wstring(1023, L'x'));
    plugin.installTranslator("complete");
    ASSERT_TRUE(LoadTranslator(L"Rivanta.arx"));
    EXPECT_EQ(TranslateText(longText), L"[" + std::wstring(1022, L'x'));
}

// The jobs' own texts go through the translator like the plug-in's; an import's question (a text of
// the plug-in) and the job's answer to it are told on lines of their own.
TEST_F(Translator, TheJobsTextsAreTranslatedAndNeverShareALineWithThePlugInsTexts) {
    plugin.installTranslator("complete");
    ASSERT_TRUE(LoadTranslator(L"Rivanta.arx"));
    std::ostringstream told;
    TzRvnImportAnswers given(TzRvnImportAnswer::yes, false, told);
    EXPECT_TRUE(given(L"Il diametro del ramo 1 NON e' POSITIVO\nContinuare?"));
    TzRvnImportAnswers unasked(TzRvnImportAnswer::ask, false, told);
    EXPECT_FALSE(unasked(L"La lunghezza del ramo 2 NON e' POSITIVA"));
    EXPECT_EQ(told.str(),
              "Il diametro del ramo 1 NON e' POSITIVO\n[-> yes (--yes)]\n"
              "La lunghezza del ramo 2 NON e' POSITIVA\n[-> refused: no terminal to ask (answer with --yes or --no)]\n");

    EXPECT_TRUE(CalcUsageText().starts_with(L"[Usage: rivanta calc FILE.ptv")) << CalcUsageText();
    EXPECT_NE(CalcUsageText().find(L"\n[Exit status: 0 calculated;"), std::wstring::npos) << CalcUsageText();
    EXPECT_EQ(ParseCalcOptions({"a.ptv", "--solver", "fast"}).error,
              L"[--solver takes dense, exact or ordered, not \"fast\"]");
}

// The plug-in hands its translation to the core, whose reports are written in the user's language.
TEST_F(Translator, TheCoresReportsOfAPlugInRunPassThroughTheTranslator) {
    plugin.installTranslator("complete");
    ASSERT_TRUE(LoadTranslator(L"Rivanta.arx"));
    TzRvnNetwork loose;
    TzRvnStringReport check;
    EXPECT_EQ(0, CheckNetworkTopology(loose, check));
    EXPECT_TRUE(check.text().starts_with(L"[====")) << check.text();
    EXPECT_TRUE(check.text().ends_with(L"[Impossibile recuperare il dizionario delle reti\n]")) << check.text();
    TzRvnStringReport log;
    EXPECT_EQ(TzRvnSolverStatus::noNetworkName, CalculateNetwork(loose, log).status);
    EXPECT_TRUE(log.text().ends_with(L"[Impossibile recuperare il dizionario delle reti\n]")) << log.text();
}

// A dialog with two controls, as a dialog's initialisation sees it.
struct SampleDialog {
    SampleDialog() {
        const RECT area{0, 0, 100, 100};
        window.Create(L"#32770", L"Dati Rete", 0, area, nullptr, 0);
        button.Create(L"BUTTON", L"Calcolo", WS_CHILD, area, &window, 1001);
        label.Create(L"STATIC", L"Portata", WS_CHILD, area, &window, 1002);
    }
    CWnd window, button, label;
};

std::wstring textOf(const CWnd& window) {
    std::wstring text;
    window.GetWindowText(text);
    return text;
}

// A context menu: two commands (one greyed), a separator and a popup with a checked command.
struct SampleMenu {
    SampleMenu() {
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 10, L"Taglia");
        menu.AppendMenu(MF_STRING | MF_GRAYED, 11, L"Incolla");
        menu.AppendMenu(MF_SEPARATOR);
        HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING | MF_CHECKED, 20, L"Stampa");
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"Altro");
    }
    std::wstring itemText(HMENU in, int position) const {
        wchar_t text[64];
        GetMenuStringW(in, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        return text;
    }
    CMenu menu;
};

TEST_F(Translator, DialogsAndMenusAreTranslatedOnlyWithALibrary) {
    SampleDialog dialog;
    SampleMenu context;
    TranslateDialog(&dialog.window);
    TranslateMenu(&context.menu);
    EXPECT_EQ(textOf(dialog.window), L"Dati Rete");
    EXPECT_EQ(context.itemText(context.menu.GetSafeHmenu(), 0), L"Taglia");

    plugin.installTranslator("complete");
    ASSERT_TRUE(LoadTranslator(L"Rivanta.arx"));
    TranslateDialog(&dialog.window);
    EXPECT_EQ(textOf(dialog.window), L"[Dati Rete]");
    EXPECT_EQ(textOf(dialog.button), L"[Calcolo]");
    EXPECT_EQ(textOf(dialog.label), L"[Portata]");
    EXPECT_NE(translatorLog().find(L"TraduciMfc(Rivanta,.arx);"), std::wstring::npos);

    TranslateMenu(&context.menu);
    HMENU top = context.menu.GetSafeHmenu();
    EXPECT_EQ(context.itemText(top, 0), L"[Taglia]");
    EXPECT_EQ(context.itemText(top, 1), L"[Incolla]");
    EXPECT_EQ(GetMenuItemID(top, 1), 11u);
    EXPECT_TRUE(GetMenuState(top, 1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(top, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(context.itemText(top, 3), L"[Altro]");
    HMENU popup = GetSubMenu(top, 3);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(context.itemText(popup, 0), L"[Stampa]");
    EXPECT_TRUE(GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED);
}

}  // namespace
