// The host's geometry commands run from a script, the drawing saved and read back.
#include "acdbads.h"
#include "db3dpl.h"
#include "dbpl2d.h"
#include "dbline.h"
#include "db_entity_iterator.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbpl.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "resbuf_kind.h"
#include "run_command.h"
#include "test_files.h"
#include "text_codec.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>
#include <numbers>
#include <vector>
#include <string>

namespace {

using rvnhost::OpenedObject;

// Calls visit with each entity of the saved drawing's model space that is not erased, open for read.
template <class Visit>
void visitModelSpace(const std::filesystem::path& drawing, Visit visit) {
    AcDbDatabase database(false, true);
    ASSERT_EQ(Acad::eOk, database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()));
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, database.getSymbolTable(blocks, AcDb::kForRead));
    AcDbObjectId space;
    EXPECT_EQ(Acad::eOk, OpenedObject<AcDbBlockTable>(blocks)->getAt(ACDB_MODEL_SPACE, space));
    const std::vector<AcDbObjectId> ids = OpenedObject<AcDbBlockTableRecord>(space, AcDb::kForRead)->entityIds();
    for (AcDbObjectId id : ids) {
        OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        if (!id.isErased() && entity) visit(*entity.get());
    }
}

// The class names of the saved drawing's model-space entities, counted.
std::map<std::string, int> entitiesOf(const std::filesystem::path& drawing) {
    std::map<std::string, int> counts;
    visitModelSpace(drawing, [&counts](const AcDbEntity& entity) { ++counts[rvnos::toUtf8(entity.isA()->name())]; });
    return counts;
}

// A script run in a scratch folder, the drawing then saved there.
class GeometryCommands : public ::testing::Test {
protected:
    rvntest::CommandRun runAndSave(const std::string& lines) {
        const std::string script = lines + "SAVEAS\n" + drawing.string() + "\nQUIT\n";
        return rvntest::runHost("run " + rvntest::singleQuoted(folder.write("s.scr", script)), "TestPlugin.arx");
    }

    rvntest::ScratchDir folder;
    const std::filesystem::path drawing = folder.path() / "disegno.dwg";
};

TEST_F(GeometryCommands, LinesAndPolylinesAreDrawnAndErasedFromAScript) {
    const rvntest::CommandRun run = runAndSave("LINE\n0,0\n10,0\n10,10\nC\n"
                                               "3DPOLY\n0,0,1\n5,5,2\n20,5,3\n\n"
                                               "PLINE\n0,20\n10,20\n15,25\n\n"
                                               "ERASE\n5,0\n\n"
                                               "3DPOLY\n1,1\n\n"
                                               "ZOOM\nC\n0,0\n-5\n");
    EXPECT_NE(run.output.find("The height of a view must be a positive number."), std::string::npos) << run.output;
    // Three lines, the one through (5,0) erased; one 3D polyline (one point makes none); one polyline.
    EXPECT_EQ((std::map<std::string, int>{{"AcDb3dPolyline", 1}, {"AcDbLine", 2}, {"AcDbPolyline", 1}}), entitiesOf(drawing));
}

