// RamoRet: branches drawn point by point, their nodes, elevations and data, and the branches they
// split (a branch on free ground between new nodes, its plan length and data, is the example script
// distretto.scr's, whose drawing is compared with the committed sample); NodoRet: nodes on free
// ground and on branches (which split), in one network; PoliRet: a branch along the part of a 3D
// polyline between two picked nodes.
#include "schema_fixture.h"

#include "acdbads.h"
#include "db3dpl.h"
#include "db_entity_owned.h"
#include "frame/doc_state.h"
#include "host/resbuf_list.h"
#include "schema/branch_command.h"
#include "schema/branch_data.h"
#include "schema/node_command.h"
#include "schema/polyline_branch_command.h"
#include "schema/polyline_vertices.h"

namespace {

using schematest::kLayer;

class BranchCommand : public schematest::DocumentSchemaTest {
protected:
    struct Branch {
        std::vector<double> heights;
        TzRvnBranchData data;
        std::vector<int> items;  // of each vertex's per-vertex data ("TZ-C-TOZARI")
    };
    // The network's branches: their vertices' Z and per-vertex data items, and their data.
    std::vector<Branch> branches() {
        std::vector<Branch> found;
        for (AcDbObjectId id : entitiesOf<AcDb3dPolyline>()) {
            TzRvnOpenObject<AcDb3dPolyline> polyline(id, AcDb::kForRead);
            if (polyline->layerId() != layer(kLayer)) continue;
            Branch branch;
            std::vector<TzRvnVertex> vertices;
            EXPECT_TRUE(ReadPolylineVertices(*polyline, vertices));
            for (const TzRvnVertex& vertex : vertices) {
                branch.heights.push_back(vertex.position.z);
                TzRvnOpenObject<AcDb3dPolylineVertex> opened(vertex.id, AcDb::kForRead);
                const TzRvnResbufList data(opened->xData(L"TZ-C-TOZARI"));
                int& count = branch.items.emplace_back(0);
                for (const resbuf* item = data.get(); item; item = item->rbnext) ++count;
            }
            EXPECT_TRUE(ReadBranchData(*polyline, branch.data));
            found.push_back(branch);
        }
        return found;
    }
};

TEST_F(BranchCommand, KeepingTheElevationGivesFreeVerticesTheLastNodes) {
    EXPECT_TRUE(play(DrawBranches, {L"1", L"0,0,5", L"rete", L"", L"type 9023 A1", L"click 1",
                                    L"",  // Return: one more point
                                    L"10,0,7", L"20,0,9", L"", L"", L"type 9023 A2", L"click 1", L"click 1", L"*Cancel*"}));
    EXPECT_TRUE(said(L"\nInserire almeno un altro punto"));
    const auto made = branches();
    ASSERT_EQ(made.size(), 1u);
    // The free vertices took E = 5; the closing node, at the picked Z 9, lifted the last one.
    EXPECT_EQ(made[0].heights, (std::vector<double>{5.0, 5.0, 9.0}));
}

TEST_F(BranchCommand, ABranchEndingOnAnotherSplitsIt) {
    addBranch({{0.0, -10.0, 0.0}, {40.0, -10.0, 0.0}}, {40.0, 0.2, 0.0002, 1.5, L"dorsale"});
    EXPECT_TRUE(play(DrawBranches, {L"", L"20,10,0", L"rete", L"", L"type 9023 C1", L"click 1",
                                    L"20,-10,0", L"", L"type 9023 C2", L"click 1",  // the node where it ends
                                    L"type 9026 80", L"click 1", L"*Cancel*"}));
    std::vector<double> lengths;
    for (const Branch& branch : branches()) {
        if (branch.data.note != L"dorsale") continue;
        EXPECT_DOUBLE_EQ(branch.data.diameter, 0.2);
        EXPECT_EQ(branch.data.csi, 1.5);
        lengths.push_back(branch.data.length);
    }
    EXPECT_EQ(lengths, (std::vector<double>{20.0, 20.0}));
    EXPECT_EQ(branches().size(), 3u);
}

TEST_F(BranchCommand, CancelWhileDrawingErasesTheBranchBegun) {
    EXPECT_TRUE(play(DrawBranches, {L"", L"0,0,5", L"rete", L"", L"type 9023 A1", L"click 1", L"10,0,7", L"*Cancel*"}));
    EXPECT_TRUE(branches().empty());
    EXPECT_EQ(entitiesOf<AcDbBlockReference>().size(), 1u);  // the node made before stays
}

using NodeCommand = BranchCommand;

TEST_F(NodeCommand, NodesGoOnFreeGroundAndSplitTheBranchesTheyFallOn) {
    addBranch({{0.0, -10.0, 0.0}, {40.0, -10.0, 0.0}}, {40.0, 0.1, 0.0001, 0.0, L"dorsale"});
    addBranch({{0.0, -30.0, 0.0}, {40.0, -30.0, 0.0}}, {40.0, 0.1, 0.0001, 0.0, L""}, L"TZ-RV-altra");
    EXPECT_TRUE(play(PlaceNodes, {L"10,20,5", L"rete", L"", L"type 9023 N1", L"type 9024 2", L"click 1",
                                  L"10,20,5", L"abc",
                                  L"20,-10,0", L"", L"type 9023 N2", L"click 1",
                                  L"20,-30,0", L""}));
    EXPECT_TRUE(said(L"\nIl punto coincide con un nodo: ripeti l'immissione"));
    EXPECT_TRUE(said(L"\nPunto NON valido: ripeti l'immissione"));
    EXPECT_NE(shown().find(L"\nIl ramo selezionato e' di un'ALTRA rete (TZ-RV-rete)"), std::wstring::npos);
    EXPECT_TRUE(currentDocState()->hasNodeName(L"N1"));
    EXPECT_TRUE(currentDocState()->hasNodeName(L"N2"));
    EXPECT_EQ(currentDocState()->currentLayer(), kLayer);

    std::vector<std::wstring> demands;
    for (AcDbObjectId id : entitiesOf<AcDbBlockReference>()) {
        demands.push_back(FindAttributeText(attributeTexts(id), L"NODE_02").value_or(L"?"));
    }
    // The examples' settings show l/s: 2 l/s is written as m3/s.
    EXPECT_EQ(demands, (std::vector<std::wstring>{FormatDrawingReal(0.002), FormatDrawingReal(0.0)}));

    std::vector<double> lengths;
    for (const Branch& branch : branches()) {
        EXPECT_EQ(branch.data.note, L"dorsale");
        EXPECT_EQ(branch.heights.size(), 2u);
        lengths.push_back(branch.data.length);
    }
    EXPECT_EQ(lengths, (std::vector<double>{20.0, 20.0}));
}

TEST_F(NodeCommand, CancelInTheDialogEndsWithoutANode) {
    EXPECT_TRUE(play(PlaceNodes, {L"10,20,5", L"rete", L"", L"esc"}));
    EXPECT_TRUE(entitiesOf<AcDbBlockReference>().empty());
}

class PolylineBranchCommand : public BranchCommand {
protected:
    // A polyline around three sides of a square, its second vertex carrying per-vertex data.
    AcDbObjectId drawPolyline() {
        EXPECT_EQ(RTNORM, acdbRegApp(L"TZ-C-TOZARI"));
        const AcDbObjectId id =
            append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{-10, 0, 0}, {10, 0, 0}, {10, 10, 0}, {-10, 10, 0}}));
        const TzRvnResbufList data(acutBuildList(AcDb::kDxfRegAppName, L"TZ-C-TOZARI", AcDb::kDxfXdReal, 2.5, 0));
        TzRvnOpenObject<AcDb3dPolylineVertex> second(rvnhost::subentitiesOf(id).at(1), AcDb::kForWrite);
        EXPECT_EQ(Acad::eOk, second->setXData(data.get()));
        return id;
    }
};

