// DXF: the text encoding of values, a drawing written as DXF and read back through every
// object's DXF filing, the layout of the file, and files that cannot be read.
#include <gtest/gtest.h>

#include "acutmem.h"
#include "dbdict.h"
#include "dbsymtb.h"
#include "drawing_samples.h"
#include "dxf_drawing_reader.h"
#include "dxf_drawing_writer.h"
#include "dxf_text.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "test_marker.h"
#include "text_codec.h"

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

std::string dxfOf(AcDbDatabase& database) {
    std::string text;
    std::wstring message;
    EXPECT_EQ(Acad::eOk, rvnhost::writeDxf(database, text, message)) << rvnos::toUtf8(message);
    return text;
}

std::unique_ptr<AcDbDatabase> readDxfText(const std::string& text, std::wstring& message) {
    auto database = std::make_unique<AcDbDatabase>(false, true);
    if (rvnhost::readDxf(text, *database, message) != Acad::eOk) return nullptr;
    return database;
}

// The file's lines from the first one equal to start, count of them.
std::vector<std::string> linesFrom(const std::string& text, const std::string& start, std::size_t count) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    bool found = false;
    while (at < text.size() && lines.size() < count) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end - at);
        found = found || line == start;
        if (found) lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

TEST(DxfText, EncodesWhatAnAsciiFileCannotHoldAndDecodesItBack) {
    const std::wstring text = L"Portata \u00e8 ^ 1\n\U0001D11E";
    std::string encoded = rvnhost::encodeDxfText(text);
    EXPECT_EQ("Portata \\U+00E8 ^  1^J\\U+D834\\U+DD1E", encoded);
    EXPECT_EQ(text, rvnhost::decodeDxfText(encoded, false));
    EXPECT_EQ(L"\u00e8", rvnhost::decodeDxfText("\xC3\xA8", true));
    EXPECT_EQ(L"\u00c3\u00a8", rvnhost::decodeDxfText("\xC3\xA8", false));
}

TEST(DxfText, WritesRealsThatReadBackExactly) {
    for (double value : {0.1, -2.5e-7, 1e300, 12.0, 0.0}) {
        double read = -1;
        ASSERT_TRUE(rvnhost::parseDxfReal(rvnhost::formatDxfReal(value), read));
        EXPECT_EQ(value, read);
    }
    double read = 0;
    EXPECT_TRUE(rvnhost::parseDxfReal("  +3.25 ", read));
    EXPECT_EQ(3.25, read);
    EXPECT_FALSE(rvnhost::parseDxfReal("3,25", read));
    long long integer = 0;
    EXPECT_FALSE(rvnhost::parseDxfInteger("7x", integer));
}

class DxfDrawing : public OpenObjectCheckedTest {
protected:
    SampleDrawing sample = makeSampleDrawing();
};

TEST_F(DxfDrawing, HasTheSectionsAndHeaderOfAnAutoCad2000File) {
    std::string text = dxfOf(*sample.database);
    EXPECT_EQ((std::vector<std::string>{"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1015"}),
              linesFrom(text, "  0", 8));
    std::size_t header = text.find("HEADER"), classes = text.find("CLASSES"), tables = text.find("TABLES");
    std::size_t blocks = text.find("\nBLOCKS\n"), entities = text.find("ENTITIES"), objects = text.find("OBJECTS");
    EXPECT_TRUE(header < classes && classes < tables && tables < blocks && blocks < entities && entities < objects);
    EXPECT_TRUE(text.ends_with("  0\nEOF\n"));
    EXPECT_EQ((std::vector<std::string>{"CLASS", "  1", "RVNTESTMARKER", "  2", "RvnTestMarker", "  3", "RivantaTests"}),
              linesFrom(text, "CLASS", 7));
    EXPECT_EQ((std::vector<std::string>{"BLOCK", "  5"}), linesFrom(text, "BLOCK", 2));
    EXPECT_NE(std::string::npos, text.find("  2\n*Model_Space\n"));
    EXPECT_NE(std::string::npos, text.find("ENDBLK"));
    EXPECT_EQ((std::vector<std::string>{"OBJECTS", "  0", "DICTIONARY", "  5",
                                        rvnos::toUtf8(sample.database->namedObjectsDictionaryId().handle().text())}),
              linesFrom(text, "OBJECTS", 5));
}

