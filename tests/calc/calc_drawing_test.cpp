// "rivanta calc DRAWING --network NAME": a network of a saved drawing calculated by the built host
// program, its reports where asked, and the drawing written back with --save only.
#include "analysis/jobs/network_exchange.h"
#include "calc_program.h"
#include "dbdict.h"
#include "drawing_file.h"
#include "dwg_file_filer.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "network_of_drawing.h"
#include "open_object_guard.h"
#include "proxy_object.h"
#include "results_compare.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using rvntest::singleQuoted;
using rvntest::runCalc;
using rvntest::Printed;

const std::string kCase = "e01_two_nodes_tank";
fs::path expected(const char* file) { return rvntest::kSharedCases / (kCase + ".expected") / file; }

class CalcDrawing : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        const auto yes = [](const std::wstring&) { return true; };
        const std::string bytes = rvntest::readBytes(rvntest::kSharedCases / (kCase + ".ptv"));
        ASSERT_EQ(TzRvnImportStatus::imported, ReadPortaviaBytes(bytes, L"e01", {}, yes, caseNetwork).status);
        rvntest::SaveDrawingWithNetwork(drawing(), rvnos::fromUtf8(kCase), caseNetwork);
    }

    // Saves the drawing anew with the case's network under "altra" and, under "futura", an object
    // kept as a proxy of class className whose data are those of a network of filing version 99.
    void saveDrawingWithProxy(const wchar_t* className) {
        AcDbDatabase db;
        AcDbObjectId network;
        ASSERT_EQ(Acad::eOk, AddNetwork(&db, L"altra", std::make_unique<TzRvnNetwork>(caseNetwork), network));
        std::vector<unsigned char> data;
        {
            TzRvnOpenObject<AcDbObject> object(network, AcDb::kForRead);
            rvnhost::DwgFileFiler filer(&db, &data);
            ASSERT_EQ(Acad::eOk, object->AcDbObject::dwgOutFields(&filer));
            filer.writeInt16(99);
        }
        TzRvnOpenObject<AcDbDictionary> named;
        ASSERT_EQ(Acad::eOk, named.take(db.getNamedObjectsDictionary(named.slot(), AcDb::kForRead)));
        AcDbObjectId networksId;
        ASSERT_EQ(Acad::eOk, named->getAt(kNetworkDictionaryKey, networksId));
        TzRvnOpenObject<AcDbDictionary> networks(networksId, AcDb::kForWrite);
        AcDbObject* proxy = rvnhost::makeProxy({className, kNetworkDxfName, kNetworkAppName, data}, false, &db);
        AcDbObjectId proxyId;
        ASSERT_EQ(Acad::eOk, networks->setAt(L"futura", proxy, proxyId));
        proxy->close();
        networks.close();
        named.close();
        std::wstring message;
        ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(db, drawing().wstring(), message)) << rvnos::toUtf8(message);
    }

    fs::path drawing() const { return scratch / "rete.dwg"; }

    // "rivanta calc" on the saved drawing, then the arguments.
    rvntest::ProgramRun calc(const std::string& arguments) { return runCalc(singleQuoted(drawing()) + arguments); }

    // The network as the saved drawing holds it now.
    TzRvnNetworkData savedNetwork() { return rvntest::SavedNetworkData(drawing(), rvnos::fromUtf8(kCase)); }

    rvntest::ScratchDir scratch;
    TzRvnNetworkData caseNetwork;
};

