// The plug-in's network object in drawing files: the reader of the format's document finds it in a
// saved drawing. Its data through drawing files is the calculation job's (tests/calc), what travels
// through DXF the network's filing test (tests/netobj) and the DXF audit's (ezdxf_audit_test),
// proxies of an unloaded class the drawing tests' (drawing_proxy).
#include <gtest/gtest.h>

#include "dbapserv.h"
#include "drawing_file.h"
#include "drawing_samples.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "open_object_guard.h"
#include "sample_network.h"
#include "run_command.h"
#include "test_files.h"
#include "text_codec.h"

namespace {

using namespace rvntest;

class DrawingNetwork : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        ASSERT_EQ(Acad::eOk, AddNetwork(sample.database.get(), L"Rete1",
                                        std::make_unique<TzRvnNetwork>(sampleNetwork()), network));
    }

    SampleDrawing sample = makeSampleDrawing();
    AcDbObjectId network;
};

// The Python reader given as the example of docs/drawing-format.md, run on a saved drawing.
TEST_F(DrawingNetwork, TheFormatDocumentsReaderFindsTheNetworkAndItsNodes) {
    std::string document = rvntest::readBytes(RVN_SOURCE_DIR "/docs/drawing-format.md");
    std::size_t start = document.find("```python\n");
    std::size_t end = document.find("```", start + 10);
    ASSERT_NE(std::string::npos, end);
    rvntest::ScratchDir folder;
    rvntest::writeBytes(folder / "reader.py", document.substr(start + 10, end - start - 10));
    std::wstring message;
    ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(*sample.database, rvnos::fromUtf8((folder / "rete.dwg").string()),
                                                  message));
    const rvntest::CommandRun run = rvntest::runCommand("cd " + rvntest::singleQuoted(folder.path()) +
                                                        " && PYTHONIOENCODING=utf-8 python3 reader.py");
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_EQ("Rete1 ['N1', '', 'N3']\n", run.output);
}

}  // namespace
