// PoliRet: a branch along the part of a 3D polyline between two picked nodes.
#include "schema_fixture.h"

#include "acdbads.h"
#include "db3dpl.h"
#include "db_entity_iterator.h"
#include "input_queue.h"
#include "schema/branch_data.h"
#include "schema/polyline_branch_command.h"
#include "schema/polyline_vertices.h"

namespace {

using schematest::kLayer;

class PolylineBranchCommand : public schematest::DocumentSchemaTest {
protected:
    // A polyline around three sides of a square, its second vertex carrying per-vertex data.
    AcDbObjectId drawPolyline() {
        EXPECT_EQ(RTNORM, acdbRegApp(L"TZ-C-TOZARI"));
        AcDbObjectId id;
        auto* polyline = new AcDb3dPolyline(AcDb::k3dSimplePoly, {{-10, 0, 0}, {10, 0, 0}, {10, 10, 0}, {-10, 10, 0}});
        EXPECT_EQ(Acad::eOk, AppendToModelSpace(&db_, polyline, id));
        const std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
        vertices->start();
        vertices->step();
        AcDb3dPolylineVertex* second = nullptr;
        EXPECT_EQ(Acad::eOk, polyline->openVertex(second, vertices->objectId(), AcDb::kForWrite));
        resbuf* data = acutBuildList(AcDb::kDxfRegAppName, L"TZ-C-TOZARI", AcDb::kDxfXdReal, 2.5, 0);
        EXPECT_EQ(Acad::eOk, second->setXData(data));
        acutRelRb(data);
        second->close();
        polyline->close();
        return id;
    }

    // The branches made: their plan lengths and the per-vertex data items each vertex carries.
    std::vector<std::pair<double, std::vector<int>>> madeBranches(AcDbObjectId picked) {
        std::vector<std::pair<double, std::vector<int>>> made;
        for (AcDbObjectId id : entitiesOf<AcDb3dPolyline>()) {
            if (id == picked) continue;
            TzRvnOpenObject<AcDb3dPolyline> polyline(id, AcDb::kForRead);
            TzRvnBranchData data;
            EXPECT_TRUE(ReadBranchData(*polyline, data));
            std::vector<TzRvnVertex> vertices;
            EXPECT_TRUE(ReadPolylineVertices(*polyline, vertices));
            std::vector<int> items;
            for (const TzRvnVertex& vertex : vertices) {
                TzRvnOpenObject<AcDb3dPolylineVertex> opened(vertex.id, AcDb::kForRead);
                int count = 0;
                resbuf* list = opened->xData(L"TZ-C-TOZARI");
                for (resbuf* item = list; item; item = item->rbnext) ++count;
                acutRelRb(list);
                items.push_back(count);
            }
            made.push_back({data.length, items});
        }
        return made;
    }
};

TEST_F(PolylineBranchCommand, TheBranchFollowsThePolylineBetweenTheNodesInEitherOrder) {
    const AcDbObjectId polyline = drawPolyline();
    const AcDbObjectId first = addNode(L"N1", {0.0, 0.0, 0.0});
    const AcDbObjectId second = addNode(L"N2", {0.0, 10.0, 0.0});
    rvntest::QueuedInput input({handleOf(first), handleOf(second), handleOf(polyline), L"type 9026 100", L"click 1",
                                handleOf(second), handleOf(first), handleOf(polyline), L"click 1"});
    BranchFromPolyline();
    BranchFromPolyline();
    EXPECT_FALSE(input.ranOut());
    const auto made = madeBranches(polyline);
    ASSERT_EQ(made.size(), 2u);
    for (const auto& [length, items] : made) {
        EXPECT_EQ(length, 30.0);
        // The vertex keeps its data; the nodes and the corner get the application's name alone,
        // which the host keeps as no data at all.
        EXPECT_EQ(items, (std::vector<int>{0, 2, 0, 0}));
    }
    EXPECT_NE(shown().find(L"\nSelezionato il primo nodo\nSelezionato il secondo nodo"), std::wstring::npos);
}

TEST_F(PolylineBranchCommand, NodesOffThePolylineOrOneNodeTwiceMakeNothing) {
    const AcDbObjectId polyline = drawPolyline();
    const AcDbObjectId first = addNode(L"N1", {0.0, 0.0, 0.0});
    const AcDbObjectId away = addNode(L"N3", {50.0, 50.0, 0.0});
    rvntest::QueuedInput input({handleOf(first), handleOf(away), handleOf(polyline), handleOf(first), handleOf(first)});
    BranchFromPolyline();
    BranchFromPolyline();
    EXPECT_FALSE(input.ranOut());
    EXPECT_NE(shown().find(L"\nI nodi selezionati non giacciono sulla polilinea"), std::wstring::npos);
    EXPECT_NE(shown().find(L"\nNodi coincidenti: selezionare due nodi distinti"), std::wstring::npos);
    EXPECT_TRUE(madeBranches(polyline).empty());
}

}  // namespace
