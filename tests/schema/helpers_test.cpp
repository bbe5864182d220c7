// The schema helpers: rounding, layers, program folder, branch data, the network prompt, gathering
// the schema, locating points and the node names.
#include "schema_fixture.h"

#include "expect_doubles.h"
#include "network_builder.h"

#include "frame/doc_state.h"
#include "input_queue.h"
#include "netobj/network_dictionary.h"
#include "schema/branch_data.h"
#include "schema/collect_schema.h"
#include "schema/locate_point.h"
#include "schema/network_plane.h"
#include "schema/node_names.h"
#include "schema/program_folder.h"
#include "schema/rounding.h"
#include "dbline.h"
#include "db3dpl.h"
#include "acedads.h"
#include "host/resbuf_list.h"

#include <tuple>

namespace {

using schematest::kLayer;

TEST(RoundToDecimals, RoundsDigitByDigitWithAHalfRoundingDown) {
    rvntest::ExpectDoublesEq({1.3, 1.2, 2.0, 12.0, 3.0, 4.0},
                             {RoundToDecimals(1.26, 1), RoundToDecimals(1.25, 1), RoundToDecimals(1.96, 1),
                              RoundToDecimals(12.0, 3), RoundToDecimals(3.4, 0), RoundToDecimals(3.6, 0)});
    EXPECT_NEAR(123.4568, RoundToDecimals(123.45678, 4), 1e-9);
}

class SchemaHelpers : public schematest::SchemaTest {};

TEST_F(SchemaHelpers, NetworkLayersAreMadeVisibleAndOffLayersHidden) {
    AcDbObjectId networkLayer, offLayer;
    ASSERT_EQ(Acad::eOk, GetOrCreateLayer(&db_, kLayer, networkLayer));
    ASSERT_EQ(Acad::eOk, GetOrCreateOffLayer(&db_, OffLayerName(kLayer), offLayer));
    ASSERT_EQ(Acad::eOk, EnsureColouredLayer(&db_, kLayer + L"-SN", 7));
    {
        TzRvnOpenObject<AcDbLayerTableRecord> layer(networkLayer, AcDb::kForRead);
        ASSERT_TRUE(layer.isOpen());
        EXPECT_EQ(7, layer->colorIndex());
        EXPECT_FALSE(layer->isFrozen() || layer->isOff() || layer->isLocked() || layer->VPDFLT());
        EXPECT_EQ(db_.continuousLinetype(), layer->linetypeObjectId());
        TzRvnOpenObject<AcDbLayerTableRecord> off(offLayer, AcDb::kForRead);
        ASSERT_TRUE(off.isOpen());
        EXPECT_TRUE(off->isFrozen() && off->isOff());
    }
    AcDbObjectId again;
    ASSERT_EQ(Acad::eOk, GetOrCreateLayer(&db_, kLayer, again));
    EXPECT_EQ(networkLayer, again);
    EXPECT_FALSE(IsNetworkLayerName(L"TZ-RV-"));
    EXPECT_EQ(L"rete", NetworkNameOfLayer(kLayer));
}

TEST_F(SchemaHelpers, ProgramFolderMessagesTellWhatIsWrong) {
    std::wstring folder;
    ASSERT_TRUE(ReadProgramFolder(folder));
    EXPECT_EQ(schematest::kExamplesFolder, folder);

    put(L"tz-cpath", acutBuildList(RTSHORT, 3, 0));
    EXPECT_FALSE(ReadProgramFolder(folder));
    EXPECT_NE(std::wstring::npos, shown().find(L"\n'tz-cpath' non di tipo stringa"));

    putNil(L"tz-cpath");
    EXPECT_FALSE(ReadProgramFolder(folder));
    EXPECT_NE(std::wstring::npos, shown().find(L"\n'tz-cpath' non inizializzata"));
}

TEST_F(SchemaHelpers, BranchDataRoundTripsAndLosesAnEmptyDescription) {
    const AcDbObjectId id = addBranch({{0, 0, 0}, {3, 4, 0}}, {5.0, 0.11, 0.0001, 1.5, L"Adduttrice"});
    TzRvnBranchData data;
    {
        TzRvnOpenObject<AcDbEntity> branch(id, AcDb::kForWrite);
        ASSERT_TRUE(ReadBranchData(*branch, data));
        EXPECT_EQ(std::tuple(5.0, 0.11, 0.0001, 1.5, std::wstring(L"Adduttrice")),
                  std::tie(data.length, data.diameter, data.roughness, data.csi, data.note));
        data.note.clear();
        ASSERT_EQ(Acad::eOk, WriteBranchData(*branch, data));
        TzRvnResbufList list(branch->xData(L"TZ-SCHEMA_RETE-RVN"));
        int items = 0;
        for (const resbuf* item = list.get(); item != nullptr; item = item->rbnext) {
            EXPECT_NE(AcDb::kDxfXdAsciiString, item->restype);
            ++items;
        }
        EXPECT_EQ(3, items);
    }
    AcDbLine plain({0, 0, 0}, {1, 0, 0});
    EXPECT_FALSE(ReadBranchData(plain, data));
}

TEST_F(SchemaHelpers, ANetworkPromptOffersTheCurrentNetworkAndMakesItsLayer) {
    TzRvnDocState state(nullptr);
    std::wstring name;
    AcDbObjectId id;
    // A layer named exactly like the prefix is no network layer: the whole name is offered.
    ASSERT_EQ(Acad::eOk, db_.setClayer(layer(L"TZ-RV-")));
    {
        rvntest::QueuedInput input({L""});
        ASSERT_TRUE(AskNetworkPlane(&db_, state, name, id));
    }
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"\nDigitare il piano della rete <TZ-RV->: "));
    EXPECT_EQ(L"TZ-RV-TZ-RV-", name);
    EXPECT_EQ(name, state.currentLayer());

    ASSERT_EQ(Acad::eOk, db_.setClayer(layer(kLayer)));
    {
        rvntest::QueuedInput input({L"", L"nuova rete"});
        ASSERT_TRUE(AskNetworkPlane(&db_, state, name, id));
        EXPECT_EQ(kLayer, name);
        ASSERT_TRUE(AskNetworkPlane(&db_, state, name, id));
    }
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"\nDigitare il piano della rete <rete>: "));
    EXPECT_EQ(L"TZ-RV-nuova rete", name);
    EXPECT_EQ(id, layer(L"TZ-RV-nuova rete"));
    EXPECT_EQ(name, state.currentLayer());
    {
        rvntest::QueuedInput cancelled({L"*Cancel*"});
        EXPECT_FALSE(AskNetworkPlane(&db_, state, name, id));
    }
}

