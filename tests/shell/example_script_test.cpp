// The README's examples: the scripts of examples/scripts draw networks with the schema commands and
// their dialogs, and "rivanta calc" calculates the drawings they save; the sample drawing
// examples/networks/distretto.dwg is the one its script makes.
#include "run_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The host run in the folder.
std::string hostIn(const fs::path& folder) {
    const fs::path bin = RVN_BIN_DIR;
    return "cd " + rvntest::singleQuoted(folder) + " && RIVANTA_PLUGIN=" + rvntest::singleQuoted(bin / "Rivanta.arx") +
           " " + rvntest::singleQuoted(bin / "rivanta");
}

rvntest::CommandRun playExample(const fs::path& folder, const char* script) {
    return rvntest::runCommand(hostIn(folder) + " run " +
                               rvntest::singleQuoted(fs::path(RVN_SOURCE_DIR) / "examples" / "scripts" / script));
}

TEST(ExampleScript, DrawsANetworkThatCalculates) {
    rvntest::ScratchDir folder;
    const std::string host = hostIn(folder.path());
    const rvntest::CommandRun played = playExample(folder.path(), "rete.scr");
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_EQ(played.output.find("** "), std::string::npos) << played.output;
    EXPECT_NE(played.output.find("Dialog \"Modifica NODO\" (9068) closed with OK: 9027 Simbolo=\"A\"; "
                                 "9023 Nome/Numero=\"N2\"; 9024 Portata=\"4\""),
              std::string::npos);

    const rvntest::CommandRun calculated = rvntest::runCommand(host + " calc rete.dwg --network rete --out out");
    EXPECT_EQ(calculated.status, 0) << calculated.output;
    EXPECT_NE(calculated.output.find("Network \"rete\": nodes 4, branches 3, tanks 1"), std::string::npos)
        << calculated.output;
    EXPECT_NE(calculated.output.find("Converged"), std::string::npos);
}

TEST(ExampleScript, TheSampleDrawingIsTheOneItsScriptDraws) {
    rvntest::ScratchDir folder;
    const rvntest::CommandRun played = playExample(folder.path(), "distretto.scr");
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_EQ(played.output.find("** "), std::string::npos) << played.output;
    const fs::path sample = fs::path(RVN_SOURCE_DIR) / "examples" / "networks" / "distretto.dwg";
    const std::string host = hostIn(folder.path());
    for (const auto& [drawing, out] : {std::pair{fs::path("distretto.dwg"), "played"}, std::pair{sample, "sample"}}) {
        const rvntest::CommandRun calculated = rvntest::runCommand(
            host + " calc " + rvntest::singleQuoted(drawing) + " --network distretto --out " + out);
        ASSERT_EQ(calculated.status, 0) << calculated.output;
        EXPECT_NE(calculated.output.find("nodes 6, branches 7, tanks 1"), std::string::npos) << calculated.output;
    }
    EXPECT_EQ(rvntest::readBytes(folder.path() / "played" / "rvncalcr.tmp"),
              rvntest::readBytes(folder.path() / "sample" / "rvncalcr.tmp"));
}

}  // namespace
