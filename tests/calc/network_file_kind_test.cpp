// A network file's reader is chosen by what the file holds where its bytes tell it: a drawing, a
// DXF file or an EPANET text under any name, a Portavia file otherwise.
#include "analysis/jobs/network_file_kind.h"
#include "calc_program.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using rvntest::singleQuoted;

constexpr char kEpanet[] =
    "[JUNCTIONS]\nJ1 10 1\n[RESERVOIRS]\nR1 50\n[PIPES]\nP1 R1 J1 100 100 0.1 0 Open\n[OPTIONS]\nUnits LPS\n"
    "Headloss D-W\n[END]\n";

TEST(NetworkFileKind, TheFirstBytesDecideWhereTheyCanAndTheNameOtherwise) {
    rvntest::ScratchDir scratch;
    const struct {
        const char* name;
        std::string bytes;
        TzRvnNetworkFileKind kind;
    } cases[] = {
        {"a.ptv", kEpanet, TzRvnNetworkFileKind::inp},
        {"b.ptv", "\xEF\xBB\xBF\r\n; rete di prova\n[TITLE]\n", TzRvnNetworkFileKind::inp},
        {"c.inp", "", TzRvnNetworkFileKind::inp},
        {"d.ptv", "  0\r\nSECTION\r\n  2\r\nHEADER\r\n", TzRvnNetworkFileKind::dxf},
        {"e.inp", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), TzRvnNetworkFileKind::dxf},
        {"f.inp", "RVNDWG\r\n\x01\x00 damaged", TzRvnNetworkFileKind::drawing},
        {"g.ptv", std::string(200, '\0'), TzRvnNetworkFileKind::portavia},
        {"h.dat", "0 and more", TzRvnNetworkFileKind::text},
        {"i.ptv", "nodo;quota;portata\r\n1;10.5;0.2\r\n", TzRvnNetworkFileKind::text},
        {"j.ptv", std::string("\0\0\0\0", 4) + std::string(80, ' ') + "\x8d\xed\xb5\xa0\xf7\xc6\xb0\x3e",
         TzRvnNetworkFileKind::portavia},
    };
    for (const auto& c : cases) {
        const fs::path file = scratch.write(c.name, c.bytes);
        EXPECT_EQ(NetworkFileKind(file.wstring()), c.kind) << c.name;
    }
    EXPECT_EQ(NetworkFileKind((scratch / "assente.ptv").wstring()), TzRvnNetworkFileKind::portavia);
}

TEST(NetworkFileKind, CalcReadsAnEpanetTextUnderAnyNameAndRefusesADxfFile) {
    rvntest::ScratchDir scratch;
    const fs::path epanet = scratch.write("rete.ptv", kEpanet);
    const rvntest::ProgramRun run = rvntest::runCalc(singleQuoted(epanet) + " --out " + singleQuoted(scratch / "a"));
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("nodes 2, branches 1, tanks 1")) << run.output;

    const fs::path dxf = scratch.write("disegno.ptv", "  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nEOF\n");
    const rvntest::ProgramRun refused = rvntest::runCalc(singleQuoted(dxf) + " --yes --out " + singleQuoted(scratch / "b"));
    EXPECT_EQ(1, refused.status);
    EXPECT_NE(std::string::npos, refused.output.find("is a DXF file, which holds no network data")) << refused.output;
    EXPECT_EQ(std::string::npos, refused.output.find("NON e' POSITIV")) << refused.output;
    EXPECT_FALSE(fs::exists(scratch / "b"));

    const fs::path csv = scratch.write("tabella.ptv", std::string(200, 'x') + "\n");
    const rvntest::ProgramRun text = rvntest::runCalc(singleQuoted(csv) + " --yes --out " + singleQuoted(scratch / "c"));
    EXPECT_EQ(1, text.status);
    EXPECT_NE(std::string::npos, text.output.find("is text that is no network file")) << text.output;
    EXPECT_FALSE(fs::exists(scratch / "c"));
}

}  // namespace
