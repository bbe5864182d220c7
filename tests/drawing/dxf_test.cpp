// DXF: the text encoding of values, the layout of a drawing's file, and files that cannot be read.
// The DXF files of the host are also read by an independent library: ezdxf (Debian's python3-ezdxf)
// audits a drawing with layers, extended data, entities and custom objects and finds no error.
// Without ezdxf that test is skipped, unless RVN_REQUIRE_EZDXF is set (as in CI), which makes it fail.
#include <gtest/gtest.h>

#include <cstdlib>

#include "drawing_samples.h"
#include "dxf_file.h"
#include "dxf_text.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "open_object_guard.h"
#include "run_command.h"
#include "test_files.h"
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

std::string pythonWithEzdxf() {
    for (const char* candidate : {"/usr/bin/python3", "python3"}) {
        std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return candidate;
    }
    return "";
}

class EzdxfAudit : public DxfDrawing {};

TEST_F(EzdxfAudit, FindsNoErrorInADrawingWithLayersExtendedDataEntitiesAndCustomObjects) {
    std::string python = pythonWithEzdxf();
    if (python.empty()) {
        if (std::getenv("RVN_REQUIRE_EZDXF") != nullptr) FAIL() << "python3-ezdxf is needed (scripts/setup-deps.sh)";
        GTEST_SKIP() << "python3-ezdxf is not installed";
    }
    SampleEntities entities = addSampleEntities(sample);
    RegisterNetworkClass();
    AcDbObjectId network;
    ASSERT_EQ(Acad::eOk, CreateNetwork(sample.database.get(), L"Rete1", true, network));
    ScratchDir folder;
    std::wstring message;
    std::wstring path = rvnos::fromUtf8((folder / "sample.dxf").string());
    ASSERT_EQ(Acad::eOk, rvnhost::saveDxfFile(*sample.database, path, message)) << rvnos::toUtf8(message);

    const std::pair<AcDbObjectId, const char*> kinds[] = {
        {sample.marker, "RVNTESTMARKER"}, {network, "RVNNETWORK"}, {entities.polyline, "POLYLINE"},
        {entities.reference, "INSERT"}};
    std::string command = python + " " + RVN_SOURCE_DIR "/tests/drawing/ezdxf_check.py " + rvnos::toUtf8(path);
    for (const auto& [id, kind] : kinds) command += " " + rvnos::toUtf8(id.handle().text());
    auto [status, output] = runCommand(command);
    EXPECT_EQ(0, status) << output;
    EXPECT_EQ(std::string::npos, output.find("error:")) << output;
    for (const auto& [id, kind] : kinds) {
        EXPECT_NE(std::string::npos, output.find(rvnos::toUtf8(id.handle().text()) + ": " + kind + "\n")) << output;
    }
    EXPECT_NE(std::string::npos, output.find("layer TZ-RV-Rete1 colour -3 xdata TZ-SCHEMA_RETE-RVN\n")) << output;
}

}  // namespace
