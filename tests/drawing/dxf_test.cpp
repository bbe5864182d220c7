// DXF: the text encoding of values, the layout of a drawing's file, and files that cannot be read.
#include <gtest/gtest.h>

#include "drawing_samples.h"
#include "dxf_text.h"
#include "open_object_guard.h"
#include "text_codec.h"

namespace {

using namespace rvntest;

TEST(DxfText, EncodesWhatAnAsciiFileCannotHoldAndWritesRealsThatReadBackExactly) {
    const std::wstring text = L"Portata \u00e8 ^ 1\n\U0001D11E";
    EXPECT_EQ(text, rvnhost::decodeDxfText(rvnhost::encodeDxfText(text), false));
    for (double value : {0.1, -2.5e-7, 1e300}) {
        double read = -1;
        ASSERT_TRUE(rvnhost::parseDxfReal(rvnhost::formatDxfReal(value), read));
        EXPECT_EQ(value, read);
    }
}

class DxfDrawing : public OpenObjectCheckedTest {
protected:
    SampleDrawing sample = makeSampleDrawing();
};

TEST_F(DxfDrawing, HasTheSectionsAndHeaderOfAnAutoCad2000File) {
    std::string text = saveToDxf(*sample.database);
    EXPECT_TRUE(text.starts_with("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n")) << text.substr(0, 60);
    std::size_t header = text.find("HEADER"), classes = text.find("CLASSES"), tables = text.find("TABLES");
    std::size_t blocks = text.find("\nBLOCKS\n"), entities = text.find("ENTITIES"), objects = text.find("OBJECTS");
    EXPECT_TRUE(header < classes && classes < tables && tables < blocks && blocks < entities && entities < objects);
    EXPECT_TRUE(text.ends_with("  0\nEOF\n"));
}

TEST_F(DxfDrawing, FilesThatAreNoDxfOfTheRightKindAreRefusedWithTheReason) {
    std::string text = saveToDxf(*sample.database);
    auto refusal = [](const std::string& bad) {
        std::wstring message;
        auto read = openFromDxf(bad, message);
        EXPECT_EQ(nullptr, read);
        return rvnos::toUtf8(message);
    };
    EXPECT_EQ("the file ends before its EOF (it is truncated)", refusal(text.substr(0, text.size() / 2)));
    EXPECT_EQ("line 1: a SECTION was expected", refusal("  0\nLINE\n  0\nEOF\n"));
    EXPECT_EQ("line 3: a group code was expected", refusal("  0\nSECTION\nHEADER\n"));
    EXPECT_EQ("it is a DXF file older than AutoCAD 2000 (AC1015)",
              refusal("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n  0\nEOF\n"));
    std::string badNumber = text;
    std::size_t colour = badNumber.find(" 62\n-3\n");
    ASSERT_NE(std::string::npos, colour);
    badNumber.replace(colour, 7, " 62\nx\n");
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
