// The built host program with EPANET input files: "rivanta calc NET.inp" calculates the same
// results as the same network given as a Portavia file, and "rivanta inpout" exports a network
// of a saved drawing that reads back the same.
#include "../calc/calc_program.h"
#include "analysis/exchange/inp_writer.h"
#include "analysis/jobs/network_exchange.h"
#include "netobj/network_class.h"
#include "network_of_drawing.h"
#include "open_object_guard.h"
#include "results_compare.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;
using rvntest::singleQuoted;
using rvntest::runRivanta;
using rvntest::Printed;

// Five nodes, a tank at 60 m on node 1, node demands 1 l/s (node 1: none), elevation 10 m.
const std::vector<rvntest::PtvBranch> kBranches = {{1, 2, 500.0, 0.0001, 0.2},   {2, 3, 300.0, 0.0002, 0.15},
                                                   {3, 4, 250.0, 0.0001, 0.1},   {2, 5, 400.0, 0.0005, 0.125},
                                                   {5, 4, 350.0, 0.0001, 0.1}};

// The same network and calculation settings as an input file.
constexpr char kSameNetworkInp[] =
    "[TANKS]\n 1 10 50 50 50 0 0\n"
    "[JUNCTIONS]\n 2 10 1\n 3 10 1\n 4 10 1\n 5 10 1\n"
    "[PIPES]\n"
    " a 1 2 500 200 0.1\n b 2 3 300 150 0.2\n c 3 4 250 100 0.1\n d 2 5 400 125 0.5\n e 5 4 350 100 0.1\n"
    "[OPTIONS]\n UNITS LPS\n HEADLOSS D-W\n VISCOSITY 1.004e-6\n TRIALS 100\n HEADERROR 0.001\n FLOWCHANGE 0.01\n"
    ";RIVANTA INITIAL_VELOCITY 1\n;RIVANTA MIN_BRANCH_FLOW 1e-7\n";

TEST(InpCalc, AnInputFileGivesTheResultsOfThePortaviaFileOfTheSameNetwork) {
    rvntest::ScratchDir scratch;
    const fs::path ptvFile = scratch.write("ptv/rete.ptv", rvntest::PortaviaFile(5, kBranches, 1, 60.0));
    const fs::path inpFile = scratch.write("inp/rete.inp", kSameNetworkInp);
    const auto ptv = runRivanta("calc " + singleQuoted(ptvFile) + " --out " + singleQuoted(scratch / "ptv"));
    ASSERT_EQ(0, ptv.status) << ptv.output;
    const auto inp = runRivanta("calc " + singleQuoted(inpFile) + " --out " + singleQuoted(scratch / "inp"));
    ASSERT_EQ(0, inp.status) << inp.output;
    rvntest::ExpectSameResultsFile(scratch / "ptv" / "results.json", scratch / "inp" / "results.json");
    EXPECT_EQ(rvntest::readBytes(scratch / "ptv" / "rvncalcr.tmp"), rvntest::readBytes(scratch / "inp" / "rvncalcr.tmp"));
}

class InpOut : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        TzRvnNetworkData network;
        ASSERT_EQ(TzRvnImportStatus::imported, ReadInpText(kSameNetworkInp, L"rete.inp", {}, network).status);
        network.nodes()[2].note.set(L"scuola");
        original_ = network;
        rvntest::SaveDrawingWithNetwork(drawing(), L"Rete Nord", network);
    }

    fs::path drawing() const { return scratch / "rete.dwg"; }

    rvntest::ScratchDir scratch;
    TzRvnNetworkData original_;
};

