// "rivanta calc" end to end: the built host program imports a shared calculation case, checks and
// calculates it, and leaves its reports (byte for byte) and results (to 1e-9) where asked;
// failing checks, aborted calculations, refused imports and bad arguments end with a clear message
// and a non-zero status, and no object is ever left open.
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
using rvntest::Printed;

fs::path casePtv(const std::string& name) { return rvntest::kSharedCases / (name + ".ptv"); }
std::string expected(const std::string& name, const char* file) {
    return rvntest::readBytes(rvntest::kSharedCases / (name + ".expected") / file);
}

// "rivanta calc" on the shared case of that name, then the arguments.
rvntest::ProgramRun calcCase(const std::string& name, const std::string& arguments, const std::string& environment = "") {
    return runCalc(singleQuoted(casePtv(name)) + arguments, environment);
}

using rvntest::ExpectSameResultsFile;

void expectNothingLeftOpen(const rvntest::ProgramRun& run) { EXPECT_FALSE(Printed(run, "left open")); }

// The analysis tests run every shared case and compare its reports and results; here the files one
// calculated case leaves where asked, and a refused one.
TEST(CalcTool, LeavesTheSharedCasesReportsAndResultsInTheOutputFolder) {
    const std::string name = "e02_iteration_limit_1";
    rvntest::ScratchDir scratch;
    const rvntest::ProgramRun run = calcCase(name, " --out " + singleQuoted(scratch.path()) + " --yes");
    expectNothingLeftOpen(run);
    EXPECT_EQ(expected(name, "rvncalcr.tmp"), rvntest::readBytes(scratch / "rvncalcr.tmp"));
    // The case stops at its limit of one iteration, which is no failure of the job.
    EXPECT_EQ(0, run.status) << run.output;
    const std::string folder = scratch.path().string();
    const std::string summary = "Network \"" + name + "\": nodes 2, branches 1, tanks 1\n"
                                "H max 101.9938, H min 100.0000\n"
                                "Stopped at the iteration limit after 1 iterations, tolerances not met\n"
                                "Topology report: \"" + folder + "/rvncheck.tmp\"\n"
                                "Calculation report: \"" + folder + "/rvncalcr.tmp\"\n"
                                "Results: \"" + folder + "/results.json\"\n";
    EXPECT_TRUE(Printed(run, summary));
}

TEST(CalcTool, ARefusedSharedCaseLeavesNothing) {
    rvntest::ScratchDir scratch;
    const fs::path out = scratch / "out";
    const rvntest::ProgramRun run = calcCase("e15_truncated_file", " --out " + singleQuoted(out));
    expectNothingLeftOpen(run);
    EXPECT_EQ(1, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "Impossibile importare il file"));
    EXPECT_FALSE(fs::exists(out));
}

// The solver asked reaches the calculation: the dense factor of three nodes holds 6 entries, the
// sparse ones 5, and only --verbose tells them. The factorisations' bits are the sparse tests'.
TEST(CalcTool, TheSolverAskedCalculatesAndVerboseTellsTheFactorsNonZeros) {
    const std::string name = "e03_reversed_branches";
    for (const auto& [solver, entries] : {std::pair{"dense", "6"}, {"exact", "5"}, {"ordered", "5"}}) {
        rvntest::ScratchDir scratch;
        const std::string out = " --verbose --out " + singleQuoted(scratch.path());
        const rvntest::ProgramRun run = calcCase(name, " --solver " + std::string(solver) + out);
        EXPECT_EQ(0, run.status) << solver << run.output;
        EXPECT_TRUE(Printed(run, "Factor of the system: " + std::string(entries) + " non-zeros\n"));
        ExpectSameResultsFile(rvntest::kSharedCases / (name + ".expected") / "results.json", scratch.path() / "results.json");
    }
    rvntest::ScratchDir scratch;
    EXPECT_FALSE(Printed(calcCase(name, " --solver ordered --out " + singleQuoted(scratch.path())), "Factor of the system"));
}