// A network kept as a proxy (of a newer version, or of a class no application loads) is refused
// with the reason, by calc and already when the drawing is opened.
TEST_F(CalcDrawing, ANetworkKeptAsAProxyIsRefusedWithTheReason) {
    const std::pair<const wchar_t*, std::string> cases[] = {
        {kNetworkClassName, "it was written by a newer version of its class TzRvnNetwork than the one loaded"},
        {L"TzRvnFutureNetwork", "its class TzRvnFutureNetwork is not loaded"},
    };
    const fs::path script = scratch / "open.scr";
    rvntest::writeBytes(script, "OPEN\n" + drawing().string() + "\n");
    for (const auto& [className, reason] : cases) {
        SCOPED_TRACE(reason);
        saveDrawingWithProxy(className);
        const rvntest::ProgramRun run = calc(" --network futura --out " + singleQuoted(scratch / "out"));
        EXPECT_EQ(1, run.status) << run.output;
        EXPECT_TRUE(Printed(run, "rivanta calc: the network \"futura\" cannot be opened: " + reason + "\n"));
        const rvntest::ProgramRun opened = rvntest::runRivanta("run " + singleQuoted(script));
        EXPECT_TRUE(Printed(opened, "1 object kept as a proxy: " + reason + ".\n"));
    }
}

TEST_F(CalcDrawing, CalculatesTheNamedNetworkAndSavesItsResultsWithSave) {
    const std::string before = rvntest::readBytes(drawing());
    const fs::path out = scratch / "out";
    const rvntest::ProgramRun run = calc(" --network " + kCase + " --out " + singleQuoted(out));
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "Converged after 3 iterations\n"));
    EXPECT_EQ(rvntest::readBytes(expected("rvncheck.tmp")), rvntest::readBytes(out / "rvncheck.tmp"));
    EXPECT_EQ(rvntest::readBytes(expected("rvncalcr.tmp")), rvntest::readBytes(out / "rvncalcr.tmp"));
    EXPECT_EQ(before, rvntest::readBytes(drawing()));
    EXPECT_EQ(NO_RESULT, savedNetwork().nodes()[1].head);

    const rvntest::ProgramRun saved = calc(" --network " + kCase + " --save --out " + singleQuoted(out));
    EXPECT_EQ(0, saved.status) << saved.output;
    EXPECT_TRUE(Printed(saved, "Saved \"" + drawing().string() + "\""));
    EXPECT_FALSE(Printed(saved, "left open"));
    const TzRvnJson results = rvntest::ParsedJson(rvntest::readBytes(expected("results.json")));
    const TzRvnNetworkData network = savedNetwork();
    ASSERT_EQ(2, network.numNodes());
    for (int i = 0; i < 2; ++i) {
        const double head = results.find("nodes")->items()[static_cast<std::size_t>(i)].find("head")->number();
        EXPECT_TRUE(rvntest::numbersMatch(head, network.nodes()[static_cast<std::size_t>(i)].head));
    }
    const double flow = results.find("branches")->items()[0].find("flow")->number();
    EXPECT_TRUE(rvntest::numbersMatch(flow, network.edges()[0].flow));
}

TEST_F(CalcDrawing, ADrawingGivenWithoutItsNetworkIsToldByContentWithItsNetworks) {
    const fs::path disguised = scratch / "rete.ptv";
    fs::copy_file(drawing(), disguised);
    for (const fs::path& file : {drawing(), disguised}) {
        const rvntest::ProgramRun run = runCalc(singleQuoted(file) + " --yes --out " + singleQuoted(scratch / "out"));
        EXPECT_EQ(1, run.status);
        EXPECT_TRUE(Printed(run, "\"" + file.string() + "\" is a drawing: name the network to "
                                 "calculate with --network NAME (its networks: \"" + kCase + "\")"));
        EXPECT_FALSE(Printed(run, "NON e' POSITIV")) << "read as a Portavia file";
        EXPECT_FALSE(fs::exists(scratch / "out"));
    }
}

