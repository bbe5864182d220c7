#include "html_help.h"
#include "last_error.h"
#include "module_loader.h"
#include "test_files.h"
#include "temp_path.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kPlatformLibrary = rvnos::fromUtf8(RVN_BIN_DIR) + L"/librvnplatform.so";

// Loading the plug-in module and finding its entry points are the module's own tests (tests/frame);
// here the failures, and a module found by name, path or an address within it.
TEST(OsModules, AMissingLibraryOrFunctionFailsWithAReason) {
    EXPECT_EQ(LoadLibraryW(L"/nonexistent/TZTranslatorDll.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_NE(rvnos::lastLoadError().find(L"TZTranslatorDll.dll"), std::wstring::npos);
    EXPECT_EQ(LoadLibraryW(L""), nullptr);
    HMODULE library = LoadLibraryW(L"libm.so.6");
    ASSERT_NE(library, nullptr) << rvnos::toUtf8(rvnos::lastLoadError());
    EXPECT_EQ(GetProcAddress(library, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_TRUE(FreeLibrary(library));
}

TEST(OsModules, ALibraryInTheProcessIsFoundByNameOrPath) {
    HMODULE byName = GetModuleHandleW(L"LIBRVNPLATFORM.SO");
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(GetModuleHandleW(kPlatformLibrary.c_str()), byName);
    EXPECT_EQ(GetModuleHandleW(L"not-loaded.dll"), nullptr);
    HMODULE fromAddress = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCWSTR>(&GetTempPathW), &fromAddress));
    EXPECT_EQ(fromAddress, byName);
}

// Topics shown from the plug-in's help file are the frame's tests; here the topic given apart from
// the file, and closing, which shows nothing.
TEST(OsHtmlHelp, ATopicGivenApartJoinsTheFileAndClosingShowsNothing) {
    rvntest::ScratchDir folder;
    const std::wstring chm = rvnos::fromUtf8(folder.write("Help/TZHelp.chm", "ITSF").string());
    rvnos::clearShownHelpTopics();
    auto& transcript = rvnhost::Transcript::instance();
    transcript.clear();

    const std::wstring request = chm + L"::/Rivanta e Reti in Pressione\\Genera Profili.htm";
    EXPECT_NE(HtmlHelpW(nullptr, chm.c_str(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(L"Modifica Rete.htm")),
              nullptr);
    EXPECT_EQ(HtmlHelpW(nullptr, request.c_str(), HH_CLOSE_ALL, 0), nullptr);
    EXPECT_EQ(rvnos::shownHelpTopics(), std::vector<std::wstring>{chm + L"::/Modifica Rete.htm"});
    EXPECT_TRUE(transcript.contains(L"Modifica Rete.htm"));
}

}  // namespace
