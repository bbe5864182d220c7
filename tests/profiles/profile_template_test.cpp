// The template drawing of profile work, examples/profili.dwg: its script makes the blocks, the text
// style and the layers the title blocks and the profiles use; the committed drawing is the one the
// script makes; a title block goes into it with the example program folder's template.
#include "profiles/title_block.h"

#include "acdbads.h"
#include "acedads.h"
#include "db_entity_iterator.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "input_queue.h"
#include "lisp_symbols.h"
#include "open_object_guard.h"
#include "resbuf_kind.h"
#include "run_command.h"
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

const fs::path kExamples = fs::path(RVN_SOURCE_DIR) / "examples";

// The template played in the folder with the plug-in, as the README tells a user to.
rvntest::CommandRun playTemplateScript(const fs::path& folder) {
    const fs::path bin = RVN_BIN_DIR;
    return rvntest::runCommand("cd " + rvntest::singleQuoted(folder) + " && RIVANTA_PLUGIN=" +
                               rvntest::singleQuoted(bin / "Rivanta.arx") + " " + rvntest::singleQuoted(bin / "rivanta") +
                               " run " + rvntest::singleQuoted(kExamples / "scripts" / "modello-profili.scr"));
}

// The groups of a symbol table record, by code (reals and shorts).
std::map<int, double> recordGroups(const ACHAR* table, const ACHAR* name) {
    const rvnhost::ResbufList record(acdbTblSearch(table, name, 0));
    std::map<int, double> groups;
    for (const resbuf* item = record.get(); item != nullptr; item = item->rbnext) {
        if (rvnhost::resbufKind(item->restype) == rvnhost::ResbufKind::Real) groups[item->restype] = item->resval.rreal;
        if (rvnhost::resbufKind(item->restype) == rvnhost::ResbufKind::Short) groups[item->restype] = item->resval.rint;
    }
    return groups;
}

// The vertices (x, y) of the one closed polyline a frame block holds.
std::vector<double> frameCorners(AcDbDatabase& database, const ACHAR* name) {
    AcDbBlockTable* opened = nullptr;
    EXPECT_EQ(database.getSymbolTable(opened, AcDb::kForRead), Acad::eOk);
    AcDbObjectId id;
    OpenedObject<AcDbBlockTable>(opened)->getAt(name, id);
    OpenedObject<AcDbBlockTableRecord> block(id, AcDb::kForRead);
    if (!block || block->entityIds().size() != 1) return {};
    OpenedObject<AcDb2dPolyline> frame(block->entityIds()[0], AcDb::kForRead);
    if (!frame || !frame->isClosed()) return {};
    std::vector<double> corners;
    for (std::unique_ptr<AcDbObjectIterator> each(frame->vertexIterator()); !each->done(); each->step()) {
        OpenedObject<AcDb2dVertex> vertex(each->objectId(), AcDb::kForRead);
        corners.insert(corners.end(), {vertex->position().x, vertex->position().y});
    }
    return corners;
}

class ProfileTemplate : public rvntest::OpenObjectCheckedTest {
protected:
    void TearDown() override {
        rvnhost::LispSymbols::instance().clear();
        OpenObjectCheckedTest::TearDown();
    }
};

TEST_F(ProfileTemplate, TheScriptMakesTheCommittedDrawingWithEveryPiece) {
    rvntest::ScratchDir folder;
    const rvntest::CommandRun played = playTemplateScript(folder.path());
    ASSERT_EQ(played.status, 0) << played.output;
    EXPECT_EQ(played.output.find("** "), std::string::npos) << played.output;
    const fs::path drawing = folder.path() / "profili.dwg";
    EXPECT_TRUE(rvntest::readBytes(drawing) == rvntest::readBytes(kExamples / "profili.dwg"))
        << "examples/profili.dwg differs from what examples/scripts/modello-profili.scr makes";

    AcDbDatabase database(false, true);
    ASSERT_EQ(database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()), Acad::eOk);
    rvntest::WorkingDatabase working(&database);
    const std::vector<double> unitSquare = {0, 0, 1, 0, 1, 1, 0, 1};
    EXPECT_EQ(frameCorners(database, L"TZ-FINATT"), unitSquare);
    EXPECT_EQ(frameCorners(database, L"TZ-FINOBJ"), unitSquare);
    const std::map<int, double> style = recordGroups(L"STYLE", L"TZ-CART");
    EXPECT_EQ(style, (std::map<int, double>{{40, 2.5}, {41, 0.8}, {50, 0.0}, {70, 0}}));
    const std::map<std::wstring, int> colours = {{L"CARTIGLI", 7},       {L"TZ-FINESTRATTIVA", 8}, {L"TZ-OBJ-LIN", 7},
                                                 {L"TZ-OBJ-TXT", 7},     {L"SEZIONI", 1},          {L"TZ-LL-SEZIONI", 1},
                                                 {L"TZ-LQ-TERRENO", 3},  {L"SEZIONI-NP", 7},       {L"TUBAZIONI", 5}};
    for (const auto& [layer, colour] : colours) {
        EXPECT_EQ(recordGroups(L"LAYER", layer.c_str())[62], colour) << rvnos::toUtf8(layer);
    }
    EXPECT_EQ(AcDbSymbolTable::recordName(database.clayer()), L"0");
    EXPECT_EQ(AcDbSymbolTable::recordName(database.textstyle()), L"Standard");
    EXPECT_DOUBLE_EQ(database.textsize(), 2.5);
}

TEST_F(ProfileTemplate, ATitleBlockGoesIntoTheTemplateWithTheExampleLabels) {
    AcDbDatabase database(false, true);
    ASSERT_EQ(database.readDwgFile(rvnos::fromUtf8((kExamples / "profili.dwg").string()).c_str()), Acad::eOk);
    rvntest::WorkingDatabase working(&database);
    rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(kExamples.string()) + L"/");
    TzRvnAskNextTitleBlockPoint();
    TzRvnTitleBlock block;
    block.number = 1;
    block.width = 420.0;
    block.minimumHeight = 30.0;
    block.row1 = L"distretto";
    block.row2 = L"N1-N2";
    block.row5 = 1000.0;
    block.row6 = 100.0;
    AcGePoint3d point;
    std::wstring handle;
    rvntest::QueuedInput input({L"0,0"});
    ASSERT_EQ(InsertTitleBlock(block, point, handle), 1);
    EXPECT_FALSE(handle.empty());
    AcDbBlockTable* opened = nullptr;
    ASSERT_EQ(database.getSymbolTable(opened, AcDb::kForRead), Acad::eOk);
    AcDbObjectId id;
    OpenedObject<AcDbBlockTable>(opened)->getAt(L"TZ-RR1", id);
    OpenedObject<AcDbBlockTableRecord> definition(id, AcDb::kForRead);
    ASSERT_TRUE(definition);
    std::vector<std::wstring> prompts;
    for (AcDbObjectId part : definition->entityIds()) {
        OpenedObject<AcDbAttributeDefinition> attribute(part, AcDb::kForRead);
        if (attribute) prompts.push_back(attribute->promptConst());
    }
    EXPECT_EQ(prompts, (std::vector<std::wstring>{L"Rete", L"Profilo", L"Progr. iniziale", L"Quota riferimento",
                                                  L"Scala orizzontale", L"Scala verticale"}));
}

}  // namespace
