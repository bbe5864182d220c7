// A network read from its schema and written back into it: branch ends, excluded branches, node
// elevations, coincident positions and missing blocks; "rivanta calc DRAWING --network NAME" on a
// drawn network: rebuilt from the schema before it is calculated, its data and the schema written
// back with --save.
#include "schema_fixture.h"

#include "../calc/calc_program.h"
#include "drawing_file.h"
#include "network_of_drawing.h"
#include "test_files.h"

#include "expect_doubles.h"

#include "db3dpl.h"
#include "host/entity_ids.h"
#include "netobj/network_dictionary.h"
#include "schema/collect_schema.h"
#include "schema/node_elevation.h"
#include "schema/open_attribute.h"
#include "schema/polyline_vertices.h"
#include "schema/schema_reader.h"
#include "schema/schema_writer.h"

#include <tuple>

namespace {

using schematest::kLayer;

class Regeneration : public schematest::SchemaTest {
protected:
    // A network of the layer kLayer, in a drawing that holds both block definitions.
    AcDbObjectId createNetwork(bool hasSchema = true) {
        block(kNodeBlock);
        block(kTankBlock);
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, CreateNetwork(&db_, L"rete", hasSchema, id));
        return id;
    }

    bool read(AcDbObjectId network) {
        TzRvnOpenObject<TzRvnNetwork> opened(network, AcDb::kForWrite);
        return opened.isOpen() && ReadNetworkFromSchema(*opened, &db_, modelSpace(), kLayer);
    }

    TzRvnNetworkData data(AcDbObjectId network) {
        TzRvnNetworkData held;
        TzRvnOpenObject<TzRvnNetwork> opened(network, AcDb::kForRead);
        EXPECT_EQ(Acad::eOk, opened->getData(held));
        return held;
    }

    // Replaces the network's records and writes them into the schema.
    bool write(AcDbObjectId network, const TzRvnNetworkData& records) {
        {
            TzRvnOpenObject<TzRvnNetwork> opened(network, AcDb::kForWrite);
            EXPECT_EQ(Acad::eOk, opened->setData(records));
        }
        TzRvnOpenObject<TzRvnNetwork> opened(network, AcDb::kForRead);
        return WriteSchemaFromNetwork(*opened);
    }

    std::vector<AcGePoint3d> vertices(AcDbObjectId branch) {
        TzRvnOpenObject<AcDb3dPolyline> polyline(branch, AcDb::kForRead);
        std::vector<TzRvnVertex> read;
        EXPECT_TRUE(ReadPolylineVertices(*polyline, read));
        std::vector<AcGePoint3d> points;
        for (const TzRvnVertex& vertex : read) points.push_back(vertex.position);
        return points;
    }

    // The node's position and the elevations of its attributes.
    std::vector<double> elevationsOf(AcDbObjectId node) {
        TzRvnOpenObject<AcDbBlockReference> reference(node, AcDb::kForRead);
        std::vector<double> z{reference->position().z};
        for (AcDbObjectId id : AttributeIds(*reference)) {
            auto attribute = OpenAttribute(*reference, id, AcDb::kForRead);
            z.push_back(attribute->position().z);
        }
        return z;
    }
};

