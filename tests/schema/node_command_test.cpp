// NodoRet: nodes on free ground and on branches (which split), in one network.
#include "schema_fixture.h"

#include "db3dpl.h"
#include "frame/doc_state.h"
#include "input_queue.h"
#include "schema/block_attributes.h"
#include "schema/branch_data.h"
#include "schema/node_command.h"
#include "schema/polyline_vertices.h"

namespace {

using schematest::kLayer;

class NodeCommand : public schematest::DocumentSchemaTest {};

TEST_F(NodeCommand, NodesGoOnFreeGroundAndSplitTheBranchesTheyFallOn) {
    addBranch({{0.0, -10.0, 0.0}, {40.0, -10.0, 0.0}}, {40.0, 0.1, 0.0001, 0.0, L"dorsale"});
    addBranch({{0.0, -30.0, 0.0}, {40.0, -30.0, 0.0}}, {40.0, 0.1, 0.0001, 0.0, L""}, L"TZ-RV-altra");
    rvntest::QueuedInput input({L"10,20,5", L"rete", L"", L"type 9023 N1", L"type 9024 2", L"click 1",
                                L"10,20,5", L"abc",
                                L"20,-10,0", L"", L"type 9023 N2", L"click 1",
                                L"20,-30,0", L""});
    PlaceNodes();
    EXPECT_FALSE(input.ranOut());
    const std::wstring said = shown();
    EXPECT_NE(said.find(L"\nIl punto coincide con un nodo: ripeti l'immissione"), std::wstring::npos);
    EXPECT_NE(said.find(L"\nPunto NON valido: ripeti l'immissione"), std::wstring::npos);
    EXPECT_NE(said.find(L"\nIl ramo selezionato e' di un'ALTRA rete (TZ-RV-rete)"), std::wstring::npos);
    EXPECT_TRUE(currentDocState()->hasNodeName(L"N1"));
    EXPECT_TRUE(currentDocState()->hasNodeName(L"N2"));
    EXPECT_EQ(currentDocState()->currentLayer(), kLayer);

    std::vector<std::wstring> demands;
    for (AcDbObjectId id : entitiesOf<AcDbBlockReference>()) {
        TzRvnOpenObject<AcDbBlockReference> node(id, AcDb::kForRead);
        std::vector<TzRvnTaggedText> texts;
        ASSERT_TRUE(ReadAttributeTexts(*node, texts));
        demands.push_back(FindAttributeText(texts, L"NODE_02").value_or(L"?"));
    }
    // The examples' settings show l/s: 2 l/s is written as m3/s.
    EXPECT_EQ(demands, (std::vector<std::wstring>{FormatDrawingReal(0.002), FormatDrawingReal(0.0)}));

    std::vector<double> lengths;
    for (AcDbObjectId id : entitiesOf<AcDb3dPolyline>()) {
        TzRvnOpenObject<AcDb3dPolyline> branch(id, AcDb::kForRead);
        if (branch->layerId() != layer(kLayer)) continue;
        TzRvnBranchData data;
        ASSERT_TRUE(ReadBranchData(*branch, data));
        EXPECT_EQ(data.note, L"dorsale");
        std::vector<TzRvnVertex> vertices;
        ASSERT_TRUE(ReadPolylineVertices(*branch, vertices));
        ASSERT_EQ(vertices.size(), 2u);
        lengths.push_back(data.length);
    }
    EXPECT_EQ(lengths, (std::vector<double>{20.0, 20.0}));
}

TEST_F(NodeCommand, CancelInTheDialogEndsWithoutANode) {
    rvntest::QueuedInput input({L"10,20,5", L"rete", L"", L"esc"});
    PlaceNodes();
    EXPECT_TRUE(entitiesOf<AcDbBlockReference>().empty());
    EXPECT_FALSE(input.ranOut());
}

}  // namespace