TEST_F(PolylineBranchCommand, TheBranchFollowsThePolylineBetweenTheNodesInEitherOrder) {
    const AcDbObjectId polyline = drawPolyline();
    const AcDbObjectId first = addNode(L"N1", {0.0, 0.0, 0.0});
    const AcDbObjectId second = addNode(L"N2", {0.0, 10.0, 0.0});
    EXPECT_TRUE(play(BranchFromPolyline, {handleOf(first), handleOf(second), handleOf(polyline), L"type 9026 100",
                                          L"click 1", handleOf(second), handleOf(first), handleOf(polyline), L"click 1"},
                     2));
    const auto made = branches();
    ASSERT_EQ(made.size(), 2u);
    for (const Branch& branch : made) {
        EXPECT_EQ(branch.data.length, 30.0);
        // The vertex keeps its data; the nodes and the corner get the application's name alone,
        // which the host keeps as no data at all.
        EXPECT_EQ(branch.items, (std::vector<int>{0, 2, 0, 0}));
    }
    EXPECT_NE(shown().find(L"\nSelezionato il primo nodo\nSelezionato il secondo nodo"), std::wstring::npos);
}

TEST_F(PolylineBranchCommand, NodesOffThePolylineOrOneNodeTwiceMakeNothing) {
    const AcDbObjectId polyline = drawPolyline();
    const AcDbObjectId first = addNode(L"N1", {0.0, 0.0, 0.0});
    const AcDbObjectId away = addNode(L"N3", {50.0, 50.0, 0.0});
    EXPECT_TRUE(play(BranchFromPolyline,
                     {handleOf(first), handleOf(away), handleOf(polyline), handleOf(first), handleOf(first)}, 2));
    EXPECT_NE(shown().find(L"\nI nodi selezionati non giacciono sulla polilinea"), std::wstring::npos);
    EXPECT_NE(shown().find(L"\nNodi coincidenti: selezionare due nodi distinti"), std::wstring::npos);
    EXPECT_TRUE(branches().empty());
}

}  // namespace