TEST_F(Regeneration, NodesBranchesAndTanksAreReadInModelSpaceOrder) {
    const AcDbObjectId n1 = addNode(L"N1", {0, 0, 10}, 0.002, L"Piazza");
    addNode(L"N2", {100, 0, 8});
    const AcDbObjectId nameless = addNode(L"N3", {200, 0, 8});
    {
        TzRvnOpenObject<AcDbBlockReference> reference(nameless, AcDb::kForRead);
        ASSERT_EQ(Acad::eOk, OpenAttribute(*reference, AttributeIds(*reference)[1], AcDb::kForWrite)->erase());
    }
    addNode(L"X1", {0, 0, 10}, 0.0, L"", L"TZ-RV-altra");
    const AcDbObjectId pipe = addBranch({{0, 0, 10}, {50, 20, 10}, {100, 0, 8}}, {120.5, 0.2, 0.0001, 1.5, L"Adduttrice"});
    addBranch({{100, 0, 8}, {200, 0, 8}}, {100, 0.1, 0.0002, 0, L""});
    addTank({0, 0, 10}, 95.5);
    addTank({300, 0, 0}, 80);
    const AcDbObjectId network = createNetwork();
    ASSERT_TRUE(read(network)) << rvnos::toUtf8(shown());
    const TzRvnNetworkData held = data(network);
    ASSERT_EQ(2, held.numNodes());
    const TzRvnNode& node = held.nodes()[0];
    EXPECT_EQ(std::tuple(n1, std::wstring(L"N1"), std::wstring(L"Piazza")),
              std::tuple(ObjectIdOf(node.entityId), node.name.str(), node.note.text()));
    rvntest::ExpectDoublesEq({0.002, 10.0}, {node.demand, node.elevation});
    EXPECT_FALSE(held.nodes()[1].note.has());
    ASSERT_EQ(2, held.numEdges());
    const TzRvnEdge& edge = held.edges()[0];
    EXPECT_EQ(std::tuple(pipe, std::wstring(L"N1"), std::wstring(L"N2"), 120.5, 0.2, 0.0001, 1.5, std::wstring(L"Adduttrice")),
              std::tuple(ObjectIdOf(edge.entityId), edge.startNode.str(), edge.endNode.str(), edge.length, edge.diameter,
                         edge.roughness, edge.csi, edge.note.text()));
    // The node without "NODE_01" is no node: the branch ending on it ends on none.
    EXPECT_EQ(L"--", held.edges()[1].endNode.str());
    ASSERT_EQ(2, held.numTanks());
    EXPECT_EQ(L"N1", held.tanks()[0].nodeName.str());
    EXPECT_DOUBLE_EQ(95.5, held.tanks()[0].head);
    EXPECT_EQ(L"--", held.tanks()[1].nodeName.str());
}

TEST_F(Regeneration, PositionsCloserThanAThousandthAreOne) {
    addNode(L"A", {10, 10, 0});
    addNode(L"B", {10.0005, 10, 0.0009});
    addNode(L"C", {20, 10, 0});
    addBranch({{10.0004, 10, 0.0002}, {20.002, 10, 0}}, {10, 0.1, 0, 0, L""});
    const AcDbObjectId network = createNetwork();
    ASSERT_TRUE(read(network));
    const TzRvnNetworkData held = data(network);
    EXPECT_EQ(3, held.numNodes());
    EXPECT_EQ(L"A", held.edges()[0].startNode.str());
    EXPECT_EQ(L"--", held.edges()[0].endNode.str());
}

TEST_F(Regeneration, ExcludedBranchesMoveToTheOffLayerAndBack) {
    addNode(L"N1", {0, 0, 0});
    addNode(L"N2", {10, 0, 0});
    const AcDbObjectId branch = addBranch({{0, 0, 0}, {10, 0, 0}}, {10, 0.1, 0.0001, 0, L"Chiusa"});
    const AcDbObjectId network = createNetwork();
    ASSERT_TRUE(read(network));
    TzRvnNetworkData records = data(network);
    records.edges()[0].excluded = 1;
    records.edges()[0].note.set(L"");
    ASSERT_TRUE(write(network, records));
    EXPECT_EQ(L"TZ-RV-rete-OFF", LayerName(TzRvnOpenObject<AcDbEntity>(branch, AcDb::kForRead)->layerId()));
    AcDbObjectId offLayer;
    ASSERT_EQ(Acad::eOk, FindLayer(&db_, L"TZ-RV-rete-OFF", offLayer));
    EXPECT_TRUE(IsLayerHidden(offLayer));
    ASSERT_TRUE(read(network));
    records = data(network);
    EXPECT_EQ(1, records.edges()[0].excluded);
    EXPECT_FALSE(records.edges()[0].note.has());

    records.edges()[0].excluded = 0;
    ASSERT_TRUE(write(network, records));
    EXPECT_EQ(kLayer, LayerName(TzRvnOpenObject<AcDbEntity>(branch, AcDb::kForRead)->layerId()));
    ASSERT_TRUE(read(network));
    EXPECT_EQ(0, data(network).edges()[0].excluded);
}