TEST_F(GeometryCommands, LayersVariablesAndLispSymbolsAreSetFromAScript) {
    const rvntest::CommandRun run =
        runAndSave("(setq TZ-CPATH \"/cartella/\" n 3)\n(setq a)\nFOLDER\n"
                   "LAYER\nMake\nacqua\nMake\nvecchio\nFreeze\nvecchio\nSet\nacqua\n\n"
                   "SETVAR\nLUPREC\n2\nSETVAR\nATTMODE\n0\nSETVAR\nLUPREC\nabc\nSETVAR\nNOPE\n");
    EXPECT_NE(run.output.find("Cartella: /cartella/"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Only (setq NAME VALUE ...)"), std::string::npos);
    EXPECT_NE(run.output.find("\"abc\" is not a value LUPREC takes."), std::string::npos);
    EXPECT_NE(run.output.find("Unknown variable: NOPE"), std::string::npos);

    AcDbDatabase database(false, true);
    ASSERT_EQ(Acad::eOk, database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()));
    EXPECT_EQ(std::pair(2, 0), (std::pair<int, int>(database.luprec(), database.attmode())));
    AcDbLayerTable* opened = nullptr;
    ASSERT_EQ(Acad::eOk, database.getSymbolTable(opened, AcDb::kForRead));
    OpenedObject<AcDbLayerTable> layers(opened);
    AcDbObjectId water, old;
    EXPECT_EQ(std::pair(Acad::eOk, Acad::eOk), std::pair(layers->getAt(L"acqua", water), layers->getAt(L"vecchio", old)));
    EXPECT_EQ(database.clayer(), water);
    EXPECT_TRUE(OpenedObject<AcDbLayerTableRecord>(old, AcDb::kForRead)->isFrozen());
}

struct InsertedBlock {
    std::wstring block;
    double scale, rotation;
    int attributes;
};

std::vector<InsertedBlock> insertedBlocks(const std::filesystem::path& drawing) {
    std::vector<InsertedBlock> found;
    visitModelSpace(drawing, [&found](const AcDbEntity& entity) {
        const auto* reference = AcDbBlockReference::cast(&entity);
        if (reference == nullptr) return;
        int attributes = 0;
        for (std::unique_ptr<AcDbObjectIterator> each(reference->attributeIterator()); !each->done(); each->step()) ++attributes;
        std::wstring name;
        OpenedObject<AcDbBlockTableRecord>(reference->blockTableRecord(), AcDb::kForRead)->getName(name);
        found.push_back({name, reference->scaleFactors().sx, reference->rotation(), attributes});
    });
    return found;
}

const resbuf* groupOf(const rvnhost::ResbufList& list, int code) {
    const resbuf* item = list.get();
    while (item != nullptr && item->restype != code) item = item->rbnext;
    return item;
}

// Each refused line is reported and changes nothing: a colour out of range, an unknown layer, a
// malformed group, a list the drawing refuses, a form the script reader does not take.
TEST_F(GeometryCommands, TextStylesLayerColoursAndEntityListsAreMadeFromAScript) {
    const rvntest::CommandRun run = runAndSave(
        "STYLE\nTZ-CART\nromans\n0\n0.8\n15\n"
        "LAYER\nMake\nCARTIGLI\nColor\n3\nCARTIGLI\nColor\n300\nCARTIGLI\nColor\n2\nnessuno\n\n"
        "(entmake '((0 . \"BLOCK\") (2 . \"TZ-FINATT\") (10 0.0 0.0 0.0) (70 . 0)))\n"
        "(entmake '((0 . \"POLYLINE\") (8 . \"TZ-FINESTRATTIVA\") (66 . 1) (10 0 0 0) (70 . 1)))\n"
        "(entmake '((0 . \"VERTEX\") (10 0 0 0)))\n(entmake '((0 . \"VERTEX\") (10 1 0 0) (42 . 0.5)))\n"
        "(entmake '((0 . \"VERTEX\") (10 1.0 1.0)))\n(entmake '((0 . \"SEQEND\")))\n"
        "(entmake '((0 . \"ENDBLK\")))\n"
        "(entmake '((0 . \"TEXT\") (10 1 2) (40 . \"alta\") (1 . \"x\")))\n"
        "(entmake '((0 . \"INSERT\") (2 . \"TZ-FINATT\") (8 . \"CARTIGLI\") (10 5.0 6.0 0.0) (41 . 20) (42 . 10.0)"
        " (-3 (\"TZ-PROVA\" (1000 . \"x\")))))\n"
        "(entmake '((0 . \"INSERT\") (2 . \"TZ-FINATT\") (8 . \"CARTIGLI\") (10 5.0 6.0 0.0) (41 . 20) (42 . 10.0)))\n"
        "(entmake '((0 . \"LINE\") (10 0 0 0) (11 1 1 0))\n");
    for (const char* reported : {"The layer \"CARTIGLI\" cannot be changed.", "The layer \"nessuno\" cannot be changed.",
                                 "Not a group (CODE . VALUE) or (CODE X Y Z) with a value its code takes",
                                 "entmake: the drawing refuses the list (ERRNO 48)",
                                 "Only (setq NAME VALUE ...) and (entmake '(GROUP ...)) are read here: (entmake '((0 . \"LINE\")"}) {
        EXPECT_NE(run.output.find(reported), std::string::npos) << reported << "\n" << run.output;
    }

    AcDbDatabase database(false, true);
    ASSERT_EQ(Acad::eOk, database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()));
    rvntest::WorkingDatabase working(&database);
    const rvnhost::ResbufList style(acdbTblSearch(L"STYLE", L"TZ-CART", 0));
    const rvnhost::ResbufList layer(acdbTblSearch(L"LAYER", L"CARTIGLI", 0));
    ASSERT_TRUE(style != nullptr && layer != nullptr);
    EXPECT_NEAR(groupOf(style, 41)->resval.rreal, 0.8, 1e-12);
    EXPECT_NEAR(groupOf(style, 50)->resval.rreal, 15.0 * std::numbers::pi / 180.0, 1e-12);
    EXPECT_EQ(AcDbSymbolTable::recordName(database.textstyle()), L"TZ-CART");
    EXPECT_EQ(groupOf(layer, 62)->resval.rint, 3);
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, database.getSymbolTable(blocks, AcDb::kForRead));
    AcDbObjectId frameId;
    EXPECT_EQ(Acad::eOk, OpenedObject<AcDbBlockTable>(blocks)->getAt(L"TZ-FINATT", frameId));
    const std::vector<AcDbObjectId> parts = OpenedObject<AcDbBlockTableRecord>(frameId, AcDb::kForRead)->entityIds();
    ASSERT_EQ(parts.size(), 1u);
    OpenedObject<AcDb2dPolyline> polyline(parts[0], AcDb::kForRead);
    ASSERT_TRUE(polyline);
    std::vector<double> corners;  // x, y, bulge of each vertex
    for (std::unique_ptr<AcDbObjectIterator> each(polyline->vertexIterator()); !each->done(); each->step()) {
        OpenedObject<AcDb2dVertex> vertex(each->objectId(), AcDb::kForRead);
        corners.insert(corners.end(), {vertex->position().x, vertex->position().y, vertex->bulge()});
    }
    EXPECT_EQ(corners, (std::vector<double>{0, 0, 0, 1, 0, 0.5, 1, 1, 0}));
    const std::vector<InsertedBlock> inserted = insertedBlocks(drawing);
    ASSERT_EQ(inserted.size(), 1u);
    EXPECT_DOUBLE_EQ(inserted[0].scale, 20.0);
}

TEST_F(GeometryCommands, InsertPlacesABlockOfADrawingFileOrOfTheDrawingWithItsAttributes) {
    const auto nodeBlock = std::filesystem::path(RVN_SOURCE_DIR) / "examples" / "Blocks" / "NodoRvn.dwg";
    const rvntest::CommandRun run = runAndSave("INSERT\n" + nodeBlock.string() + "\n10,20\n\n\n"
                                               "INSERT\nNodoRvn\n30,20\n-2\n2\n90\n"
                                               "INSERT\nnessuno\n");
    EXPECT_NE(run.output.find("Block \"nessuno\" not found."), std::string::npos) << run.output;
    const std::vector<InsertedBlock> inserted = insertedBlocks(drawing);
    ASSERT_EQ(inserted.size(), 2u) << run.output;
    for (const InsertedBlock& each : inserted) {
        EXPECT_EQ(each.block, L"NodoRvn");
        EXPECT_EQ(each.attributes, 5);
    }
    EXPECT_EQ(std::tuple(1.0, 0.0, 2.0), std::tuple(inserted[0].scale, inserted[0].rotation, inserted[1].scale));
    EXPECT_DOUBLE_EQ(inserted[1].rotation, std::numbers::pi / 2.0);
}

}  // namespace
