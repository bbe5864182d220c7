// The module Rivanta.arx as the host sees it: loaded by path, its exports found by name, told it is
// loaded and unloaded; then the host program running a script with it.
#include "acdocman.h"
#include "aced.h"
#include "afx_resources.h"
#include "frame/command_table.h"
#include "module_loader.h"
#include "plugin_folder.h"
#include "rxdefs.h"
#include "run_command.h"
#include "rxregsvc.h"
#include "test_files.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

const std::filesystem::path kModule = std::filesystem::path(RVN_BIN_DIR) / "Rivanta.arx";
const std::filesystem::path kHost = std::filesystem::path(RVN_BIN_DIR) / "rivanta";

bool inResourceChain(HMODULE module) {
    const auto order = rvnhost::resourceSearchOrder();
    return std::find(order.begin(), order.end(), module) != order.end();
}

TEST(Module, ExportsItsEntryPointsAndCommandsAndLoadsAndUnloads) {
    HMODULE module = LoadLibraryW(rvnos::fromUtf8(kModule.string()).c_str());
    ASSERT_NE(module, nullptr) << rvnos::toUtf8(rvnos::lastLoadError());
    // Attached: an extension module in the resource chain.
    EXPECT_TRUE(inResourceChain(module));

    auto apiVersion = reinterpret_cast<int (*)()>(GetProcAddress(module, "acrxGetApiVersion"));
    ASSERT_NE(apiVersion, nullptr);
    EXPECT_EQ(apiVersion(), 0x160000);
    for (const TzRvnCommand& command : commandTable()) {
        const std::string name = rvnos::toUtf8(command.name);
        EXPECT_NE(GetProcAddress(module, name.c_str()), nullptr) << name;
    }

    using EntryPoint = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);
    auto entryPoint = reinterpret_cast<EntryPoint>(GetProcAddress(module, "acrxEntryPoint"));
    ASSERT_NE(entryPoint, nullptr);
    acDocManagerPtr()->appContextNewDocument(nullptr);
    Transcript::instance().clear();
    // The build puts the product family's translator beside the module: the load is silent.
    EXPECT_EQ(entryPoint(AcRx::kInitAppMsg, module), AcRx::kRetOK);
    EXPECT_FALSE(Transcript::instance().contains(L"Error while loading"));
    EXPECT_TRUE(Transcript::instance().textOf(TranscriptKind::MessageBox).empty());
    EXPECT_NE(acedRegCmds->lookupGlobalCmd(L"CalcRet"), nullptr);

    EXPECT_EQ(entryPoint(AcRx::kUnloadAppMsg, module), AcRx::kRetOK);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"CalcRet"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    acrxDynamicLinker->forgetApplication(module);
    // The module is an extension module exactly while it is in the process. (The loader keeps a
    // module holding unique symbols loaded until the process ends.)
    const bool stillLoaded = GetModuleHandleW(rvnos::fromUtf8(kModule.string()).c_str()) != nullptr;
    EXPECT_EQ(inResourceChain(module), stillLoaded);
    acDocManagerPtr()->closeDocument(acDocManagerPtr()->curDocument());
    EXPECT_TRUE(Transcript::instance().textOf(TranscriptKind::Leak).empty());
}

class HostProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(kHost));
        std::filesystem::copy_file(kModule, folder.path() / "Rivanta.arx");
    }
    std::filesystem::path plugin() const { return folder.path() / "Rivanta.arx"; }

    rvntest::ScratchDir folder;
};

TEST_F(HostProgram, ListsTheCommandsAndRunsOneWithTheTranslatorBesideThePlugin) {
    std::filesystem::copy_file(rvntest::translatorVariant("complete"), folder.path() / "TZTranslatorDll.dll");
    const auto script = folder.write("demo.scr", "COMMANDS\nGePoRet\nQUIT\n");

    const rvntest::CommandRun run = rvntest::runCommand("RIVANTA_PLUGIN=" + rvntest::singleQuoted(plugin()) + " " +
                                                        rvntest::singleQuoted(kHost) + " run " +
                                                        rvntest::singleQuoted(script));
    EXPECT_EQ(run.status, 0) << run.output;
    for (const TzRvnCommand& command : commandTable()) {
        EXPECT_NE(run.output.find("ASDK_CMD  " + rvnos::toUtf8(command.name)), std::string::npos) << run.output;
    }
    EXPECT_NE(run.output.find("\n[GePoRet: non ancora disponibile in questa versione]"), std::string::npos);
    EXPECT_EQ(run.output.find("Error while loading"), std::string::npos);
    EXPECT_EQ(run.output.find("still open"), std::string::npos) << run.output;
}

}  // namespace
