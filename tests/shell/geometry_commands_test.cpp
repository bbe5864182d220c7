// The host's geometry commands run from a script, the drawing saved and read back.
#include "db3dpl.h"
#include "dbline.h"
#include "db_entity_iterator.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbpl.h"
#include "dbsymtb.h"
#include "run_command.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <map>
#include <numbers>
#include <vector>
#include <string>

namespace {

// Calls visit with each entity of the saved drawing's model space that is not erased, open for read.
template <class Visit>
void visitModelSpace(const std::filesystem::path& drawing, Visit visit) {
    AcDbDatabase database(false, true);
    EXPECT_EQ(Acad::eOk, database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()));
    AcDbBlockTable* blocks = nullptr;
    EXPECT_EQ(Acad::eOk, database.getSymbolTable(blocks, AcDb::kForRead));
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(Acad::eOk, blocks->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead));
    blocks->close();
    for (AcDbObjectId id : space->entityIds()) {
        AcDbEntity* entity = nullptr;
        if (id.isErased() || acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        visit(*entity);
        entity->close();
    }
    space->close();
}

// The class names of the saved drawing's model-space entities, counted.
std::map<std::string, int> entitiesOf(const std::filesystem::path& drawing) {
    std::map<std::string, int> counts;
    visitModelSpace(drawing, [&counts](const AcDbEntity& entity) { ++counts[rvnos::toUtf8(entity.isA()->name())]; });
    return counts;
}

TEST(GeometryCommands, LinesAndPolylinesAreDrawnAndErasedFromAScript) {
    rvntest::ScratchDir folder;
    const auto drawing = folder.path() / "disegno.dwg";
    const std::string script = "LINE\n0,0\n10,0\n10,10\nC\n"
                               "3DPOLY\n0,0,1\n5,5,2\n20,5,3\n\n"
                               "PLINE\n0,20\n10,20\n15,25\n\n"
                               "ERASE\n5,0\n\n"
                               "3DPOLY\n1,1\n\n"
                               "ZOOM\nC\n0,0\n-5\n"
                               "SAVEAS\n" + drawing.string() + "\nQUIT\n";
    const rvntest::CommandRun run = rvntest::runHost("run " + rvntest::singleQuoted(folder.write("g.scr", script)),
                                                     "TestPlugin.arx");
    EXPECT_NE(run.output.find("The height of a view must be a positive number."), std::string::npos) << run.output;
    // Three lines, the one through (5,0) erased; one 3D polyline (one point makes none); one polyline.
    const auto counts = entitiesOf(drawing);
    EXPECT_EQ(counts.at("AcDbLine"), 2);
    EXPECT_EQ(counts.at("AcDb3dPolyline"), 1);
    EXPECT_EQ(counts.at("AcDbPolyline"), 1);
}

TEST(GeometryCommands, LayersVariablesAndLispSymbolsAreSetFromAScript) {
    rvntest::ScratchDir folder;
    const auto drawing = folder.path() / "impostato.dwg";
    const std::string script = "(setq tz-cpath \"/cartella/\" n 3)\n(setq a)\nFOLDER\n"
                               "LAYER\nMake\nacqua\nMake\nvecchio\nFreeze\nvecchio\nSet\nacqua\n\n"
                               "SETVAR\nLUPREC\n2\nSETVAR\nATTMODE\n0\nSETVAR\nLUPREC\nabc\nSETVAR\nNOPE\n"
                               "SAVEAS\n" + drawing.string() + "\nQUIT\n";
    const rvntest::CommandRun run = rvntest::runHost("run " + rvntest::singleQuoted(folder.write("s.scr", script)),
                                                     "TestPlugin.arx");
    EXPECT_NE(run.output.find("Cartella: /cartella/"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Only (setq NAME VALUE ...)"), std::string::npos);
    EXPECT_NE(run.output.find("\"abc\" is not a value LUPREC takes."), std::string::npos);
    EXPECT_NE(run.output.find("Unknown variable: NOPE"), std::string::npos);

    AcDbDatabase database(false, true);
    ASSERT_EQ(Acad::eOk, database.readDwgFile(rvnos::fromUtf8(drawing.string()).c_str()));
    EXPECT_EQ(database.luprec(), 2);
    EXPECT_EQ(database.attmode(), 0);
    AcDbLayerTable* layers = nullptr;
    ASSERT_EQ(Acad::eOk, database.getSymbolTable(layers, AcDb::kForRead));
    AcDbObjectId water;
    EXPECT_EQ(Acad::eOk, layers->getAt(L"acqua", water));
    EXPECT_EQ(database.clayer(), water);
    AcDbLayerTableRecord* old = nullptr;
    ASSERT_EQ(Acad::eOk, layers->getAt(L"vecchio", old, AcDb::kForRead));
    EXPECT_TRUE(old->isFrozen());
    old->close();
    layers->close();
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
        AcDbBlockTableRecord* block = nullptr;
        EXPECT_EQ(Acad::eOk, acdbOpenObject(block, reference->blockTableRecord(), AcDb::kForRead));
        int attributes = 0;
        AcDbObjectIterator* each = reference->attributeIterator();
        for (; !each->done(); each->step()) ++attributes;
        delete each;
        std::wstring name;
        block->getName(name);
        found.push_back({name, reference->scaleFactors().sx, reference->rotation(), attributes});
        block->close();
    });
    return found;
}

TEST(GeometryCommands, InsertPlacesABlockOfADrawingFileOrOfTheDrawingWithItsAttributes) {
    rvntest::ScratchDir folder;
    const auto drawing = folder.path() / "blocchi.dwg";
    const auto nodeBlock = std::filesystem::path(RVN_SOURCE_DIR) / "examples" / "Blocks" / "NodoRvn.dwg";
    const std::string script = "INSERT\n" + nodeBlock.string() + "\n10,20\n\n\n"
                               "INSERT\nNodoRvn\n30,20\n-2\n2\n90\n"
                               "INSERT\nnessuno\n"
                               "SAVEAS\n" + drawing.string() + "\nQUIT\n";
    const rvntest::CommandRun run = rvntest::runHost("run " + rvntest::singleQuoted(folder.write("i.scr", script)),
                                                     "TestPlugin.arx");
    EXPECT_NE(run.output.find("Block \"nessuno\" not found."), std::string::npos) << run.output;
    const std::vector<InsertedBlock> inserted = insertedBlocks(drawing);
    ASSERT_EQ(inserted.size(), 2u) << run.output;
    for (const InsertedBlock& each : inserted) {
        EXPECT_EQ(each.block, L"NodoRvn");
        EXPECT_EQ(each.attributes, 5);
    }
    EXPECT_EQ(inserted[0].scale, 1.0);
    EXPECT_EQ(inserted[0].rotation, 0.0);
    EXPECT_EQ(inserted[1].scale, 2.0);
    EXPECT_DOUBLE_EQ(inserted[1].rotation, std::numbers::pi / 2.0);
}

}  // namespace