TEST_F(SchemaHelpers, ADrawingWithoutNodeBlockGathersNothingAndFrozenAndOffLayersAreNotGathered) {
    TzRvnSchemaLists lists;
    ASSERT_TRUE(CollectSchema(&db_, modelSpace(), lists));
    EXPECT_TRUE(lists.nodes.empty() && lists.branches.empty());
    addNode(L"N1", {0, 0, 10});
    const AcDbObjectId branch = addBranch({{0, 0, 10}, {10, 0, 10}}, {10, 0.1, 0, 0, L""});
    const AcDbObjectId offNode = addNode(L"N9", {50, 0, 10}, 0.0, L"", L"TZ-RV-spenta");
    addBranch({{0, 0, 10}, {10, 5, 10}}, {10, 0.1, 0, 0, L""}, L"TZ-RV-gelata");
    AcDbObjectId offLayer;
    ASSERT_EQ(Acad::eOk, GetOrCreateOffLayer(&db_, L"TZ-RV-rete-OFF", offLayer));
    addBranch({{0, 0, 10}, {10, 5, 10}}, {10, 0.1, 0, 0, L""}, L"TZ-RV-rete-OFF");
    TzRvnOpenObject<AcDbLayerTableRecord>(layer(L"TZ-RV-spenta"), AcDb::kForWrite)->setIsOff(true);
    TzRvnOpenObject<AcDbLayerTableRecord>(layer(L"TZ-RV-gelata"), AcDb::kForWrite)->setIsFrozen(true);
    const AcDbObjectId line = append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{0, 0, 0}, {1, 1, 0}}));
    ASSERT_TRUE(CollectSchema(&db_, modelSpace(), lists));
    ASSERT_EQ(1u, lists.nodes.size());
    EXPECT_EQ(AcGePoint3d(0, 0, 10), lists.nodes[0].position);
    ASSERT_EQ(1u, lists.branches.size());
    EXPECT_EQ(branch, lists.branches[0]);
    EXPECT_NE(offNode, lists.nodes[0].id);
    EXPECT_NE(line, lists.branches[0]);
}

TEST_F(SchemaHelpers, LocatingFindsNodesByTheirAttributesThenBranchSegments) {
    const AcDbObjectId node = addNode(L"N1", {10, 20, 5});
    addBranch({{10, 20, 5}, {20, 20, 5}, {20, 30, 5}}, {20, 0.1, 0, 0, L""});
    TzRvnSchemaLists lists;
    ASSERT_TRUE(CollectSchema(&db_, modelSpace(), lists));
    const AcGePoint3d attributePoint = attributePosition(node, 3);
    // A UCS moved by (100, 0, 0): UCS points are WCS points less the origin.
    const AcGeMatrix3d ucsToWorld = AcGeMatrix3d::translation({100, 0, 0});
    const AcGeMatrix3d worldToUcs = ucsToWorld.inverse();
    TzRvnLocatedPoint located;
    ASSERT_TRUE(LocatePoint(worldToUcs * attributePoint, ucsToWorld, lists, located));
    EXPECT_EQ(TzRvnPointKind::node, located.kind);
    EXPECT_EQ(0, located.index);
    EXPECT_TRUE(located.point.isEqualTo({-90, 20, 5}));

    ASSERT_TRUE(LocatePoint(worldToUcs * AcGePoint3d(20, 25, 5), ucsToWorld, lists, located));
    EXPECT_EQ(std::tuple(TzRvnPointKind::branch, 0, 1), std::tie(located.kind, located.index, located.segment));

    ASSERT_TRUE(LocatePoint(worldToUcs * AcGePoint3d(15, 21, 5), ucsToWorld, lists, located));
    EXPECT_EQ(TzRvnPointKind::free, located.kind);
}

TEST_F(SchemaHelpers, NodeNamesAreThoseOfTheNetworkLayer) {
    addNode(L"B", {0, 0, 0});
    addNode(L"A", {5, 0, 0});
    addNode(L"X", {9, 0, 0}, 0.0, L"", L"TZ-RV-altra");
    TzRvnDocState state(nullptr);
    state.addNodeName(L"vecchio");
    state.setCurrentLayer(kLayer);
    TzRvnSchemaLists lists;
    ASSERT_TRUE(CollectSchema(&db_, modelSpace(), lists));
    ASSERT_TRUE(RefreshNodeNames(state, lists, layer(kLayer)));
    EXPECT_EQ((std::vector<TzRvnName>{rvntest::name(L"A"), rvntest::name(L"B")}), state.nodeNames());
    EXPECT_EQ(kLayer, state.currentLayer());
}

}  // namespace
