// "rivanta calc DRAWING --network NAME" on a drawn network: rebuilt from the schema before it is
// calculated, its data and the schema written back with --save.
#include "schema_fixture.h"

#include "../calc/calc_program.h"
#include "drawing_file.h"
#include "netobj/network_dictionary.h"
#include "network_of_drawing.h"
#include "schema/collect_schema.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using rvntest::singleQuoted;

const fs::path kSample = fs::path(RVN_SOURCE_DIR) / "examples" / "networks" / "distretto.dwg";

class CalcSchema : public schematest::SchemaTest {
protected:
    // Gives the node named name the demand text in the drawing at path.
    void editDemand(const fs::path& path, const std::wstring& name, const std::wstring& demand) {
        std::wstring message;
        std::unique_ptr<AcDbDatabase> db = rvnhost::openDrawingFile(path.wstring(), message);
        ASSERT_NE(nullptr, db) << rvnos::toUtf8(message);
        AcDbObjectId modelSpace;
        ASSERT_EQ(Acad::eOk, ModelSpaceId(db.get(), modelSpace));
        TzRvnSchemaLists lists;
        ASSERT_TRUE(CollectSchema(db.get(), modelSpace, lists));
        int edited = 0;
        for (const TzRvnSchemaNode& node : lists.nodes) {
            TzRvnOpenObject<AcDbBlockReference> reference(node.id, AcDb::kForWrite);
            std::vector<TzRvnTaggedText> texts;
            ASSERT_TRUE(ReadAttributeTexts(*reference, texts));
            if (FindAttributeText(texts, L"NODE_01") == name) edited += WriteAttributeTexts(*reference, {{L"NODE_02", demand}});
        }
        ASSERT_EQ(1, edited);
        ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(*db, path.wstring(), message)) << rvnos::toUtf8(message);
    }

    rvntest::ScratchDir scratch;
};

TEST_F(CalcSchema, ADrawnNetworkIsCalculatedAsTheDrawingShowsItAndSavedBack) {
    const fs::path drawing = scratch / "distretto.dwg";
    fs::copy_file(kSample, drawing);
    editDemand(drawing, L"N6", L"0.0100");
    const rvntest::ProgramRun run =
        rvntest::runCalc(singleQuoted(drawing) + " --network distretto --save --out " + singleQuoted(scratch / "out"));
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("nodes 6, branches 7, tanks 1")) << run.output;
    EXPECT_EQ(std::string::npos, run.output.find("left open")) << run.output;
    const TzRvnNetworkData saved = rvntest::SavedNetworkData(drawing, L"distretto");
    ASSERT_EQ(6, saved.numNodes());
    EXPECT_EQ(L"N6", saved.nodes()[5].name.str());
    EXPECT_DOUBLE_EQ(0.01, saved.nodes()[5].demand);
    for (const TzRvnNode& node : saved.nodes()) EXPECT_NE(NO_RESULT, node.head);
    EXPECT_EQ(1, saved.edges()[6].excluded);
    EXPECT_EQ(0.0, saved.edges()[6].flow);
    // The tank feeds every demand, the edited one included: 4 + 6 + 5 + 7 + 10 l/s.
    EXPECT_NEAR(0.032, saved.tanks()[0].flow, 1e-6);
}

TEST_F(CalcSchema, ASchemaThatCannotBeReadIsToldAndTheDrawingKept) {
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, CreateNetwork(&db_, L"disegnata", true, id));
    const fs::path drawing = scratch / "vuoto.dwg";
    std::wstring message;
    ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(db_, drawing.wstring(), message));
    const std::string before = rvntest::readBytes(drawing);
    const rvntest::ProgramRun run = rvntest::runCalc(singleQuoted(drawing) + " --network disegnata --save");
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.output.find("rivanta calc: the network \"disegnata\" cannot be read from its schema"))
        << run.output;
    EXPECT_EQ(before, rvntest::readBytes(drawing));
    const rvntest::ProgramRun exported = rvntest::runRivanta("inpout " + singleQuoted(drawing) + " --network disegnata " +
                                                             singleQuoted(scratch / "disegnata.inp"));
    EXPECT_EQ(1, exported.status);
    EXPECT_NE(std::string::npos,
              exported.output.find("rivanta inpout: the network \"disegnata\" cannot be read from its schema"))
        << exported.output;
}

}  // namespace
