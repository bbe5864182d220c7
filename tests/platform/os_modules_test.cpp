#include "last_error.h"
#include "module_loader.h"
#include "temp_path.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kPlatformLibrary = rvnos::fromUtf8(RVN_BIN_DIR) + L"/librvnplatform.so";

// Loading the plug-in module and the translator, and their failures, are the module's and the
// translator's tests (tests/frame, tests/shell); here a module found by name, path or an address within it.
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

}  // namespace
