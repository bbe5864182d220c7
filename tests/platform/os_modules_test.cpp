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

TEST(OsModules, LoadsALibraryAndFindsItsFunctions) {
    HMODULE library = LoadLibraryW(L"libm.so.6");
    ASSERT_NE(library, nullptr) << rvnos::toUtf8(rvnos::lastLoadError());
    auto cosine = reinterpret_cast<double (*)(double)>(GetProcAddress(library, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);

    EXPECT_EQ(GetProcAddress(library, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_TRUE(FreeLibrary(library));
}

TEST(OsModules, AMissingLibraryFailsWithAReason) {
    EXPECT_EQ(LoadLibraryW(L"/nonexistent/TZTranslatorDll.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_NE(rvnos::lastLoadError().find(L"TZTranslatorDll.dll"), std::wstring::npos);
    EXPECT_EQ(LoadLibraryW(L""), nullptr);
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
    // Loading what is already loaded gives the same module and one more use, given back here.
    HMODULE loaded = LoadLibraryW(kPlatformLibrary.c_str());
    EXPECT_EQ(loaded, byName);
    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_NE(GetModuleHandleW(L"librvnplatform.so"), nullptr);
}

TEST(OsModules, ModuleFileNamesAndTruncation) {
    HMODULE platform = GetModuleHandleW(L"librvnplatform.so");
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(platform, path, MAX_PATH);
    EXPECT_EQ(std::wstring(path, length), kPlatformLibrary);

    wchar_t shortBuffer[5];
    EXPECT_EQ(GetModuleFileNameW(platform, shortBuffer, 5), 5u);
    EXPECT_EQ(std::wstring(shortBuffer), kPlatformLibrary.substr(0, 4));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);

    const DWORD programLength = GetModuleFileNameW(nullptr, path, MAX_PATH);
    ASSERT_GT(programLength, 0u);
    EXPECT_NE(std::wstring(path).find(L"test_platform"), std::wstring::npos);
}

TEST(OsHtmlHelp, ShowsTopicsOfAnExistingFileOnly) {
    rvntest::ScratchDir folder;
    const std::wstring chm = rvnos::fromUtf8(folder.write("Help/TZHelp.chm", "ITSF").string());
    rvnos::clearShownHelpTopics();
    auto& transcript = rvnhost::Transcript::instance();
    transcript.clear();

    const std::wstring request = chm + L"::/Rivanta e Reti in Pressione\\Genera Profili.htm";
    EXPECT_NE(HtmlHelpW(nullptr, request.c_str(), HH_DISPLAY_TOPIC, 0), nullptr);
    EXPECT_NE(HtmlHelpW(nullptr, chm.c_str(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(L"Modifica Rete.htm")),
              nullptr);
    ASSERT_EQ(rvnos::shownHelpTopics().size(), 2u);
    EXPECT_EQ(rvnos::shownHelpTopics()[0], request);
    EXPECT_EQ(rvnos::shownHelpTopics()[1], chm + L"::/Modifica Rete.htm");
    EXPECT_TRUE(transcript.contains(L"Genera Profili.htm"));

    transcript.clear();
    const std::wstring missing = rvnos::fromUtf8(folder.path().string()) + L"/Nope.chm::/a.htm";
    EXPECT_EQ(HtmlHelpW(nullptr, missing.c_str(), HH_DISPLAY_TOPIC, 0), nullptr);
    EXPECT_EQ(HtmlHelpW(nullptr, request.c_str(), HH_CLOSE_ALL, 0), nullptr);
    EXPECT_EQ(rvnos::shownHelpTopics().size(), 2u);
    EXPECT_TRUE(transcript.entries().empty());
}

}  // namespace
