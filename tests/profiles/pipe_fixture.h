// A drawn network "rete" of three nodes A, B, C joined by two branches (A-B 30 m, B-C 40 m) with
// results, title blocks of its profiles, and helpers to draw grade lines and read back the pipe.
#pragma once

#include "profile_fixture.h"

#include "dbattr.h"
#include "dbline.h"
#include "dbpl.h"
#include "db_entity_iterator.h"
#include "dbpl2d.h"
#include "host/resbuf_list.h"
#include "network/settings_units.h"
#include "table_records.h"

#include <algorithm>
#include <optional>

namespace pipetest {

// What a pipe vertex carries: its WCS position and, when it has pipe data, the eleven values.
struct SeenVertex {
    AcGePoint3d position;
    std::optional<std::vector<double>> values;
};

// What a run may change: the live entities of model space, the pipe layer and application, the network.
struct DrawingState {
    std::vector<AcDbObjectId> entities;
    bool pipeLayer = false;
    bool pipeApplication = false;
    TzRvnNetworkData network;
};

class PipeOnProfileTest : public profiletest::ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        block(kTankBlock);  // reading a schema needs both block definitions
        addNode(L"A", {0.0, 0.0, 10.0}, 0.0005);
        addNode(L"B", {30.0, 0.0, 8.0}, 0.001);
        addNode(L"C", {70.0, 0.0, 5.0}, 0.0015);
        addBranch({{0.0, 0.0, 10.0}, {30.0, 0.0, 8.0}}, {30.0, 0.1, 0.0001, 0.5, L""});
        addBranch({{30.0, 0.0, 8.0}, {70.0, 0.0, 5.0}}, {40.0, 0.08, 0.0002, 1.5, L""});
        EXPECT_EQ(Acad::eOk, CreateNetwork(&db_, L"rete", true, network_));
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        ASSERT_TRUE(ReadNetworkFromSchema(*network, &db_, modelSpace(), schematest::kLayer));
        TzRvnNetworkData* data = network->workingData(AcDb::kForWrite);
        TzRvnSettings settings = data->settings();  // the units the vertex data shows
        settings.flowUnit = kFlowLitresPerSecond;
        settings.diameterUnit = kLengthMillimetres;
        settings.roughnessUnit = kLengthMillimetres;
        settings.slopeUnit = kSlopeMetresPerKilometre;
        data->setSettings(settings);
        setResults(data->edges()[0], 0.002, 0.25, 25000.0, 0.01, 0.3);
        setResults(data->edges()[1], 0.001, 0.2, 16000.0, 0.02, 0.8);
    }
    static void setResults(TzRvnEdge& edge, double q, double v, double re, double j, double dh) {
        edge.flow = q;
        edge.velocity = v;
        edge.reynolds = re;
        edge.frictionSlope = j;
        edge.headLoss = dh;
    }

    // A reference of a block (by default "TZ-RR1") whose attributes OBJ1 to OBJ6 hold the network
    // and the profile key.
    AcDbObjectId addTitleBlock(const std::wstring& networkName, const std::wstring& key,
                               const std::wstring& blockName = L"TZ-RR1") {
        auto* reference = new AcDbBlockReference({100.0, 30.0, 0.0}, rvntest::addBlock(db_, blockName.c_str()));
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AppendToModelSpace(&db_, reference, id));
        const std::wstring texts[] = {networkName, key, L"0", L"-5", L"1000", L"100"};
        for (int i = 0; i < 6; ++i) {
            const std::wstring tag = L"OBJ" + std::to_wstring(i + 1);
            auto* attribute = new AcDbAttribute({100.0, 30.0 - 3.5 * i, 0.0}, texts[i].c_str(), tag.c_str());
            EXPECT_EQ(Acad::eOk, reference->appendAttribute(attribute));
            attribute->close();
        }
        reference->close();
        return id;
    }

    AcDbObjectId append(AcDbEntity* entity) {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AppendToModelSpace(&db_, entity, id));
        entity->close();
        return id;
    }

    AcDbObjectId addGradeLine(const std::vector<AcGePoint3d>& points, bool closed = false,
                              AcDb::Poly2dType type = AcDb::k2dSimplePoly) {
        return append(new AcDb2dPolyline(type, AcGePoint3dArray(points.begin(), points.end()), 0.0, closed));
    }

    DrawingState state() {
        DrawingState now;
        now.entities = modelSpaceEntities();
        AcDbObjectId layer;
        now.pipeLayer = FindLayer(&db_, L"TUBAZIONI", layer) == Acad::eOk;
        AcDbRegAppTable* table = nullptr;
        if (db_.getSymbolTable(table, AcDb::kForRead) == Acad::eOk) {
            now.pipeApplication = table->has(L"TZ-TOZARI-TZ-RV");
            table->close();
        }
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForRead);
        if (network.isOpen()) network->getData(now.network);
        return now;
    }

    static void expectSameDrawing(const DrawingState& before, const DrawingState& after) {
        EXPECT_EQ(before.entities, after.entities);
        EXPECT_EQ(before.pipeLayer, after.pipeLayer);
        EXPECT_EQ(before.pipeApplication, after.pipeApplication);
        ASSERT_EQ(before.network.numEdges(), after.network.numEdges());
        for (int i = 0; i < before.network.numEdges(); ++i) {
            EXPECT_EQ(before.network.edges()[i].length, after.network.edges()[i].length);
            EXPECT_EQ(before.network.edges()[i].flow, after.network.edges()[i].flow);
        }
    }

    // The vertices of a pipe with their data; vertex data that is not the pipe list fails.
    static std::vector<SeenVertex> pipeVertices(AcDbObjectId pipeId) {
        std::vector<SeenVertex> seen;
        TzRvnOpenObject<AcDb2dPolyline> pipe(pipeId, AcDb::kForRead);
        EXPECT_TRUE(pipe.isOpen());
        if (!pipe.isOpen()) return seen;
        const std::unique_ptr<AcDbObjectIterator> walk(pipe->vertexIterator());
        for (walk->start(); !walk->done(); walk->step()) {
            TzRvnOpenObject<AcDb2dVertex> vertex(walk->objectId(), AcDb::kForRead);
            SeenVertex one{pipe->vertexPosition(*vertex), std::nullopt};
            const TzRvnResbufList data(vertex->xData(L"TZ-TOZARI-TZ-RV"));
            if (data.get() != nullptr) one.values = pipeValues(data.get());
            seen.push_back(one);
        }
        return seen;
    }

    static std::vector<double> pipeValues(const resbuf* item) {
        std::vector<double> values;
        EXPECT_EQ(std::wstring(item->resval.rstring), L"TZ-TOZARI-TZ-RV");
        item = item->rbnext;
        EXPECT_TRUE(item != nullptr && item->restype == 1070 && item->resval.rint == 230);
        item = item->rbnext;
        EXPECT_TRUE(item != nullptr && item->restype == 1000 &&
                    std::wstring(item->resval.rstring) == L"TZ-RVN-TUBAZIONE");
        for (item = item->rbnext; item != nullptr; item = item->rbnext) {
            EXPECT_EQ(item->restype, 1040);
            values.push_back(item->resval.rreal);
        }
        return values;
    }

    AcDbObjectId network_;
};

// The vertex data the two branches give, in display units: demands in l/s, L, D in mm,
// roughness in mm, CSI, Q in l/s, V, Re, J in m/km, dH.
inline const std::vector<double> kBranchAB = {0.5, 1.0, 30.0, 100.0, 0.1, 0.5, 2.0, 0.25, 25000.0, 10.0, 0.3};
inline const std::vector<double> kBranchBC = {1.0, 1.5, 40.0, 80.0, 0.2, 1.5, 1.0, 0.2, 16000.0, 20.0, 0.8};
inline const std::vector<double> kClosing(11, 0.0);

}  // namespace pipetest