TEST_F(DxfDrawing, ReadsBackTablesDictionariesExtendedDataAndCustomObjects) {
    std::wstring message;
    auto read = readDxfText(dxfOf(*sample.database), message);
    ASSERT_NE(nullptr, read) << rvnos::toUtf8(message);
    EXPECT_EQ(objectInventory(*sample.database), objectInventory(*read));
    EXPECT_EQ(sample.layer.handle(), read->clayer().handle());
    EXPECT_EQ(6, read->luprec());
    EXPECT_EQ(0.35, read->textsize());
    {
        OpenedObject<AcDbLayerTableRecord> layer(idOf(*read, sample.layer), AcDb::kForRead);
        ASSERT_TRUE(layer);
        EXPECT_EQ(3, layer->colorIndex());
        EXPECT_TRUE(layer->isFrozen());
        EXPECT_EQ(kSampleLinetype, AcDbSymbolTable::recordName(layer->linetypeObjectId()));
        resbuf* xdata = layer->xData(kSampleApp);
        ASSERT_NE(nullptr, xdata);
        ASSERT_NE(nullptr, xdata->rbnext);
        EXPECT_STREQ(L"Rete1", xdata->rbnext->resval.rstring);
        acutRelRb(xdata);
    }
    OpenedObject<RvnTestMarker> marker(idOf(*read, sample.marker), AcDb::kForRead);
    ASSERT_TRUE(marker);
    EXPECT_EQ(kSampleLabel, marker->label);
    EXPECT_EQ(12.5, marker->value);
    EXPECT_EQ(idOf(*read, sample.layer), marker->target);
    EXPECT_EQ(idOf(*read, sample.dictionary), marker->ownerId());
}

TEST_F(DxfDrawing, WritingTheReadDrawingAgainGivesTheSameText) {
    std::string first = dxfOf(*sample.database);
    std::wstring message;
    auto read = readDxfText(first, message);
    ASSERT_NE(nullptr, read) << rvnos::toUtf8(message);
    EXPECT_EQ(first, dxfOf(*read));
}

TEST_F(DxfDrawing, FilesThatAreNoDxfOfTheRightKindAreRefusedWithTheReason) {
    std::string text = dxfOf(*sample.database);
    auto refusal = [](const std::string& bad) {
        std::wstring message;
        auto read = readDxfText(bad, message);
        EXPECT_EQ(nullptr, read);
        return rvnos::toUtf8(message);
    };
    EXPECT_EQ("the file ends before its EOF (it is truncated)", refusal(text.substr(0, text.size() / 2)));
    EXPECT_EQ("line 1: a SECTION was expected", refusal("  0\nLINE\n  0\nEOF\n"));
    EXPECT_EQ("line 3: a group code was expected", refusal("  0\nSECTION\nHEADER\n"));
    EXPECT_EQ("it is a DXF file older than AutoCAD 2000 (AC1015)",
              refusal("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n  0\nEOF\n"));
    std::string badNumber = text;
    std::size_t colour = badNumber.find(" 62\n3\n");
    ASSERT_NE(std::string::npos, colour);
    badNumber.replace(colour, 6, " 62\nx\n");
    EXPECT_NE(std::string::npos, refusal(badNumber).find("\"x\" is no value for group code 62")) << refusal(badNumber);
    std::string strayZ = text;
    std::size_t z = strayZ.find("1030\n30\n");
    ASSERT_NE(std::string::npos, z);
    strayZ.replace(z, 4, "1034");
    EXPECT_NE(std::string::npos, refusal(strayZ).find("group code 1034 is no X of a point")) << refusal(strayZ);
    std::string noLayers = text;
    std::size_t layerTable = noLayers.find("  2\nLAYER\n");
    noLayers.replace(layerTable, 10, "  2\nLAYERS\n");
    EXPECT_EQ("the file has no LAYER table", refusal(noLayers));
}

}  // namespace