TEST(CalcTool, AFailingCheckShowsTheDialogsMessageAndLeavesAnEarlierCalculationReport) {
    rvntest::ScratchDir scratch;
    const std::string out = " --out " + singleQuoted(scratch.path());
    ASSERT_EQ(0, calcCase("e01_two_nodes_tank", out).status);
    const rvntest::ProgramRun failed = calcCase("e06_isolated_nodes", out);
    EXPECT_EQ(1, failed.status);
    EXPECT_TRUE(Printed(failed, "Incongruenze sui dati: Vedi \"" + (scratch / "rvncheck.tmp").string() +
                                    "\"\nImpossibile avviare il calcolo della rete\n"));
    EXPECT_EQ(expected("e01_two_nodes_tank", "rvncalcr.tmp"), rvntest::readBytes(scratch / "rvncalcr.tmp"));
}

TEST(CalcTool, AnAbortedCalculationNamesTheNodesNoTankFeeds) {
    rvntest::ScratchDir scratch;
    const rvntest::ProgramRun run = calcCase("e11_component_without_tank", " --out " + singleQuoted(scratch.path()));
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Printed(run, "Incongruenze sul calcolo: Vedi \"" + (scratch / "rvncalcr.tmp").string() +
                                 "\"\nCalcolo della rete  *** ABORTITO ***\nNodes that no tank feeds: 4, 5\n"));
}

TEST(CalcTool, HeadsAreShownOnlyWhereThereAreNodesAndInScientificUnitsWhenTooLong) {
    rvntest::ScratchDir scratch;
    const fs::path empty = scratch / "vuota.ptv";
    rvntest::writeBytes(empty, rvntest::PortaviaFile(0, {}, 0, 0.0));
    const rvntest::ProgramRun none = runCalc(singleQuoted(empty) + " --out " + singleQuoted(scratch / "a"));
    EXPECT_FALSE(Printed(none, "H max"));
    EXPECT_TRUE(Printed(none, "nodes 0, branches 0, tanks 0"));

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
    EXPECT_TRUE(Printed(run, "Il diametro del ramo 1 NON e' POSITIVO\n-> yes (--yes)\n"));
    EXPECT_TRUE(Printed(run, "Calcolo della rete  *** ABORTITO ***\n"
                             "Impossibile avviare il calcolo: valori non utilizzabili\n"
                             "Ramo 1 (1-2): diametro 0 m: deve essere un numero positivo\n"));
    const TzRvnJson results = rvntest::ParsedJson(rvntest::readBytes(scratch / "out" / "results.json"));
    EXPECT_EQ(0, results.find("calc")->number());
    EXPECT_EQ(NO_RESULT, *results.find("branches")->items()[0].find("flow")->asNumber());
}

