// The template drawing of profile work, examples/profili.dwg: the committed drawing is the one its
// script makes; a title block goes into it with the example program folder's template.
#include "profiles/title_block.h"

#include "acedads.h"
#include "db_entity_iterator.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "input_queue.h"
#include "lisp_symbols.h"
#include "open_object_guard.h"
#include "run_command.h"
#include "test_files.h"
#include "text_codec.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <filesystem>
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

// The parts of a block of the drawing.
std::vector<AcDbObjectId> partsOf(AcDbDatabase& database, const ACHAR* name) {
    AcDbBlockTable* opened = nullptr;
    EXPECT_EQ(database.getSymbolTable(opened, AcDb::kForRead), Acad::eOk);
    AcDbObjectId id;
    OpenedObject<AcDbBlockTable>(opened)->getAt(name, id);
    OpenedObject<AcDbBlockTableRecord> block(id, AcDb::kForRead);
    return block ? block->entityIds() : std::vector<AcDbObjectId>{};
}

// The vertices (x, y) of the one closed polyline a frame block holds.
std::vector<double> frameCorners(AcDbDatabase& database, const ACHAR* name) {
    const std::vector<AcDbObjectId> parts = partsOf(database, name);
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

class ProfileTemplate : public rvntest::OpenObjectCheckedTest {
protected:
    void TearDown() override {
        rvnhost::LispSymbols::instance().clear();
        OpenObjectCheckedTest::TearDown();
    }
};

// The frames are unit squares: a title block scales them to its size.
TEST_F(ProfileTemplate, TheScriptMakesTheCommittedDrawingWithUnitFrames) {
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
}

TEST_F(ProfileTemplate, ATitleBlockGoesIntoTheTemplateWithTheExampleLabels) {
    AcDbDatabase database(false, true);
    ASSERT_EQ(database.readDwgFile(rvnos::fromUtf8((kExamples / "profili.dwg").string()).c_str()), Acad::eOk);
    rvntest::WorkingDatabase working(&database);
    rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(kExamples.string()) + L"/");
    TzRvnAskNextTitleBlockPoint();
    const TzRvnTitleBlock block{1, L"", 30.0, 420.0, L"distretto", L"N1-N2", 0.0, 0.0, 1000.0, 100.0};
    AcGePoint3d point;
    std::wstring handle;
    rvntest::QueuedInput input({L"0,0"});
    ASSERT_EQ(InsertTitleBlock(block, point, handle), 1);
    std::vector<std::wstring> prompts;
    for (AcDbObjectId part : partsOf(database, L"TZ-RR1")) {
        OpenedObject<AcDbAttributeDefinition> attribute(part, AcDb::kForRead);
        if (!attribute) continue;
        prompts.push_back(attribute->promptConst());
        EXPECT_EQ(AcDbSymbolTable::recordName(attribute->textStyle()), L"TZ-CART") << "the template has the title style";
    }
    EXPECT_EQ(prompts, (std::vector<std::wstring>{L"Rete", L"Profilo", L"Progr. iniziale", L"Quota riferimento",
                                                  L"Scala orizzontale", L"Scala verticale"}));
}

}  // namespace
