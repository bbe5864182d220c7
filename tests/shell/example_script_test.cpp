// The README's example: the script of examples/scripts draws a small network with the schema
// commands and their dialogs, and "rivanta calc" calculates the drawing it saves.
#include "run_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(ExampleScript, DrawsANetworkThatCalculates) {
    rvntest::ScratchDir folder;
    const fs::path bin = RVN_BIN_DIR;
    const std::string host = "cd " + rvntest::singleQuoted(folder.path()) + " && RIVANTA_PLUGIN=" +
                             rvntest::singleQuoted(bin / "Rivanta.arx") + " " + rvntest::singleQuoted(bin / "rivanta");
    const fs::path script = fs::path(RVN_SOURCE_DIR) / "examples" / "scripts" / "rete.scr";
    const rvntest::CommandRun played = rvntest::runCommand(host + " run " + rvntest::singleQuoted(script));
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

}  // namespace
