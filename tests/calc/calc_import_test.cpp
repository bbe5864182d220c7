// The import of "rivanta calc" takes what a network file does not give from the files of the
// program folder ("tz-cpath"), and imports nothing when there is no folder or a file is faulty.
#include "acedads.h"
#include "acutads.h"
#include "analysis/jobs/calc_import.h"
#include "lisp_symbols.h"
#include "network/materials.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace {

namespace fs = std::filesystem;

const fs::path kOtherFolder = fs::path(RVN_TEST_DATA) / "program_folder";
const fs::path kExamples = fs::path(RVN_SOURCE_DIR) / "examples";
const fs::path kPtv = fs::path(RVN_TEST_DATA) / "cases" / "calc" / "e01_two_nodes_tank.ptv";

constexpr char kInp[] =
    "[JUNCTIONS]\n J 100 1\n[RESERVOIRS]\n R 130\n[PIPES]\n P R J 1000 120 0.1\n"
    "[OPTIONS]\n UNITS LPS\n HEADLOSS D-W\n TRIALS 30\n";

class CalcImport : public testing::Test {
protected:
    void TearDown() override {
        resbuf* nil = acutBuildList(RTNIL, 0);
        acedPutSym(L"tz-cpath", nil);
        acutRelRb(nil);
        MaterialList().clear();
    }

    static void useFolder(const fs::path& folder) {
        rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(folder.string()) + L"/");
    }

    static std::wstring import(const fs::path& file, TzRvnNetworkData& network) {
        return ImportNetworkFile(file.wstring(), [](const std::wstring&) { return true; }, network);
    }

    rvntest::ScratchDir scratch_;
};

TEST_F(CalcImport, APortaviaNetworksDefaultRoughnessIsTheFirstMaterialOfTheFoldersArchive) {
    TzRvnNetworkData network;
    useFolder(kOtherFolder);
    ASSERT_EQ(L"", import(kPtv, network));
    EXPECT_EQ(std::pair(0, std::size_t(2)), std::pair(network.settings().materialIndex, MaterialList().size()));
    EXPECT_DOUBLE_EQ(4.6e-5, network.settings().defaultRoughness);

    useFolder(kExamples);
    ASSERT_EQ(L"", import(kPtv, network));
    EXPECT_DOUBLE_EQ(1.5e-6, network.settings().defaultRoughness);
}

TEST_F(CalcImport, NoProgramFolderOrAFaultyFileImportsNothing) {
    const fs::path inp = scratch_.write("rete.inp", kInp);
    TzRvnNetworkData network;
    EXPECT_NE(std::wstring::npos, import(inp, network).find(L"no program folder")) << "tz-cpath unset";
    EXPECT_NE(std::wstring::npos, import(kPtv, network).find(L"no program folder"));

    const fs::path folder = scratch_.path() / "cartella";
    fs::create_directories(folder);
    useFolder(folder);
    const std::wstring settingsPath = rvnos::fromUtf8((folder / "rvnsetup.par").string());
    const std::wstring materialsPath = rvnos::fromUtf8((folder / "rvnmateriali.dat").string());
    EXPECT_EQ(L"rivanta calc: cannot read the settings file \"" + settingsPath + L"\"", import(inp, network));
    EXPECT_EQ(L"rivanta calc: cannot read the materials archive \"" + materialsPath + L"\"", import(kPtv, network));

    rvntest::writeBytes(folder / "rvnsetup.par", "1\n2\n");
    EXPECT_EQ(L"rivanta calc: the settings file \"" + settingsPath + L"\", line 3: missing, the file ends after line 2",
              import(inp, network));
    rvntest::writeBytes(folder / "rvnmateriali.dat", "Ghisa\n0,00026\n");
    EXPECT_EQ(L"rivanta calc: the materials archive \"" + materialsPath + L"\", line 2: \"0,00026\" is not a number",
              import(kPtv, network));
    rvntest::writeBytes(folder / "rvnmateriali.dat", "");
    EXPECT_EQ(L"rivanta calc: the materials archive \"" + materialsPath + L"\" holds no material", import(kPtv, network));
    EXPECT_EQ(0, network.numNodes());
    EXPECT_TRUE(MaterialList().empty());
}

}  // namespace
