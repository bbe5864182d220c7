// "rivanta calc" end to end: the built host program imports a shared calculation case, checks and
// calculates it, and leaves its reports (byte for byte) and results (to 1e-9) where asked;
// failing checks, aborted calculations, refused imports and bad arguments end with a clear message
// and a non-zero status, and no object is ever left open.
#include "json_reader.h"
#include "network/elements.h"
#include "calc_program.h"
#include "results_compare.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sys/mount.h>
#include <sched.h>

namespace {

namespace fs = std::filesystem;
using rvntest::singleQuoted;
using rvntest::runCalc;
using rvntest::runRivanta;

fs::path casePtv(const std::string& name) { return rvntest::kSharedCases / (name + ".ptv"); }
fs::path expected(const std::string& name, const char* file) {
    return rvntest::kSharedCases / (name + ".expected") / file;
}

using rvntest::ExpectSameResultsFile;

void expectNothingLeftOpen(const rvntest::ProgramRun& run) {
    EXPECT_EQ(std::string::npos, run.output.find("left open")) << run.output;
}

// The extreme heads as the summary shows them: 4 decimals, the new drawing's linear format.
std::string headLine(const TzRvnJson& results) {
    double highest = 0.0;
    double lowest = 1e10;
    for (const TzRvnJson& node : results.find("nodes")->items()) {
        highest = std::max(highest, node.find("head")->number());
        lowest = std::min(lowest, node.find("head")->number());
    }
    char line[96];
    std::snprintf(line, sizeof line, "H max %.4f, H min %.4f\n", highest, lowest);
    return line;
}

std::string iterationLine(const TzRvnJson& entry) {
    const std::string count = std::to_string(static_cast<int>(entry.find("iterations")->number()));
    return entry.find("converged")->boolean()
               ? "Converged after " + count + " iterations\n"
               : "Stopped at the iteration limit after " + count + " iterations, tolerances not met\n";
}

class SharedCase : public testing::TestWithParam<std::string> {};

TEST_P(SharedCase, LeavesTheExpectedReportsAndResultsInTheOutputFolder) {
    const std::string name = GetParam();
    rvntest::ScratchDir scratch;
    const fs::path out = scratch / "out";
    const rvntest::ProgramRun run = runCalc(singleQuoted(casePtv(name)) + " --out " + singleQuoted(out) + " --yes");
    expectNothingLeftOpen(run);
    if (fs::exists(expected(name, "REJECTED"))) {
        EXPECT_NE(0, run.status) << run.output;
        EXPECT_NE(std::string::npos, run.output.find("Impossibile importare il file")) << run.output;
        EXPECT_TRUE(!fs::exists(out) || fs::is_empty(out));
        return;
    }
    EXPECT_EQ(rvntest::readBytes(expected(name, "rvncheck.tmp")), rvntest::readBytes(out / "rvncheck.tmp"));
    if (fs::exists(expected(name, "rvncalcr.tmp"))) {
        EXPECT_EQ(rvntest::readBytes(expected(name, "rvncalcr.tmp")), rvntest::readBytes(out / "rvncalcr.tmp"));
    } else {
        EXPECT_FALSE(fs::exists(out / "rvncalcr.tmp"));
    }
    ExpectSameResultsFile(expected(name, "results.json"), out / "results.json");

    const TzRvnJson manifest = rvntest::ParsedJson(rvntest::readBytes(rvntest::kSharedCases / "MANIFEST.json"));
    const TzRvnJson* entry = manifest.find(name);
    ASSERT_NE(nullptr, entry);
    const bool calculated = entry->find("calc")->number() == 1;
    EXPECT_EQ(calculated ? 0 : 1, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("Network \"" + name + "\": nodes ")) << run.output;
    if (calculated) {
        EXPECT_NE(std::string::npos, run.output.find(iterationLine(*entry))) << run.output;
        const TzRvnJson results = rvntest::ParsedJson(rvntest::readBytes(expected(name, "results.json")));
        EXPECT_NE(std::string::npos, run.output.find(headLine(results))) << run.output;
    }
}

// The analysis tests run every shared case; here one that is calculated and one that is refused.
INSTANTIATE_TEST_SUITE_P(Calc, SharedCase, testing::Values("e02_iteration_limit_1", "e15_truncated_file"),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(CalcTool, TellsTheSummaryOfACalculatedNetwork) {
    rvntest::ScratchDir scratch;
    const rvntest::ProgramRun run = runCalc(singleQuoted(casePtv("e01_two_nodes_tank")) + " --out " + singleQuoted(scratch.path()));
    EXPECT_EQ(0, run.status);
    const std::string folder = scratch.path().string();
    const std::string summary = "Network \"e01_two_nodes_tank\": nodes 2, branches 1, tanks 1\n"
                                "H max 100.0000, H min 99.7167\n"
                                "Converged after 3 iterations\n"
                                "Topology report: \"" + folder + "/rvncheck.tmp\"\n"
                                "Calculation report: \"" + folder + "/rvncalcr.tmp\"\n"
                                "Results: \"" + folder + "/results.json\"\n";
    EXPECT_NE(std::string::npos, run.output.find(summary)) << run.output;
}

// The solver asked reaches the calculation: the dense factor of three nodes holds 6 entries, the
// sparse ones 5, and only --verbose tells them. The factorisations' bits are the sparse tests'.
TEST(CalcTool, TheSolverAskedCalculatesAndVerboseTellsTheFactorsNonZeros) {
    const std::string ptv = singleQuoted(casePtv("e03_reversed_branches"));
    for (const auto& [solver, entries] : {std::pair{"dense", "6"}, {"exact", "5"}, {"ordered", "5"}}) {
        rvntest::ScratchDir scratch;
        const rvntest::ProgramRun run =
            runCalc(ptv + " --solver " + solver + " --verbose --out " + singleQuoted(scratch.path()));
        EXPECT_EQ(0, run.status) << solver << run.output;
        EXPECT_NE(std::string::npos, run.output.find("Factor of the system: " + std::string(entries) + " non-zeros\n"))
            << run.output;
        ExpectSameResultsFile(expected("e03_reversed_branches", "results.json"), scratch.path() / "results.json");
    }
    rvntest::ScratchDir scratch;
    const rvntest::ProgramRun quiet = runCalc(ptv + " --solver ordered --out " + singleQuoted(scratch.path()));
    EXPECT_EQ(std::string::npos, quiet.output.find("Factor of the system")) << quiet.output;
}

TEST(CalcTool, AFailingCheckShowsTheDialogsMessageAndLeavesAnEarlierCalculationReport) {
    rvntest::ScratchDir scratch;
    const std::string out = " --out " + singleQuoted(scratch.path());
    ASSERT_EQ(0, runCalc(singleQuoted(casePtv("e01_two_nodes_tank")) + out).status);
    const rvntest::ProgramRun failed = runCalc(singleQuoted(casePtv("e06_isolated_nodes")) + out);
    EXPECT_EQ(1, failed.status);
    const std::string message = "Incongruenze sui dati: Vedi \"" + (scratch / "rvncheck.tmp").string() +
                                "\"\nImpossibile avviare il calcolo della rete\n";
    EXPECT_NE(std::string::npos, failed.output.find(message)) << failed.output;
    EXPECT_EQ(rvntest::readBytes(expected("e06_isolated_nodes", "rvncheck.tmp")),
              rvntest::readBytes(scratch / "rvncheck.tmp"));
    EXPECT_EQ(rvntest::readBytes(expected("e01_two_nodes_tank", "rvncalcr.tmp")),
              rvntest::readBytes(scratch / "rvncalcr.tmp"));
    ExpectSameResultsFile(expected("e06_isolated_nodes", "results.json"), scratch / "results.json");

    ASSERT_EQ(0, runCalc(singleQuoted(casePtv("e03_reversed_branches")) + out).status);
    EXPECT_EQ(rvntest::readBytes(expected("e03_reversed_branches", "rvncheck.tmp")),
              rvntest::readBytes(scratch / "rvncheck.tmp"));
    EXPECT_EQ(rvntest::readBytes(expected("e03_reversed_branches", "rvncalcr.tmp")),
              rvntest::readBytes(scratch / "rvncalcr.tmp"));
}

TEST(CalcTool, AnAbortedCalculationNamesTheNodesNoTankFeeds) {
    rvntest::ScratchDir scratch;
    const rvntest::ProgramRun run =
        runCalc(singleQuoted(casePtv("e11_component_without_tank")) + " --out " + singleQuoted(scratch.path()));
    EXPECT_EQ(1, run.status);
    const std::string message = "Incongruenze sul calcolo: Vedi \"" + (scratch / "rvncalcr.tmp").string() +
                                "\"\nCalcolo della rete  *** ABORTITO ***\nNodes that no tank feeds: 4, 5\n";
    EXPECT_NE(std::string::npos, run.output.find(message)) << run.output;
}

TEST(CalcTool, HeadsAreShownOnlyWhereThereAreNodesAndInScientificUnitsWhenTooLong) {
    rvntest::ScratchDir scratch;
    const fs::path empty = scratch / "vuota.ptv";
    rvntest::writeBytes(empty, rvntest::PortaviaFile(0, {}, 0, 0.0));
    const rvntest::ProgramRun none = runCalc(singleQuoted(empty) + " --out " + singleQuoted(scratch / "a"));
    EXPECT_EQ(std::string::npos, none.output.find("H max")) << none.output;
    EXPECT_NE(std::string::npos, none.output.find("nodes 0, branches 0, tanks 0")) << none.output;

    const fs::path high = scratch / "alta.ptv";
    rvntest::writeBytes(high, rvntest::PortaviaFile(2, {{1, 2, 100.0, 0.0001, 0.1}}, 1, 1e130));
    const rvntest::ProgramRun run = runCalc(singleQuoted(high) + " --out " + singleQuoted(scratch / "b"));
    const std::size_t heads = run.output.find("H max 1.0000E+130, H min ");
    ASSERT_NE(std::string::npos, heads) << run.output;
    const std::string minimum = run.output.substr(heads + 25, run.output.find('\n', heads) - heads - 25);
    EXPECT_NE(std::string::npos, minimum.find("E+")) << "H min in scientific units, never blank: " << run.output;
}

TEST(CalcTool, AZeroDiameterKeptAfterTheImportsQuestionIsRefusedBeforeTheCalculation) {
    rvntest::ScratchDir scratch;
    const fs::path ptv = scratch.write("diametro.ptv", rvntest::PortaviaFile(2, {{1, 2, 100.0, 0.0001, 0.0}}, 1, 50.0));
    const rvntest::ProgramRun run = runCalc(singleQuoted(ptv) + " --yes --out " + singleQuoted(scratch / "out"));
    EXPECT_EQ(1, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("Il diametro del ramo 1 NON e' POSITIVO\n-> yes (--yes)\n"))
        << run.output;
    EXPECT_NE(std::string::npos, run.output.find("Calcolo della rete  *** ABORTITO ***\n"
                                                 "Impossibile avviare il calcolo: valori non utilizzabili\n"
                                                 "Ramo 1 (1-2): diametro 0 m: deve essere un numero positivo\n"))
        << run.output;
    const TzRvnJson results = rvntest::ParsedJson(rvntest::readBytes(scratch / "out" / "results.json"));
    EXPECT_EQ(0, results.find("calc")->number());
    EXPECT_EQ(NO_RESULT, *results.find("branches")->items()[0].find("flow")->asNumber());
}

// A negative setting of the file itself is refused by the import, with its line; a value the
// calculation cannot use, wherever it comes from, is refused as the zero diameter above.
TEST(CalcTool, AnInputFileWithASettingTheSolverCannotUseIsRefused) {
    rvntest::ScratchDir scratch;
    const fs::path inp = scratch.write("propria.inp", "[JUNCTIONS]\nJ1 10 0\nJ2 10 1.5\n[RESERVOIRS]\nR1 50\n[PIPES]\n"
                                                      "P1 R1 J1 100 150 0.1 0 Open\nP2 J1 J2 100 100 0.1 0 Open\n"
                                                      "[OPTIONS]\nUnits LPS\nHeadloss D-W\n"
                                                      ";RIVANTA MIN_BRANCH_FLOW -5\n[END]\n");
    const rvntest::ProgramRun run = runCalc(singleQuoted(inp) + " --out " + singleQuoted(scratch / "a"));
    EXPECT_EQ(1, run.status) << run.output;
    EXPECT_NE(std::string::npos,
              run.output.find("sezione [OPTIONS], riga 12: impostazione di Rivanta non valida MIN_BRANCH_FLOW"))
        << run.output;
}

TEST(CalcTool, TheImportsQuestionIsRefusedWithoutATerminalUnlessAnswered) {
    rvntest::ScratchDir scratch;
    const fs::path out = scratch / "out";
    for (const std::string answer : {"", " --no"}) {
        const rvntest::ProgramRun run = runCalc(singleQuoted(casePtv("e16_roughness_zero")) + answer + " --out " + singleQuoted(out));
        EXPECT_EQ(1, run.status);
        EXPECT_NE(std::string::npos, run.output.find("La scabrezza del ramo 3 NON e' POSITIVA")) << run.output;
        EXPECT_NE(std::string::npos, run.output.find("annullata")) << run.output;
        EXPECT_FALSE(fs::exists(out));
    }
    const rvntest::ProgramRun refused = runCalc(singleQuoted(casePtv("e16_roughness_zero")));
    EXPECT_NE(std::string::npos, refused.output.find("no terminal to ask (answer with --yes or --no)"));
}

TEST(CalcTool, WithoutOutputFolderTheReportsGoToTheTemporaryDirectory) {
    rvntest::ScratchDir scratch;
    const fs::path results = scratch / "altrove" / "risultati.json";
    fs::create_directories(results.parent_path());
    const rvntest::ProgramRun run = runCalc(singleQuoted(casePtv("e03_reversed_branches")) + " --results " + singleQuoted(results),
                                            "TMPDIR=" + singleQuoted(scratch.path()));
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_EQ(rvntest::readBytes(expected("e03_reversed_branches", "rvncalcr.tmp")),
              rvntest::readBytes(scratch / "rvncalcr.tmp"));
    EXPECT_TRUE(fs::exists(scratch / "rvncheck.tmp"));
    ExpectSameResultsFile(expected("e03_reversed_branches", "results.json"), results);
    EXPECT_FALSE(fs::exists(scratch / "results.json"));

    fs::remove(results);
    EXPECT_EQ(0, runCalc(singleQuoted(casePtv("e01_two_nodes_tank")), "TMPDIR=" + singleQuoted(scratch.path())).status);
    EXPECT_FALSE(fs::exists(results));
    EXPECT_FALSE(fs::exists(scratch / "results.json"));
}

TEST(CalcTool, BadArgumentsAndUnreadableFilesEndWithAClearLine) {
    rvntest::ScratchDir scratch;
    const std::string ptv = singleQuoted(casePtv("e01_two_nodes_tank"));
    const std::string out = " --out " + singleQuoted(scratch / "out");
    rvntest::writeBytes(scratch / "corto.ptv", rvntest::readBytes(casePtv("e01_two_nodes_tank")).substr(0, 100));
    rvntest::writeBytes(scratch / "file", "not a folder");
    const struct {
        std::string arguments;
        int status;
        std::string line;
    } cases[] = {
        {ptv + " --fast", 2, "rivanta calc: unknown option --fast\nTry \"rivanta calc --help\".\n"},
        {"--help", 0, "Usage: rivanta calc FILE.ptv"},
        {singleQuoted(scratch / "manca.ptv") + out, 1, "Impossibile aprire il file " + (scratch / "manca.ptv").string()},
        {singleQuoted(scratch.path()), 1, "Impossibile aprire il file"},
        {singleQuoted(scratch / "corto.ptv") + out, 1, "e' piu' corto della sua intestazione (100 byte su 164)"},
        {ptv + " --out " + singleQuoted(scratch / "file"), 1, "cannot make the folder"},
        {singleQuoted(scratch / "progetto.dwg") + " --network Rete", 1, "rivanta calc: Cannot open"},
    };
    for (const auto& c : cases) {
        const rvntest::ProgramRun run = runCalc(c.arguments);
        EXPECT_EQ(c.status, run.status) << c.arguments;
        EXPECT_NE(std::string::npos, run.output.find(c.line)) << run.output;
        expectNothingLeftOpen(run);
    }
    EXPECT_FALSE(fs::exists(scratch / "out"));
}

// Which file of the folder is missing or malformed, and its messages, are the import's
// (calc_import_test.cpp); here that the job stops with the message, before or after its name.
TEST(CalcTool, AMalformedFileOfTheProgramFolderStopsTheImportWithItsPathAndLine) {
    rvntest::ScratchDir scratch;
    const fs::path folder = scratch / "cartella";
    fs::create_directories(folder);
    for (const char* name : {"rvnsetup.par", "rvnmateriali.dat"}) {
        fs::copy_file(fs::path(RVN_SOURCE_DIR) / "examples" / name, folder / name);
    }
    const fs::path inp = scratch.write("rete.inp", "[JUNCTIONS]\n J 100 1\n[RESERVOIRS]\n R 130\n[PIPES]\n P R J 1000 120 0.1\n"
                                                   "[OPTIONS]\n UNITS LPS\n HEADLOSS D-W\n");
    const std::string out = " --out " + singleQuoted(scratch / "out");
    const std::string given = " --program-folder " + singleQuoted(folder);
    ASSERT_EQ(0, runCalc(singleQuoted(inp) + given + out).status);
    fs::remove_all(scratch / "out");

    std::string settings = rvntest::readBytes(folder / "rvnsetup.par");
    rvntest::writeBytes(folder / "rvnsetup.par", settings.replace(settings.find("1.0000000000"), 12, "abc"));
    const std::string settingsFault =
        "rivanta calc: the settings file \"" + (folder / "rvnsetup.par").string() + "\", line 7: \"abc\" is not a number\n";
    // The host's option is taken after the job's name as before it.
    const rvntest::ProgramRun after = runCalc(singleQuoted(inp) + given + out);
    const rvntest::ProgramRun before = runRivanta(given.substr(1) + " calc " + singleQuoted(inp) + out);
    for (const auto* malformed : {&after, &before}) {
        EXPECT_EQ(1, malformed->status) << malformed->output;
        EXPECT_NE(std::string::npos, malformed->output.find(settingsFault)) << malformed->output;
        expectNothingLeftOpen(*malformed);
    }
    EXPECT_FALSE(fs::exists(scratch / "out"));
    // A Portavia file needs only the materials archive.
    EXPECT_EQ(0, runCalc(singleQuoted(casePtv("e01_two_nodes_tank")) + given + " --out " + singleQuoted(scratch / "ptv"))
                     .status);
}

// How results files go through links and refuse pipes is the output file's; the job passes its
// input so that the results never replace it.
TEST(CalcTool, ResultsNeverGoOverTheInput) {
    rvntest::ScratchDir scratch;
    const fs::path ptv = scratch / "rete.ptv";
    fs::copy_file(casePtv("e01_two_nodes_tank"), ptv);
    const std::string input = rvntest::readBytes(ptv);
    fs::create_symlink("rete.ptv", scratch / "alias.ptv");
    for (const fs::path& results : {ptv, scratch / "alias.ptv"}) {
        const rvntest::ProgramRun run =
            runCalc(singleQuoted(ptv) + " --results " + singleQuoted(results), "TMPDIR=" + singleQuoted(scratch.path()));
        EXPECT_EQ(1, run.status);
        EXPECT_NE(std::string::npos, run.output.find("rivanta calc: cannot write the results to \"" + results.string() +
                                                     "\": it is the input file \"" + ptv.string() + "\"\n"))
            << run.output;
        EXPECT_EQ(std::string::npos, run.output.find("Results: ")) << run.output;
        EXPECT_EQ(input, rvntest::readBytes(ptv));
    }
}

// The dialog's message says only that the topology report could not be made; the job's own line
// after it names the file and why.
TEST(CalcTool, AnOutputFolderThatMayNotBeWrittenIsNamedAfterTheDialogsMessage) {
    rvntest::ScratchDir scratch;
    const fs::path out = scratch / "sola lettura";
    fs::create_directory(out);
    fs::permissions(out, fs::perms(0555));
    const rvntest::ProgramRun run = runCalc(singleQuoted(casePtv("e01_two_nodes_tank")) + " --out " + singleQuoted(out));
    fs::permissions(out, fs::perms(0755));
    EXPECT_EQ(1, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("Impossibile inizializzare il file dei messaggi\n"
                                                 "per ispezionare la congruenza topologica della\n"
                                                 "rete idraulica\n"
                                                 "rivanta calc: cannot write \"" + (out / "rvncheck.tmp").string() +
                                                 "\": the folder \"" + out.string() + "\" is read-only\n"))
        << run.output;
    EXPECT_TRUE(fs::is_empty(out));
}

// A tmpfs of a few pages on folder, in the test process's own mount namespace (which the host
// program it runs shares); not mounted where the test may not do that.
class SmallDisk {
public:
    SmallDisk(const fs::path& folder, const std::string& size) : folder_(folder) {
        mounted_ = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

// The files a run's summary names ("Topology report: "...", "Results: "...").
std::set<fs::path> announcedFiles(const std::string& output) {
    std::set<fs::path> files;
    for (const char* heading : {"Topology report: \"", "Calculation report: \"", "Results: \""}) {
        const std::size_t at = output.find(heading);
        if (at == std::string::npos) continue;
        const std::size_t start = at + std::string(heading).size();
        files.insert(output.substr(start, output.find('"', start) - start));
    }
    return files;
}

std::set<fs::path> filesIn(const fs::path& folder) {
    std::set<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.insert(entry.path());
    return files;
}

// Room for the check report only, then for both reports but not the results: each time the job
// names the file that failed, ends with 1, and every file left is whole and announced.
TEST(CalcTool, OnAFullDiskEveryFileIsWholeOrAbsentAndOnlyWholeOnesAreAnnounced) {
    const std::string name = "r_n200_s5";
    for (const std::string size : {"8k", "64k"}) {
        rvntest::ScratchDir scratch;
        const fs::path disk = scratch / "disk";
        fs::create_directories(disk);
        SmallDisk small(disk, size);
        if (!small.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
        const rvntest::ProgramRun run = runCalc(singleQuoted(casePtv(name)) + " --out " + singleQuoted(disk));
        EXPECT_EQ(1, run.status) << run.output;
        const fs::path failed = disk / (size == "8k" ? "rvncheck.tmp" : "results.json");
        EXPECT_NE(std::string::npos, run.output.find(failed.string() + "\": No space left on device\n")) << run.output;
        const std::set<fs::path> announced = announcedFiles(run.output);
        EXPECT_EQ(filesIn(disk), announced) << run.output;
        EXPECT_EQ(0u, announced.count(failed)) << run.output;
        for (const fs::path& file : announced) {
            if (file.filename() != "results.json") {
                EXPECT_EQ(rvntest::readBytes(expected(name, file.filename().c_str())), rvntest::readBytes(file)) << file;
            }
        }
    }
}

}  // namespace