TEST_F(InpOut, ExportsTheNetworkOfASavedDrawingThatReadsBackTheSame) {
    const fs::path out = scratch / "nord.inp";
    const auto run = runRivanta("inpout " + singleQuoted(drawing()) + " --network 'Rete Nord' " + singleQuoted(out));
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "Exported network \"Rete Nord\""));
    EXPECT_FALSE(Printed(run, "left open"));
    // What the round trip keeps field by field is the export's own test; here the whole file.
    TzRvnNetworkData back;
    ASSERT_EQ(TzRvnImportStatus::imported, ReadInpText(rvntest::readBytes(out), L"nord.inp", {}, back).status);
    std::string expected, actual;
    ASSERT_FALSE(InpFileText(original_, L"Rete Nord", expected));
    ASSERT_FALSE(InpFileText(back, L"Rete Nord", actual));
    EXPECT_EQ(expected, actual);
}

TEST_F(InpOut, NeverWritesOverTheDrawingItReads) {
    const std::string command = "inpout " + singleQuoted(drawing()) + " --network 'Rete Nord' ";
    const std::string before = rvntest::readBytes(drawing());
    fs::create_symlink("rete.dwg", scratch / "alias.inp");
    for (const fs::path& output : {drawing(), scratch / "alias.inp"}) {
        const auto run = runRivanta(command + singleQuoted(output));
        EXPECT_EQ(1, run.status);
        EXPECT_TRUE(Printed(run, "Impossibile scrivere il file " + output.string() + ": it is the input file \"" +
                                     drawing().string() + "\""));
        EXPECT_EQ(before, rvntest::readBytes(drawing()));
    }
}

TEST(InpOutDrawn, ADrawnNetworkIsExportedAsItsSchemaShowsItAndCalculatesAsTheDrawing) {
    rvntest::ScratchDir scratch;
    const fs::path drawing = fs::path(RVN_SOURCE_DIR) / "examples" / "networks" / "distretto.dwg";
    const fs::path out = scratch / "distretto.inp";
    const auto run = runRivanta("inpout " + singleQuoted(drawing) + " --network distretto " + singleQuoted(out));
    ASSERT_EQ(0, run.status) << run.output;
    TzRvnNetworkData exported;
    ASSERT_EQ(TzRvnImportStatus::imported, ReadInpText(rvntest::readBytes(out), L"distretto.inp", {}, exported).status);
    EXPECT_EQ(6, exported.numNodes());
    EXPECT_EQ(7, exported.numEdges());
    EXPECT_EQ(1, exported.numTanks());
    EXPECT_EQ(1, std::count_if(exported.edges().begin(), exported.edges().end(),
                               [](const TzRvnEdge& edge) { return edge.excluded == 1; }));
    const auto fromDrawing =
        runRivanta("calc " + singleQuoted(drawing) + " --network distretto --out " + singleQuoted(scratch / "dwg"));
    ASSERT_EQ(0, fromDrawing.status) << fromDrawing.output;
    const auto fromInp = runRivanta("calc " + singleQuoted(out) + " --out " + singleQuoted(scratch / "inp"));
    ASSERT_EQ(0, fromInp.status) << fromInp.output;
    rvntest::ExpectSameResultsFile(scratch / "dwg" / "results.json", scratch / "inp" / "results.json");
}

TEST_F(InpOut, AMissingNetworkOrDrawingAndWrongArgumentsAreRefused) {
    const fs::path out = scratch / "x.inp";
    auto run = runRivanta("inpout " + singleQuoted(drawing()) + " --network Sud " + singleQuoted(out));
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Printed(run, "has no network \"Sud\""));
    run = runRivanta("inpout " + singleQuoted(scratch / "none.dwg") + " --network Sud " + singleQuoted(out));
    EXPECT_EQ(1, run.status) << run.output;
    EXPECT_FALSE(fs::exists(out));
    run = runRivanta("inpout " + singleQuoted(drawing()) + " " + singleQuoted(out));
    EXPECT_EQ(2, run.status);
    EXPECT_TRUE(Printed(run, "--network NAME is needed"));
    run = runRivanta("inpout --help");
    EXPECT_EQ(0, run.status);
    EXPECT_TRUE(Printed(run, "Usage: rivanta inpout DRAWING --network NAME OUT.inp"));
}

}  // namespace
