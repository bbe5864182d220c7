// The README's examples: the scripts of examples/scripts draw networks with the schema commands and
// their dialogs, and "rivanta calc" calculates the drawings they save; the sample drawing
// examples/networks/distretto.dwg is the one its script makes; CalcRet's road from a network typed
// into the grids, and from an imported one, to its results.
#include "run_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using rvntest::Printed;

// The host run in the folder.
std::string hostIn(const fs::path& folder) {
    return "cd " + rvntest::singleQuoted(folder) + " && " + rvntest::hostCommand("Rivanta.arx");
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
    EXPECT_TRUE(Printed(played, "Dialog \"Modifica NODO\" (9068) closed with OK: 9027 Simbolo=\"A\"; "
                                "9023 Nome/Numero=\"N2\"; 9024 Portata=\"4\""));

    const rvntest::CommandRun calculated = rvntest::runCommand(host + " calc rete.dwg --network rete --out out");
    EXPECT_EQ(calculated.status, 0) << calculated.output;
    EXPECT_TRUE(Printed(calculated, "Network \"rete\": nodes 4, branches 3, tanks 1"));
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

// The text of the grid window's closing record that starts at from: its grids, up to the next line
// that is not part of them.
std::string gridWindowRecord(const std::string& output, std::size_t from) {
    const std::size_t end = output.find("\nDialog \"Dati Rete\" (9060): click 1", from);
    return end == std::string::npos ? std::string() : output.substr(from, end - from);
}

TEST(ExampleScript, ANetworkTypedIntoTheGridsIsCalculatedSavedAndReopenedWithItsResults) {
    rvntest::ScratchDir folder;
    const rvntest::CommandRun played = playExample(folder.path(), "calcolo.scr");
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_EQ(played.output.find("** "), std::string::npos) << played.output;
    EXPECT_NE(played.output.find("Calcolo della rete TERMINATO"), std::string::npos) << played.output;
    const std::string closing = "Dialog \"Database Dati Rete - [borgo]\" (9064) closed with OK:";
    const std::size_t calculated = played.output.find(closing);
    const std::size_t reopened = played.output.find(closing, calculated + 1);
    ASSERT_NE(reopened, std::string::npos) << played.output;
    const std::string shown = gridWindowRecord(played.output, calculated);
    EXPECT_NE(shown.find("| N3 | 5.000000  | 45.000000 | 8"), std::string::npos) << shown;  // a head in the 80s
    EXPECT_EQ(gridWindowRecord(played.output, reopened), shown);
    EXPECT_TRUE(Printed(played, "9026 Nr. rami=\"4\"; 9027 Nr. serbatoi=\"1\"; 9028 H max=\"85.000000\""));
}

TEST(ExampleScript, AnImportedNetworkIsEditedInItsGridCalculatedAgainAndPrinted) {
    rvntest::ScratchDir folder;
    fs::copy_file(fs::path(RVN_SOURCE_DIR) / "examples" / "networks" / "quartiere.ptv", folder.path() / "quartiere.ptv");
    const rvntest::CommandRun played = playExample(folder.path(), "importa.scr");
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_EQ(played.output.find("** "), std::string::npos) << played.output;
    const std::size_t first = played.output.find("Calcolo della rete TERMINATO");
    ASSERT_NE(first, std::string::npos) << played.output;
    EXPECT_NE(played.output.find("Calcolo della rete TERMINATO", first + 1), std::string::npos) << played.output;
    // Branch 14 (nodes 8 and 9) has the diameter typed and the results of the second calculation.
    const std::size_t row = played.output.find("    14 | 8  | 9  |   | 235.000000 | 0.200000 |");
    ASSERT_NE(row, std::string::npos) << played.output;
    const std::string line = played.output.substr(row, played.output.find('\n', row) - row) + " | ";
    std::vector<std::string> cells;
    for (std::size_t at = 0, bar; (bar = line.find(" | ", at)) != std::string::npos; at = bar + 3) {
        cells.push_back(line.substr(at, bar - at));
    }
    ASSERT_EQ(cells.size(), 14u) << line;
    for (std::size_t result = 9; result < cells.size(); ++result) {
        EXPECT_NE(cells[result].find_first_not_of(' '), std::string::npos) << "result column " << result << ": " << line;
    }
    EXPECT_EQ(rvntest::readBytes(folder.path() / "quartiere-rami.pdf").substr(0, 5), "%PDF-");
}

}  // namespace
