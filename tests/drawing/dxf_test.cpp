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
    // The saved text with its first from replaced by to.
    auto altered = [&text](const std::string& from, const std::string& to) {
        std::string copy = text;
        const std::size_t at = copy.find(from);
        EXPECT_NE(std::string::npos, at) << from;
        return at == std::string::npos ? copy : copy.replace(at, from.size(), to);
    };
    const std::string badNumber = refusal(altered(" 62\n-3\n", " 62\nx\n"));
    EXPECT_NE(std::string::npos, badNumber.find("\"x\" is no value for group code 62")) << badNumber;
    const std::string strayZ = refusal(altered("1030\n30\n", "1034\n30\n"));
    EXPECT_NE(std::string::npos, strayZ.find("group code 1034 is no X of a point")) << strayZ;
    EXPECT_EQ("the file has no LAYER table", refusal(altered("  2\nLAYER\n", "  2\nLAYERS\n")));
}

}  // namespace
