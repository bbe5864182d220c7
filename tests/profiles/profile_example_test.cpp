// The example scripts played with the plug-in, as the README tells a user to: the template drawing
// examples/profili.dwg is the one examples/scripts/modello-profili.scr makes; profilo.scr played
// from it draws the network, calculates it and draws the profile S-N3-N1-N2 under its title block
// (labelled by the example program folder's template), then a pipe on a grade line drawn over it.
// The saved drawings are read back and checked in numbers.
#include "drawn_profile.h"

#include "dbsymtb.h"
#include "drawing_fixture.h"
#include "open_object_guard.h"
#include "resbuf_kind.h"
#include "run_command.h"
#include "schema/schema_layers.h"
#include "test_files.h"
#include "text_codec.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

namespace {

namespace fs = std::filesystem;
using rvnhost::OpenedObject;
using ProfileExample = rvntest::OpenObjectCheckedTest;

const fs::path kExamples = fs::path(RVN_SOURCE_DIR) / "examples";

// An example script played in the folder with the plug-in.
rvntest::CommandRun play(const fs::path& folder, const char* script) {
    return rvntest::runCommand("cd " + rvntest::singleQuoted(folder) + " && " + rvntest::hostCommand("Rivanta.arx") +
                               " run " + rvntest::singleQuoted(kExamples / "scripts" / script));
}

// The vertices (x, y) of the one closed polyline a frame block holds.
std::vector<double> frameCorners(AcDbDatabase& database, const ACHAR* name) {
    const std::vector<AcDbObjectId> parts = enttest::entitiesOf(enttest::recordOf(database, name));
    if (parts.size() != 1) return {};
    OpenedObject<AcDb2dPolyline> frame(parts[0], AcDb::kForRead);
    if (!frame || !frame->isClosed()) return {};
    std::vector<double> corners;
    for (std::unique_ptr<AcDbObjectIterator> each(frame->vertexIterator()); !each->done(); each->step()) {
        OpenedObject<AcDb2dVertex> vertex(each->objectId(), AcDb::kForRead);
        corners.insert(corners.end(), {vertex->position().x, vertex->position().y});
    }
    return corners;
}

// The frames are unit squares: a title block scales them to its size.
TEST_F(ProfileExample, TheTemplateScriptMakesTheCommittedDrawingWithUnitFrames) {
    rvntest::ScratchDir folder;
    const rvntest::CommandRun played = play(folder.path(), "modello-profili.scr");
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_FALSE(rvntest::Printed(played, "** "));
    const fs::path drawing = folder.path() / "profili.dwg";
    EXPECT_TRUE(rvntest::readBytes(drawing) == rvntest::readBytes(kExamples / "profili.dwg"))
        << "examples/profili.dwg differs from what examples/scripts/modello-profili.scr makes";

    AcDbDatabase database(false, true);
    ASSERT_EQ(database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()), Acad::eOk);
    rvntest::WorkingDatabase working(&database);
    const std::vector<double> unitSquare = {0, 0, 1, 0, 1, 1, 0, 1};
    EXPECT_EQ(frameCorners(database, L"TZ-FINATT"), unitSquare);
    EXPECT_EQ(frameCorners(database, L"TZ-FINOBJ"), unitSquare);
}

// The prompts of the block's attribute definitions, each of which must take the title style.
std::vector<std::wstring> promptsOf(AcDbDatabase& database, const ACHAR* name) {
    std::vector<std::wstring> prompts;
    for (AcDbObjectId part : enttest::entitiesOf(enttest::recordOf(database, name))) {
        if (OpenedObject<AcDbAttributeDefinition> attribute(part, AcDb::kForRead); attribute) {
            prompts.push_back(attribute->promptConst());
            EXPECT_EQ(AcDbSymbolTable::recordName(attribute->textStyle()), L"TZ-CART");
        }
    }
    return prompts;
}

TEST_F(ProfileExample, TheScriptDrawsTheProfileUnderItsTitleBlock) {
    rvntest::ScratchDir folder;
    fs::copy_file(kExamples / "profili.dwg", folder.path() / "profili.dwg");
    const rvntest::CommandRun played = play(folder.path(), "profilo.scr");
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_FALSE(rvntest::Printed(played, "** "));
    EXPECT_TRUE(rvntest::Printed(played, "Calcolo della rete TERMINATO"));

    AcDbDatabase database(false, true);
    ASSERT_EQ(database.readDwgFile(rvnos::fromUtf8((folder.path() / "profilo.dwg").string()).c_str()), Acad::eOk);
    rvntest::WorkingDatabase working(&database);
    const std::vector<AcDbObjectId> entities = enttest::entitiesOf(enttest::recordOf(database, ACDB_MODEL_SPACE));
    const profiletest::DrawnProfile drawn = profiletest::ReadDrawnProfile(entities);
    ASSERT_EQ(drawn.titles.size(), 1u);
    EXPECT_EQ(drawn.titles[0].block + L" " + drawn.titles[0].row(L"OBJ2"), L"TZ-RR1 S-N3-N1-N2");
    EXPECT_TRUE(drawn.titles[0].at.isEqualTo({0.0, -100.0, 0.0}));
    EXPECT_EQ(promptsOf(database, L"TZ-RR1"), (std::vector<std::wstring>{L"Rete", L"Profilo", L"Progr. iniziale",
                                                                         L"Quota riferimento", L"Scala orizzontale",
                                                                         L"Scala verticale"}));
    // The lowest terrain is N2's 90 m, the margin 5 m: the reference elevation is 85 m.
    std::map<std::wstring, AcGePoint3d> sections(drawn.sections.begin(), drawn.sections.end());
    const std::map<std::wstring, AcGePoint3d> expected = {
        {L"S", {0.0, -85.0, 0.0}}, {L"N3", {100.0, -87.5, 0.0}}, {L"N1", {200.0, -90.0, 0.0}}, {L"N2", {350.0, -95.0, 0.0}}};
    ASSERT_EQ(sections.size(), expected.size());
    for (const auto& [node, at] : expected) EXPECT_TRUE(sections[node].distanceTo(at) < 1e-9) << rvnos::toUtf8(node);
    const auto& terrain = drawn.lines.at(3);
    const auto& heads = drawn.lines.at(4);
    ASSERT_TRUE(terrain.size() == 1 && heads.size() == 1 && terrain[0].size() == 4 && heads[0].size() == 4);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_GT(heads[0][i].y, terrain[0][i].y) << "the head above the terrain at " << i;
    std::vector<profiletest::PipeVertex> pipe;
    for (AcDbObjectId id : entities) {
        OpenedObject<AcDb2dPolyline> line(id, AcDb::kForRead);
        if (line && LayerName(line->layerId()) == L"TUBAZIONI") pipe = profiletest::ReadPipeVertices(id);
    }
    // The grade line's vertices lie on the branch boundaries (the sums of the branch lengths): each
    // carries the data of the branch that starts there, the last one zeros.
    ASSERT_EQ(pipe.size(), 4u);
    const std::vector<double> lengths = {100.0312, 99.9688, 150.0};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        ASSERT_TRUE(pipe[i].values && pipe[i].values->size() == 11u) << i;
        EXPECT_NEAR((*pipe[i].values)[2], lengths[i], 1e-9) << i;
    }
    EXPECT_EQ(pipe[3].values, std::vector<double>(11, 0.0));
}

}  // namespace