TEST(CalcTool, TheImportsQuestionIsRefusedWithoutATerminalUnlessAnswered) {
    rvntest::ScratchDir scratch;
    const fs::path out = scratch / "out";
    for (const std::string answer : {"", " --no"}) {
        const rvntest::ProgramRun run = calcCase("e16_roughness_zero", answer + " --out " + singleQuoted(out));
        EXPECT_EQ(1, run.status);
        EXPECT_TRUE(Printed(run, "La scabrezza del ramo 3 NON e' POSITIVA"));
        EXPECT_TRUE(Printed(run, "annullata"));
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_TRUE(Printed(calcCase("e16_roughness_zero", ""), "no terminal to ask (answer with --yes or --no)"));
}

TEST(CalcTool, WithoutOutputFolderTheReportsGoToTheTemporaryDirectory) {
    rvntest::ScratchDir scratch;
    const fs::path results = scratch / "altrove" / "risultati.json";
    fs::create_directories(results.parent_path());
    const std::string tmp = "TMPDIR=" + singleQuoted(scratch.path());
    const rvntest::ProgramRun run = calcCase("e03_reversed_branches", " --results " + singleQuoted(results), tmp);
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_EQ(expected("e03_reversed_branches", "rvncalcr.tmp"), rvntest::readBytes(scratch / "rvncalcr.tmp"));
    EXPECT_TRUE(fs::exists(scratch / "rvncheck.tmp"));
    ExpectSameResultsFile(rvntest::kSharedCases / "e03_reversed_branches.expected" / "results.json", results);
    EXPECT_FALSE(fs::exists(scratch / "results.json"));

    fs::remove(results);
    EXPECT_EQ(0, calcCase("e01_two_nodes_tank", "", tmp).status);
    EXPECT_FALSE(fs::exists(results));
    EXPECT_FALSE(fs::exists(scratch / "results.json"));
}

TEST(CalcTool, BadArgumentsAndUnreadableFilesEndWithAClearLine) {
    rvntest::ScratchDir scratch;
    const std::string ptv = singleQuoted(casePtv("e01_two_nodes_tank"));
    const std::string out = " --out " + singleQuoted(scratch / "out");
    rvntest::writeBytes(scratch / "file", "not a folder");
    const struct {
        std::string arguments;
        int status;
        std::string line;
    } cases[] = {
        {ptv + " --fast", 2, "rivanta calc: unknown option --fast\nTry \"rivanta calc --help\".\n"},
        {singleQuoted(scratch / "manca.ptv") + out, 1, "Impossibile aprire il file " + (scratch / "manca.ptv").string()},
        {ptv + " --out " + singleQuoted(scratch / "file"), 1, "cannot make the folder"},
    };
    for (const auto& c : cases) {
        const rvntest::ProgramRun run = runCalc(c.arguments);
        EXPECT_EQ(c.status, run.status) << c.arguments;
        EXPECT_TRUE(Printed(run, c.line));
        expectNothingLeftOpen(run);
    }
    EXPECT_FALSE(fs::exists(scratch / "out"));
}

// Which file of the folder is missing or malformed, and its messages, are the import's
// (calc_import_test.cpp); here that the folder given reaches the job, before or after its name.
TEST(CalcTool, AMalformedFileOfTheProgramFolderStopsTheImportWithItsPathAndLine) {
    rvntest::ScratchDir scratch;
    const fs::path folder = scratch / "cartella";
    fs::create_directories(folder);
    std::string settings = rvntest::readBytes(fs::path(RVN_SOURCE_DIR) / "examples" / "rvnsetup.par");
    rvntest::writeBytes(folder / "rvnsetup.par", settings.replace(settings.find("1.0000000000"), 12, "abc"));
    const fs::path inp = scratch.write("rete.inp", "[JUNCTIONS]\n J 100 1\n[RESERVOIRS]\n R 130\n[PIPES]\n P R J 1000 120 0.1\n"
                                                   "[OPTIONS]\n UNITS LPS\n HEADLOSS D-W\n");
    const std::string out = " --out " + singleQuoted(scratch / "out");
    const std::string given = "--program-folder " + singleQuoted(folder);
    const std::string settingsFault =
        "rivanta calc: the settings file \"" + (folder / "rvnsetup.par").string() + "\", line 7: \"abc\" is not a number\n";
    for (const std::string& arguments : {"calc " + singleQuoted(inp) + " " + given + out, given + " calc " + singleQuoted(inp) + out}) {
        const rvntest::ProgramRun malformed = runRivanta(arguments);
        EXPECT_EQ(1, malformed.status) << malformed.output;
        EXPECT_TRUE(Printed(malformed, settingsFault));
        expectNothingLeftOpen(malformed);
    }
    EXPECT_FALSE(fs::exists(scratch / "out"));
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
        EXPECT_TRUE(Printed(run, "rivanta calc: cannot write the results to \"" + results.string() +
                                     "\": it is the input file \"" + ptv.string() + "\"\n"));
        EXPECT_FALSE(Printed(run, "Results: "));
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
    const rvntest::ProgramRun run = calcCase("e01_two_nodes_tank", " --out " + singleQuoted(out));
    fs::permissions(out, fs::perms(0755));
    EXPECT_EQ(1, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "Impossibile inizializzare il file dei messaggi\n"
                             "per ispezionare la congruenza topologica della\n"
                             "rete idraulica\n"
                             "rivanta calc: cannot write \"" + (out / "rvncheck.tmp").string() +
                             "\": the folder \"" + out.string() + "\" is read-only\n"));
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
        const rvntest::ProgramRun run = calcCase(name, " --out " + singleQuoted(disk));
        EXPECT_EQ(1, run.status) << run.output;
        const fs::path failed = disk / (size == "8k" ? "rvncheck.tmp" : "results.json");
        EXPECT_TRUE(Printed(run, failed.string() + "\": No space left on device\n"));
        const std::set<fs::path> announced = announcedFiles(run.output);
        EXPECT_EQ(filesIn(disk), announced) << run.output;
        EXPECT_EQ(0u, announced.count(failed)) << run.output;
        for (const fs::path& file : announced) {
            if (file.filename() != "results.json") {
                EXPECT_EQ(expected(name, file.filename().c_str()), rvntest::readBytes(file)) << file;
            }
        }
    }
}

}  // namespace