TEST_F(Regeneration, AChangedElevationIsCarriedToTheNodeItsAttributesAndTheBranchEnds) {
    const AcDbObjectId node = addNode(L"N1", {0, 0, 10});
    addNode(L"N2", {10, 0, 10});
    const AcDbObjectId branch = addBranch({{0, 0, 10}, {5, 5, 10}, {10, 0, 10}}, {15, 0.1, 0, 0, L""});
    const AcDbObjectId network = createNetwork();
    ASSERT_TRUE(read(network));
    TzRvnNetworkData records = data(network);
    records.nodes()[0].elevation = 12.0;
    records.nodes()[0].demand = 0.0035;
    ASSERT_TRUE(write(network, records));
    EXPECT_EQ(std::vector<double>(6, 12.0), elevationsOf(node));
    EXPECT_EQ(12.0, LastNodeElevation());
    EXPECT_EQ((std::vector<AcGePoint3d>{{0, 0, 12}, {5, 5, 10}, {10, 0, 10}}), vertices(branch));
    ASSERT_TRUE(read(network));
    records = data(network);
    rvntest::ExpectDoublesEq({12.0, 0.0035}, {records.nodes()[0].elevation, records.nodes()[0].demand});
    EXPECT_EQ(L"N1", records.edges()[0].startNode.str());
}

TEST_F(Regeneration, ApplyingTheLastElevationRereadsTheCurrentNetwork) {
    const AcDbObjectId node = addNode(L"N1", {0, 0, 10});
    const AcDbObjectId twin = addNode(L"N1bis", {0, 0, 10});
    const AcDbObjectId branch = addBranch({{0, 0, 10}, {10, 0, 10}}, {10, 0.1, 0, 0, L""});
    createNetwork();
    SetLastNodeElevation(7.5);
    ASSERT_TRUE(ApplyNodeElevation(&db_, kLayer, {branch}, node, TzRvnElevationMode::rereadCurrentNetwork, nullptr));
    EXPECT_EQ(std::vector<double>(6, 7.5), elevationsOf(node));
    EXPECT_EQ(std::vector<double>(6, 7.5), elevationsOf(twin));
    EXPECT_EQ(7.5, vertices(branch)[0].z);

    // Without a network only the node itself and the branches given move.
    SetLastNodeElevation(3.0);
    ASSERT_TRUE(ApplyNodeElevation(&db_, L"TZ-RV-nessuna", {}, node, TzRvnElevationMode::rereadCurrentNetwork, nullptr));
    EXPECT_EQ(std::tuple(3.0, 7.5, 7.5), std::tuple(elevationsOf(node)[0], elevationsOf(twin)[0], vertices(branch)[0].z));

    EXPECT_FALSE(ApplyNodeElevation(&db_, kLayer, {}, AcDbObjectId(), TzRvnElevationMode::givenNetwork, nullptr));
    EXPECT_EQ(L"\nImpossibile aprire il block reference", shown());
}

TEST_F(Regeneration, ReadingNeedsBothBlocksAndTheNetworkLayer) {
    AcDbObjectId network;
    ASSERT_EQ(Acad::eOk, CreateNetwork(&db_, L"rete", true, network));
    EXPECT_FALSE(read(network));
    block(kNodeBlock);
    layer(kLayer);
    rvnhost::Transcript::instance().clear();
    EXPECT_FALSE(read(network));
    EXPECT_EQ(L"\nNessun serbatoio inserito!", shown());
    block(kTankBlock);
    EXPECT_TRUE(read(network));
}

TEST_F(Regeneration, ANetworkWithoutSchemaIsLeftAlone) {
    addNode(L"N1", {0, 0, 0});
    addTank({0, 0, 0}, 50);
    const AcDbObjectId network = createNetwork(false);
    ASSERT_TRUE(read(network));
    EXPECT_EQ(0, data(network).numNodes());
    TzRvnNetworkData records;
    records.setNumNodes(1);
    EXPECT_TRUE(write(network, records));
}

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
    EXPECT_TRUE(rvntest::Printed(run, "nodes 6, branches 7, tanks 1"));
    EXPECT_FALSE(rvntest::Printed(run, "left open"));
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
    EXPECT_TRUE(rvntest::Printed(run, "rivanta calc: the network \"disegnata\" cannot be read from its schema"));
    EXPECT_EQ(before, rvntest::readBytes(drawing));
    const rvntest::ProgramRun exported = rvntest::runRivanta("inpout " + singleQuoted(drawing) + " --network disegnata " +
                                                             singleQuoted(scratch / "disegnata.inp"));
    EXPECT_EQ(1, exported.status);
    EXPECT_TRUE(rvntest::Printed(exported, "rivanta inpout: the network \"disegnata\" cannot be read from its schema"));
}

}  // namespace