TEST_F(CalcDrawing, AValueTheSolverCannotUseIsRefusedAndNothingSaved) {
    TzRvnNetworkData network = caseNetwork;
    TzRvnSettings settings = network.getSettings();
    settings.headTolerance = -0.001;
    network.setSettings(settings);
    network.edges()[0].length = -100.0;
    rvntest::SaveDrawingWithNetwork(drawing(), rvnos::fromUtf8(kCase), network);
    const std::string before = rvntest::readBytes(drawing());
    const fs::path out = scratch / "out";
    const rvntest::ProgramRun run = calc(" --network " + kCase + " --save --out " + singleQuoted(out));
    EXPECT_EQ(1, run.status);
    const std::string refusal = "Impossibile avviare il calcolo: valori non utilizzabili\n"
                                "Tolleranza sul carico -0.001 m: deve essere un numero non negativo\n"
                                "Ramo 1 (1-2): lunghezza -100 m: deve essere un numero non negativo\n";
    EXPECT_TRUE(Printed(run, refusal));
    EXPECT_FALSE(Printed(run, "Converged"));
    EXPECT_TRUE(rvntest::readBytes(out / "rvncalcr.tmp").ends_with(refusal));
    EXPECT_EQ(before, rvntest::readBytes(drawing()));
}

// A zero length without a local loss leaves the branch no resistance: its conductance is infinite
// and no head of its part is a number.
TEST_F(CalcDrawing, ResultsThatAreNotFiniteAreNamedAndNeverSaved) {
    TzRvnNetworkData network = caseNetwork;
    network.edges()[0].length = 0.0;
    network.edges()[0].csi = 0.0;
    rvntest::SaveDrawingWithNetwork(drawing(), rvnos::fromUtf8(kCase), network);
    const std::string before = rvntest::readBytes(drawing());
    const rvntest::ProgramRun run = calc(" --network " + kCase + " --save --out " + singleQuoted(scratch / "out"));
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Printed(run, "Results not finite after "));
    EXPECT_TRUE(Printed(run, "Nodes whose results are not finite: 2\n"
                             "Branches whose results are not finite: 1 (1-2)\n"
                             "Tanks whose flow is not finite: 1 (node 1)\n"));
    EXPECT_FALSE(Printed(run, "Converged"));
    EXPECT_TRUE(Printed(run, "Drawing not saved"));
    EXPECT_EQ(before, rvntest::readBytes(drawing()));
}

TEST_F(CalcDrawing, AMissingNetworkOrAFileThatIsNoDrawingIsToldAndNothingWritten) {
    const std::string before = rvntest::readBytes(drawing());
    const rvntest::ProgramRun missing = calc(" --network Nessuna --save --out " + singleQuoted(scratch / "out"));
    EXPECT_EQ(1, missing.status);
    EXPECT_TRUE(Printed(missing, "has no network \"Nessuna\" (its networks: \"" + kCase + "\")"));
    EXPECT_FALSE(fs::exists(scratch / "out"));
    EXPECT_EQ(before, rvntest::readBytes(drawing()));

    const fs::path notDrawing = scratch / "testo.dwg";
    rvntest::writeBytes(notDrawing, "just text\n");
    const rvntest::ProgramRun unreadable = runCalc(singleQuoted(notDrawing) + " --network " + kCase);
    EXPECT_EQ(1, unreadable.status);
    EXPECT_TRUE(Printed(unreadable, "rivanta calc: Cannot open \"" + notDrawing.string() + "\": it is not a drawing file."));
    EXPECT_EQ("just text\n", rvntest::readBytes(notDrawing));
}

// Saving goes through links as the host's SAVE does (tests/drawing/shell_drawing_test.cpp); here
// the job's own word on a save that fails.
TEST_F(CalcDrawing, SaveRefusesAReadOnlyDrawing) {
    fs::permissions(drawing(), fs::perms(0444));
    const rvntest::ProgramRun run = calc(" --network " + kCase + " --save --out " + singleQuoted(scratch / "out"));
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Printed(run, "Cannot save \"" + drawing().string() + "\": the file is read-only."));
    EXPECT_FALSE(Printed(run, "Saved \""));
    EXPECT_EQ(NO_RESULT, savedNetwork().nodes()[1].head);
}

}  // namespace
