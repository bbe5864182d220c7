// The host program's drawing commands: OPEN, SAVE, SAVEAS and UNDO in a script, a drawing
// opened at start, and the job dxfout; files that cannot be read leave the drawing as it was.
#include <gtest/gtest.h>

#include "run_command.h"
#include "test_files.h"

namespace {

using rvntest::CommandRun;
using rvntest::Printed;
using rvntest::runHost;
namespace fs = std::filesystem;

bool isDxf(const std::string& bytes) { return bytes.starts_with("  0\nSECTION\n  2\nHEADER\n"); }

class ShellDrawing : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (folder / name).string(); }

    CommandRun script(const std::string& lines, const std::string& before = "") {
        return runHost(before + " run " + rvntest::singleQuoted(folder.write("test.scr", lines)));
    }

    // A drawing saved by the host program.
    void saveNewDrawing(const std::string& name) {
        CommandRun run = script("SAVEAS\n" + path(name) + "\n");
        ASSERT_EQ(0, run.status) << run.output;
    }

    rvntest::ScratchDir folder;
};

TEST_F(ShellDrawing, SavesANewDrawingAndOpensItAtStart) {
    CommandRun saved = script("SAVEAS\n" + path("rete.dwg") + "\nSAVE\n");
    EXPECT_EQ(0, saved.status) << saved.output;
    EXPECT_TRUE(Printed(saved, "Save drawing as <Drawing1.dwg>: " + path("rete.dwg")));
    EXPECT_TRUE(Printed(saved, "Command: SAVE\nSaved \"" + path("rete.dwg") + "\"."));

    for (const std::string& start : {"'" + path("rete.dwg") + "'", "--open '" + path("rete.dwg") + "'"}) {
        CommandRun opened = script("SAVEAS\n" + path("copia.dwg") + "\n", start);
        EXPECT_EQ(0, opened.status) << opened.output;
        EXPECT_TRUE(Printed(opened, "Opened \"" + path("rete.dwg") + "\"."));
        EXPECT_TRUE(Printed(opened, "Save drawing as <" + path("rete.dwg") + ">"));
        EXPECT_EQ(rvntest::readBytes(folder / "rete.dwg"), rvntest::readBytes(folder / "copia.dwg"));
        fs::remove(folder / "copia.dwg");  // saved anew by the next start, without a question
    }
}

TEST_F(ShellDrawing, AFileThatCannotBeOpenedLeavesTheCurrentDrawingOrEndsARunStartingWithIt) {
    saveNewDrawing("rete.dwg");
    std::string whole = rvntest::readBytes(folder / "rete.dwg");
    rvntest::writeBytes(folder / "tronco.dwg", whole.substr(0, whole.size() / 2));
    CommandRun run = script("OPEN\n" + path("tronco.dwg") + "\nOPEN\n" + path("assente.dwg") + "\nSAVEAS\n" +
                             path("dopo.dwg") + "\n",
                         "'" + path("rete.dwg") + "'");
    EXPECT_EQ(1, run.status) << "the failed commands fail the script";
    EXPECT_TRUE(Printed(run, "** Cannot open \"" + path("tronco.dwg") + "\": the file is truncated."));
    EXPECT_TRUE(Printed(run, "** Cannot open \"" + path("assente.dwg") + "\": No such file"));
    EXPECT_EQ(whole, rvntest::readBytes(folder / "dopo.dwg")) << "the drawing open before is saved unchanged";

    rvntest::writeBytes(folder / "falso.dwg", "not a drawing");
    run = runHost("'" + path("falso.dwg") + "'");
    EXPECT_EQ(1, run.status) << "a drawing that cannot be opened at start ends the run";
    EXPECT_TRUE(Printed(run, "** Cannot open \"" + path("falso.dwg") + "\": it is not a drawing file."));
}

TEST_F(ShellDrawing, UndoSaysWhenThereIsNothingToUndoAndRefusesACountBelowOne) {
    CommandRun run = script("UNDO\n\n");
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "Number of commands to undo <1>: \nNothing to undo."));
    for (const char* count : {"-1", "0"}) {
        run = script("UNDO\n" + std::string(count) + "\n");
        EXPECT_EQ(1, run.status) << run.output;
        EXPECT_TRUE(Printed(run, "UNDO takes a positive number of commands, not " + std::string(count) + "."));
    }
}

TEST_F(ShellDrawing, DxfoutWritesTheDrawingAsDxfButNeverOverItsInput) {
    saveNewDrawing("rete.dwg");
    CommandRun run = runHost("dxfout '" + path("rete.dwg") + "' '" + path("rete.dxf") + "'");
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "Wrote \"" + path("rete.dxf") + "\"."));
    EXPECT_TRUE(isDxf(rvntest::readBytes(folder / "rete.dxf")));

    CommandRun missing = runHost("dxfout '" + path("assente.dwg") + "' '" + path("assente.dxf") + "'");
    EXPECT_EQ(1, missing.status);
    EXPECT_FALSE(std::filesystem::exists(folder / "assente.dxf"));

    // Links, pipes and other files that are not writable are refused by every output file
    // (tests/platform/os_test.cpp); dxfout names its input so that it is never written over.
    const std::string drawing = rvntest::readBytes(folder / "rete.dwg");
    fs::create_symlink("rete.dwg", folder / "alias.dxf");
    for (const std::string& output : {path("rete.dwg"), path("alias.dxf")}) {
        CommandRun run = runHost("dxfout '" + path("rete.dwg") + "' '" + output + "'");
        EXPECT_EQ(1, run.status);
        EXPECT_TRUE(Printed(run, "it is the input file \"" + path("rete.dwg") + "\""));
        EXPECT_EQ(drawing, rvntest::readBytes(folder / "rete.dwg"));
    }
}

TEST_F(ShellDrawing, SaveasAsksBeforeReplacingAFileWritesThroughLinksAndDxfForADxfName) {
    saveNewDrawing("rete.dwg");
    const std::string drawing = rvntest::readBytes(folder / "rete.dwg");
    rvntest::writeBytes(folder / "altro.dwg", "other");
    fs::create_symlink("altro.dwg", folder / "vista.dwg");
    const std::string start = "'" + path("rete.dwg") + "'";
    CommandRun run = script("SAVEAS\n" + path("vista.dwg") + "\nNo\nSAVEAS\n" + path("rete.dxf") + "\n", start);
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(Printed(run, "\"" + path("vista.dwg") + "\" already exists. Replace it? [Yes/No] <No>: No"));
    EXPECT_EQ("other", rvntest::readBytes(folder / "altro.dwg"));
    EXPECT_TRUE(isDxf(rvntest::readBytes(folder / "rete.dxf")));

    run = script("SAVEAS\n" + path("vista.dwg") + "\nYes\n", start);
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(fs::is_symlink(folder / "vista.dwg"));
    EXPECT_EQ(drawing, rvntest::readBytes(folder / "altro.dwg"));
}

// The refusal itself is the output files' (tests/platform/os_test.cpp); here that SAVE fails with it
// and leaves the file's mode.
TEST_F(ShellDrawing, SaveRefusesAReadOnlyDrawing) {
    saveNewDrawing("rete.dwg");
    fs::permissions(folder / "rete.dwg", fs::perms(0444));
    CommandRun run = script("SAVE\n", "'" + path("rete.dwg") + "'");
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Printed(run, "Cannot save \"" + path("rete.dwg") + "\": the file is read-only."));
    EXPECT_EQ(fs::perms(0444), fs::status(folder / "rete.dwg").permissions() & fs::perms::mask);
}

}  // namespace
