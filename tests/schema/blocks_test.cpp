// The node and tank blocks: read from the block drawings of the program folder, checked, and
// their attributes made from the definitions.
#include "schema_fixture.h"

#include "dbattr.h"
#include "drawing_fixture.h"
#include "schema/open_attribute.h"
#include "test_files.h"

#include <numbers>

namespace {

using schematest::kLayer;

class SchemaBlocks : public schematest::SchemaTest {
protected:
    // A program folder whose node block drawing holds attribute definitions with these tags
    // (constant ones marked by a leading '=').
    std::wstring folderWithNodeTags(const std::vector<std::wstring>& tags) {
        AcDbDatabase drawing;
        double y = 0.0;
        for (const std::wstring& tag : tags) {
            const bool constant = tag.starts_with(L"=");
            auto* definition = new AcDbAttributeDefinition({0.0, y, 0.0}, L"", tag.c_str() + (constant ? 1 : 0), L"?");
            definition->setConstant(constant);
            enttest::appendTo(drawing, ACDB_MODEL_SPACE, definition);
            y -= 1.0;
        }
        std::filesystem::create_directories(folder_.path() / "Blocks");
        EXPECT_EQ(Acad::eOk, drawing.saveAs((folder_.path() / "Blocks" / "NodoRvn.dwg").wstring().c_str()));
        return useFolder();
    }

    std::wstring useFolder() {
        const std::wstring path = folder_.path().wstring() + L"/";
        rvnhost::putLispString(L"tz-cpath", path);
        return path;
    }

    rvntest::ScratchDir folder_;
};

TEST_F(SchemaBlocks, BlocksComeFromTheProgramFolderOnceThenFromTheDrawing) {
    AcDbObjectId node, tank;
    ASSERT_TRUE(EnsureSchemaBlock(&db_, kNodeBlock, node)) << rvnos::toUtf8(shown());
    ASSERT_TRUE(EnsureSchemaBlock(&db_, kTankBlock, tank)) << rvnos::toUtf8(shown());
    EXPECT_NE(node, tank);
    useFolder();  // holds no block drawing: the definitions in the drawing are used as they are
    AcDbObjectId again;
    ASSERT_TRUE(EnsureSchemaBlock(&db_, kNodeBlock, again));
    EXPECT_EQ(node, again);
    EXPECT_TRUE(shown().empty()) << rvnos::toUtf8(shown());
}

TEST_F(SchemaBlocks, AMalformedBlockDrawingIsRefusedAndLeavesNoDefinition) {
    struct Case {
        std::vector<std::wstring> tags;
        bool accepted;
    };
    const Case cases[] = {
        {{L"NODE_00", L"NODE_01", L"NODE_02", L"NODE_03"}, false},
        {{L"NODE_00", L"NODE_01", L"NODE_02", L"NODE_03", L"=NODE_04"}, false},
        {{L"NODE_00", L"NODE_01", L"NODE_02", L"NODE_03", L"NODE_05"}, false},
        {{L"node_00", L"NODE_01", L"NODE_02", L"NODE_03", L"Node_04"}, true},
    };
    for (const Case& test : cases) {
        rvnhost::Transcript::instance().clear();
        const std::wstring folder = folderWithNodeTags(test.tags);
        AcDbObjectId id;
        EXPECT_EQ(test.accepted, EnsureSchemaBlock(&db_, kNodeBlock, id)) << test.tags.back().size();
        EXPECT_EQ(test.accepted, !enttest::recordOf(db_, L"TZ-RV-NODO").isNull());
        if (!test.accepted) {
            EXPECT_EQ(L"\nBlocco: \"" + folder + L"Blocks/NodoRvn.dwg\" NON definito correttamente!", shown());
        }
    }
}

TEST_F(SchemaBlocks, AMissingOrDamagedBlockDrawingIsReportedWithItsPath) {
    const std::wstring folder = useFolder();
    AcDbObjectId id;
    EXPECT_FALSE(EnsureSchemaBlock(&db_, kTankBlock, id));
    EXPECT_EQ(L"\nImpossibile leggere il blocco: \"" + folder + L"Blocks/SerbRvn.dwg\"!", shown());

    const std::string good = rvntest::readBytes(std::filesystem::path(RVN_SOURCE_DIR) / "examples/Blocks/SerbRvn.dwg");
    folder_.write("Blocks/SerbRvn.dwg", good.substr(0, good.size() / 2));
    rvnhost::Transcript::instance().clear();
    EXPECT_FALSE(EnsureSchemaBlock(&db_, kTankBlock, id));
    EXPECT_EQ(L"\nImpossibile leggere il blocco: \"" + folder + L"Blocks/SerbRvn.dwg\"!", shown());
}

TEST_F(SchemaBlocks, AttributesAreMadeFromTheirDefinitionsAndTurnWithTheNode) {
    layer(kLayer);
    AcDbObjectId id;
    const double angle = std::numbers::pi / 2;
    ASSERT_EQ(Acad::eOk, AppendSchemaReference(&db_, kNodeBlock, block(kNodeBlock), {10, 0, 3}, angle, kLayer,
                                               {{L"NODE_01", L"N7"}, {L"NODE_03", L"3.0000"}}, id));
    TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
    ASSERT_TRUE(reference.isOpen());
    EXPECT_EQ(kLayer, LayerName(reference->layerId()));
    const std::vector<AcDbObjectId> attributes = AttributeIds(*reference);
    ASSERT_EQ(5u, attributes.size());
    const wchar_t* layers[] = {L"-SN", L"-NN", L"-QN", L"-ZN", L"-DN"};
    const wchar_t* texts[] = {L"", L"N7", L"", L"3.0000", L""};
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        auto attribute = OpenAttribute(*reference, attributes[i], AcDb::kForRead);
        ASSERT_TRUE(attribute.isOpen());
        EXPECT_EQ(kLayer + layers[i], LayerName(attribute->layerId()));
        EXPECT_STREQ(texts[i], attribute->textStringConst());
        EXPECT_NEAR(angle, attribute->rotation(), 1e-12);
        EXPECT_EQ(i == 2 || i == 4, attribute->isInvisible());
        // The definitions of the examples' node block stand at x = 0.5 right of the symbol:
        // turned a quarter about the insertion point they stand 0.5 above it.
        EXPECT_NEAR(0.5, attribute->position().y, 1e-9);
        EXPECT_NEAR(3.0, attribute->position().z, 1e-9);
    }
}

}  // namespace
