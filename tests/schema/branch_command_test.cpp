// RamoRet: branches drawn point by point, their nodes, elevations and data, and the branches they
// split. A branch on free ground between new nodes, its plan length and data, is the example script
// distretto.scr's, whose drawing is compared with the committed sample.
#include "schema_fixture.h"

#include "db3dpl.h"
#include "frame/doc_state.h"
#include "input_queue.h"
#include "schema/block_attributes.h"
#include "schema/branch_command.h"
#include "schema/branch_data.h"
#include "schema/polyline_vertices.h"

namespace {

using schematest::kLayer;

class BranchCommand : public schematest::DocumentSchemaTest {
protected:
    struct Branch {
        std::vector<double> heights;
        TzRvnBranchData data;
    };
    // The network's branches: their vertices' Z and their data.
    std::vector<Branch> branches() {
        std::vector<Branch> found;
        for (AcDbObjectId id : entitiesOf<AcDb3dPolyline>()) {
            TzRvnOpenObject<AcDb3dPolyline> polyline(id, AcDb::kForRead);
            if (polyline->layerId() != layer(kLayer)) continue;
            Branch branch;
            std::vector<TzRvnVertex> vertices;
            EXPECT_TRUE(ReadPolylineVertices(*polyline, vertices));
            for (const TzRvnVertex& vertex : vertices) branch.heights.push_back(vertex.position.z);
            EXPECT_TRUE(ReadBranchData(*polyline, branch.data));
            found.push_back(branch);
        }
        return found;
    }
};

TEST_F(BranchCommand, KeepingTheElevationGivesFreeVerticesTheLastNodes) {
    rvntest::QueuedInput input({L"1", L"0,0,5", L"rete", L"", L"type 9023 A1", L"click 1",
                                L"",  // Return: one more point
                                L"10,0,7", L"20,0,9", L"", L"", L"type 9023 A2", L"click 1", L"click 1", L"*Cancel*"});
    DrawBranches();
    EXPECT_NE(shown().find(L"\nInserire almeno un altro punto"), std::wstring::npos);
    const auto made = branches();
    ASSERT_EQ(made.size(), 1u);
    // The free vertices took E = 5; the closing node, at the picked Z 9, lifted the last one.
    EXPECT_EQ(made[0].heights, (std::vector<double>{5.0, 5.0, 9.0}));
}

TEST_F(BranchCommand, ABranchEndingOnAnotherSplitsIt) {
    addBranch({{0.0, -10.0, 0.0}, {40.0, -10.0, 0.0}}, {40.0, 0.2, 0.0002, 1.5, L"dorsale"});
    rvntest::QueuedInput input({L"", L"20,10,0", L"rete", L"", L"type 9023 C1", L"click 1",
                                L"20,-10,0", L"", L"type 9023 C2", L"click 1",  // the node where it ends
                                L"type 9026 80", L"click 1", L"*Cancel*"});
    DrawBranches();
    EXPECT_FALSE(input.ranOut());
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
    rvntest::QueuedInput input({L"", L"0,0,5", L"rete", L"", L"type 9023 A1", L"click 1", L"10,0,7", L"*Cancel*"});
    DrawBranches();
    EXPECT_TRUE(branches().empty());
    EXPECT_EQ(entitiesOf<AcDbBlockReference>().size(), 1u);  // the node made before stays
}

}  // namespace
