// Drawing files on disk: saving and opening say what went wrong, and the reader of the format's
// document finds the plug-in's network in a saved drawing. That a drawing saved comes back whole is
// checked where the plug-in and the host program save and reopen drawings (tests/calc, tests/schema,
// tests/shell); the network's data through drawing files is the calculation job's (tests/calc), what
// travels through DXF the network's filing test (tests/netobj) and the DXF audit's (dxf_test),
// proxies of an unloaded class the round trip's (drawing_roundtrip_test).
#include <gtest/gtest.h>

#include <filesystem>

#include "drawing_file.h"
#include "drawing_samples.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "open_object_guard.h"
#include "run_command.h"
#include "sample_network.h"
#include "test_files.h"
#include "text_codec.h"

namespace {

using namespace rvntest;
namespace fs = std::filesystem;

class DrawingFiles : public OpenObjectCheckedTest {
protected:
    std::wstring pathOf(const std::string& name) { return rvnos::fromUtf8((folder / name).string()); }

    ScratchDir folder;
    SampleDrawing sample = makeSampleDrawing();
};

// Saving goes through the host's output files, whose keeping of modes, refusal of folders and
// leaving no temporary file tests/platform/os_test.cpp checks; here only what the drawing
// adds: its message.
TEST_F(DrawingFiles, SavingIntoAMissingFolderSaysSo) {
    std::wstring message;
    EXPECT_NE(Acad::eOk, rvnhost::saveDrawingFile(*sample.database, pathOf("manca/rete.dwg"), message));
    EXPECT_EQ("Cannot save \"" + (folder / "manca/rete.dwg").string() + "\": No such file or directory.",
              rvnos::toUtf8(message));
}

// A missing file is the host commands' (tests/drawing/shell_drawing_test.cpp); here a folder.
TEST_F(DrawingFiles, OpeningAFolderSaysItIsNoFile) {
    std::wstring message;
    EXPECT_EQ(nullptr, rvnhost::openDrawingFile(rvnos::fromUtf8(folder.path().string()), message));
    EXPECT_NE(std::string::npos, rvnos::toUtf8(message).find(": it is not a file.")) << rvnos::toUtf8(message);
}

TEST_F(DrawingFiles, ReadingIntoADatabaseThatHoldsADrawingIsRefused) {
    std::wstring message = L"left from before";
    ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(*sample.database, pathOf("rete.dwg"), message));
    EXPECT_TRUE(message.empty()) << "a drawing saved has no message";
    AcDbDatabase full;
    std::size_t before = full.allObjectIds().size();
    EXPECT_EQ(Acad::eInvalidInput, rvnhost::readDrawingFile(pathOf("rete.dwg"), full, message));
    EXPECT_EQ(before, full.allObjectIds().size());
}

// Reading a whole drawing this way is the host commands' (tests/shell); here what is no file.
TEST_F(DrawingFiles, TheDatabaseReadsNoDrawingFromWhatIsNoFile) {
    AcDbDatabase missing(false, true);
    EXPECT_EQ(Acad::eCantOpenFile, missing.readDwgFile(pathOf("assente.dwg").c_str()));
    EXPECT_EQ(Acad::eInvalidInput, missing.readDwgFile(nullptr));
}

// The Python reader given as the example of docs/drawing-format.md, run on a saved drawing.
TEST_F(DrawingFiles, TheFormatDocumentsReaderFindsTheNetworkAndItsNodes) {
    std::string document = rvntest::readBytes(RVN_SOURCE_DIR "/docs/drawing-format.md");
    std::size_t start = document.find("```python\n");
    std::size_t end = document.find("```", start + 10);
    ASSERT_NE(std::string::npos, end);
    RegisterNetworkClass();
    AcDbObjectId network;
    ASSERT_EQ(Acad::eOk, AddNetwork(sample.database.get(), L"Rete1", std::make_unique<TzRvnNetwork>(sampleNetwork()),
                                    network));
    rvntest::writeBytes(folder / "reader.py", document.substr(start + 10, end - start - 10));
    std::wstring message;
    ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(*sample.database, pathOf("rete.dwg"), message));
    const rvntest::CommandRun run = rvntest::runCommand("cd " + rvntest::singleQuoted(folder.path()) +
                                                        " && PYTHONIOENCODING=utf-8 python3 reader.py");
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_EQ("Rete1 ['N1', '', 'N3']\n", run.output);
}

}  // namespace
