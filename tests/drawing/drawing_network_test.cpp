// The plug-in's network object in drawing files: its data survives saving and opening, a copy,
// and an undo; through DXF only the object itself travels.
#include <gtest/gtest.h>

#include "dbapserv.h"
#include "drawing_file.h"
#include "drawing_samples.h"
#include "network/network_class.h"
#include "network/network_dictionary.h"
#include "open_object_guard.h"
#include "run_command.h"
#include "test_files.h"
#include "text_codec.h"

namespace {

using namespace rvntest;

TzRvnNetworkData sampleNetwork() {
    TzRvnNetworkData data(true);
    data.nodes().resize(2);
    data.nodes()[0].name.assign(L"N1");
    data.nodes()[0].demand = 0.002;
    data.nodes()[0].elevation = 101.5;
    data.nodes()[0].note.set(L"presa \u00e8");
    data.nodes()[1].name.assign(L"S");
    data.nodes()[1].head = 120.25;
    data.edges().resize(1);
    data.edges()[0].startNode.assign(L"S");
    data.edges()[0].endNode.assign(L"N1");
    data.edges()[0].length = 250.0;
    data.edges()[0].diameter = 0.15;
    data.edges()[0].flow = 0.002;
    data.tanks().resize(1);
    data.tanks()[0].nodeName.assign(L"S");
    data.tanks()[0].head = 125.0;
    return data;
}

class DrawingNetwork : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        ASSERT_EQ(Acad::eOk, AddNetwork(sample.database.get(), L"Rete1",
                                        std::make_unique<TzRvnNetwork>(sampleNetwork()), network));
    }

    TzRvnNetworkData dataOf(AcDbDatabase* database) {
        TzRvnOpenObject<TzRvnNetwork> opened;
        TzRvnNetworkData data;
        EXPECT_EQ(Acad::eOk, OpenNetwork(database, L"Rete1", AcDb::kForRead, opened));
        if (opened.isOpen()) opened->getData(data);
        return data;
    }

    SampleDrawing sample = makeSampleDrawing();
    AcDbObjectId network;
};

TEST_F(DrawingNetwork, KeepsItsDataThroughADrawingFile) {
    std::wstring message;
    auto reopened = openFromBytes(saveToBytes(*sample.database), message);
    ASSERT_NE(nullptr, reopened) << rvnos::toUtf8(message);
    TzRvnNetworkData read = dataOf(reopened.get());
    TzRvnNetworkData written = sampleNetwork();
    ASSERT_EQ(2, read.numNodes());
    EXPECT_EQ(L"N1", read.nodes()[0].name.str());
    EXPECT_EQ(0.002, read.nodes()[0].demand);
    EXPECT_EQ(written.nodes()[0].note, read.nodes()[0].note);
    EXPECT_EQ(120.25, read.nodes()[1].head);
    ASSERT_EQ(1, read.numEdges());
    EXPECT_EQ(L"S", read.edges()[0].startNode.str());
    EXPECT_EQ(0.15, read.edges()[0].diameter);
    ASSERT_EQ(1, read.numTanks());
    EXPECT_EQ(125.0, read.tanks()[0].head);
    EXPECT_TRUE(read.hasSchema());
    EXPECT_EQ(network.handle(), idOf(*reopened, network).handle());
}

TEST_F(DrawingNetwork, KeepsTheObjectButNotItsDataThroughDxf) {
    const std::string text = saveToDxf(*sample.database);
    EXPECT_NE(std::string::npos, text.find("  0\nRVNNETWORK\n")) << "the object is written";
    EXPECT_EQ(std::string::npos, text.find("N1")) << "its data is not";
    std::wstring message;
    auto read = openFromDxf(text, message);
    ASSERT_NE(nullptr, read) << rvnos::toUtf8(message);
    TzRvnNetworkData data = dataOf(read.get());
    EXPECT_EQ(0, data.numNodes());
    EXPECT_EQ(0, data.numEdges());
    EXPECT_EQ(0, data.numTanks());
}

TEST_F(DrawingNetwork, WithoutThePluginANetworkIsAProxyThatComesBackWhole) {
    std::vector<unsigned char> saved = saveToBytes(*sample.database);
    RemoveNetworkClass();
    std::wstring message;
    auto withoutPlugin = openFromBytes(saved, message);
    RegisterNetworkClass();
    ASSERT_NE(nullptr, withoutPlugin) << rvnos::toUtf8(message);
    EXPECT_EQ(saved, saveToBytes(*withoutPlugin));
    auto withPlugin = openFromBytes(saveToBytes(*withoutPlugin), message);
    ASSERT_NE(nullptr, withPlugin) << rvnos::toUtf8(message);
    EXPECT_EQ(2, dataOf(withPlugin.get()).numNodes());
}

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
    EXPECT_EQ("Rete1 ['N1', 'S']\n", run.output);
}

}  // namespace
