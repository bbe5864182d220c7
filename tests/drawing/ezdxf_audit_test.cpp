// The DXF files of the host read by an independent library: ezdxf (Debian's python3-ezdxf) audits
// a drawing with layers, extended data, entities and custom objects and finds no error. Without ezdxf the
// test is skipped, unless RVN_REQUIRE_EZDXF is set (as in CI), which makes it fail.
#include <gtest/gtest.h>

#include <cstdlib>

#include "drawing_samples.h"
#include "dxf_file.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "open_object_guard.h"
#include "run_command.h"
#include "test_files.h"
#include "text_codec.h"

namespace {

using namespace rvntest;

std::string pythonWithEzdxf() {
    for (const char* candidate : {"/usr/bin/python3", "python3"}) {
        std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return candidate;
    }
    return "";
}

class EzdxfAudit : public OpenObjectCheckedTest {};

TEST_F(EzdxfAudit, FindsNoErrorInADrawingWithLayersExtendedDataEntitiesAndCustomObjects) {
    std::string python = pythonWithEzdxf();
    if (python.empty()) {
        if (std::getenv("RVN_REQUIRE_EZDXF") != nullptr) FAIL() << "python3-ezdxf is needed (scripts/setup-deps.sh)";
        GTEST_SKIP() << "python3-ezdxf is not installed";
    }
    SampleDrawing sample = makeSampleDrawing();
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
