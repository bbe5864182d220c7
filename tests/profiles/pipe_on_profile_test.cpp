// TubaRet: the pipe built on a profile from a grade line, checked on the drawing's entities and
// the vertex data; every refusal and cancel leaves the drawing as it was.
#include "drawn_profile.h"
#include "profile_fixture.h"

#include "dbdict.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "db_entity_iterator.h"
#include "host/resbuf_list.h"
#include "network/settings_units.h"
#include "network_builder.h"
#include "profiles/pipe_on_profile.h"

#include <optional>
#include <tuple>

namespace {

// The vertex data the profile A-B-C gives, in display units: demands in l/s, L, D in mm, roughness
// in mm, CSI, Q in l/s, V, Re, J in m/km, dH.
const std::vector<double> kBranchAB = {0.5, 1.0, 100.0, 100.0, 0.1, 0.5, 2.0, 0.25, 25000.0, 10.0, 0.3};
const std::vector<double> kBranchBC = {1.0, 1.5, 50.0, 80.0, 0.2, 1.5, 1.0, 0.2, 16000.0, 20.0, 0.8};
const std::vector<double> kClosing(11, 0.0);

void expectVertex(const profiletest::PipeVertex& seen, double x, double y, const std::optional<std::vector<double>>& values,
                  const std::string& which) {
    SCOPED_TRACE(which);
    EXPECT_NEAR(seen.position.x, x, 1e-9);
    EXPECT_NEAR(seen.position.y, y, 1e-9);
    ASSERT_EQ(seen.values.has_value(), values.has_value());
    if (!values) return;
    ASSERT_EQ(seen.values->size(), values->size());
    for (std::size_t i = 0; i < values->size(); ++i) EXPECT_NEAR((*seen.values)[i], (*values)[i], 1e-9) << "value " << i;
}

// The network "rete" with results on A-B and B-C, shown in l/s, mm and m/km.
class PipeOnProfile : public profiletest::ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        drawNetwork();
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        TzRvnNetworkData* data = network->workingData(AcDb::kForWrite);
        TzRvnSettings settings = data->settings();
        settings.flowUnit = kFlowLitresPerSecond;
        settings.diameterUnit = kLengthMillimetres;
        settings.roughnessUnit = kLengthMillimetres;
        settings.slopeUnit = kSlopeMetresPerKilometre;
        data->setSettings(settings);
        const double results[2][5] = {{0.002, 0.25, 25000.0, 0.01, 0.3}, {0.001, 0.2, 16000.0, 0.02, 0.8}};
        for (int i = 0; i < 2; ++i) {
            TzRvnEdge& edge = data->edges()[i];
            std::tie(edge.flow, edge.velocity, edge.reynolds, edge.frictionSlope, edge.headLoss) =
                std::tuple(results[i][0], results[i][1], results[i][2], results[i][3], results[i][4]);
        }
    }

    AcDbObjectId addGradeLine(const std::vector<AcGePoint3d>& points, bool closed = false,
                              AcDb::Poly2dType type = AcDb::k2dSimplePoly) {
        return append(new AcDb2dPolyline(type, AcGePoint3dArray(points.begin(), points.end()), 0.0, closed));
    }


    // What a run may change: the live entities of model space, the pipe layer and application, the
    // network's branches (a grade line's working copy, made and erased, moves the handle seed).
    using DrawingState = std::tuple<std::vector<AcDbObjectId>, bool, bool, std::vector<double>>;
    DrawingState state() {
        AcDbObjectId layer;
        TzRvnOpenObject<AcDbRegAppTable> table;
        EXPECT_EQ(table.take(db_.getSymbolTable(table.slot(), AcDb::kForRead)), Acad::eOk);
        const bool application = table->has(L"TZ-TOZARI-TZ-RV");
        std::vector<double> branches;
        if (TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForRead); network.isOpen()) {
            for (const TzRvnEdge& edge : network->data().edges()) branches.insert(branches.end(), {edge.length, edge.flow});
        }
        return {modelSpaceEntities(), FindLayer(&db_, L"TUBAZIONI", layer) == Acad::eOk, application, branches};
    }

    // Runs the command with the answers; the one entity it added.
    AcDbObjectId runExpectingPipe(const std::vector<std::wstring>& answers) {
        const std::size_t before = modelSpaceEntities().size();
        rvntest::QueuedInput input(answers);
        DrawPipeOnProfile();
        EXPECT_FALSE(input.ranOut()) << rvnos::toUtf8(shown());
        const std::vector<AcDbObjectId> after = modelSpaceEntities();
        EXPECT_EQ(after.size(), before + 1) << rvnos::toUtf8(shown());
        return after.back();
    }

    // Runs the command with the answers and checks it changed nothing; what it printed.
    std::wstring runExpectingNothing(const std::vector<std::wstring>& answers, std::size_t leftOver = 0) {
        const DrawingState before = state();
        rvntest::QueuedInput input(answers);
        DrawPipeOnProfile();
        EXPECT_EQ(input.remaining(), leftOver);
        EXPECT_EQ(state(), before);
        return shown();
    }
};

TEST_F(PipeOnProfile, TheGradeLineBecomesAPipeWhoseBoundaryVerticesCarryTheBranchStartingThere) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    // Boundaries at x = 200 and 250; the vertex near 200 lies within the tolerance of it.
    const AcDbObjectId grade =
        addGradeLine({{100.0, 50.0, 0.0}, {150.0, 48.0, 0.0}, {200.0005, 47.0, 0.0}, {250.0, 44.0, 0.0}, {260.0, 44.0, 0.0}});
    const AcDbObjectId pipe = runExpectingPipe({handleOf(title), handleOf(grade)});
    const std::vector<profiletest::PipeVertex> vertices = profiletest::ReadPipeVertices(pipe);
    ASSERT_EQ(vertices.size(), 5u);
    expectVertex(vertices[0], 100.0, 50.0, kBranchAB, "start of A-B");
    expectVertex(vertices[1], 150.0, 48.0, std::nullopt, "inside A-B");
    expectVertex(vertices[2], 200.0, 48.0 - 50.0 / 50.0005, kBranchBC, "moved onto the A-B boundary");
    expectVertex(vertices[3], 250.0, 44.0, kClosing, "end of the last branch");
    expectVertex(vertices[4], 260.0, 44.0, std::nullopt, "after the last branch");
    TzRvnOpenObject<AcDbEntity> drawn(pipe, AcDb::kForRead);
    EXPECT_EQ(LayerName(drawn->layerId()), L"TUBAZIONI");
    EXPECT_FALSE(IsLayerHidden(drawn->layerId()));
    // The grade line stays as it was.
    TzRvnOpenObject<AcDb2dPolyline> kept(grade, AcDb::kForRead);
    AcGePoint3d end;
    ASSERT_EQ(kept->getEndPoint(end), Acad::eOk);
    EXPECT_EQ(end, AcGePoint3d(260.0, 44.0, 0.0));
    EXPECT_EQ(shown(), L"");
}

TEST_F(PipeOnProfile, ANetworkWithoutSchemaIsWarnedAboutAndUsesItsRecordedLengths) {
    TzRvnNetworkData data =
        rvntest::NetworkBuilder().node(L"P1").node(L"P2").branch(L"P1", L"P2", 25.0, 0.2, 0.0).build();
    data.setHasSchema(false);
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, AddNetwork(&db_, L"tracciato", std::make_unique<TzRvnNetwork>(data), id));
    const AcDbObjectId title = addTitleBlock(L"tracciato", L"P1-P2");
    const AcDbObjectId grade = addGradeLine({{0.0, 0.0, 0.0}, {25.0, -1.0, 0.0}});
    const std::vector<profiletest::PipeVertex> vertices = profiletest::ReadPipeVertices(runExpectingPipe({handleOf(title), L"", handleOf(grade)}));
    ASSERT_EQ(vertices.size(), 2u);
    // Diameters in metres: the default settings.
    expectVertex(vertices[0], 0.0, 0.0,
                 std::vector<double>{0.0, 0.0, 25.0, 0.2, 0.0, 0.0, NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT},
                 "start");
    expectVertex(vertices[1], 25.0, -1.0, kClosing, "end");
    EXPECT_TRUE(said(L"ATTENZIONE! Se e' stata modificata la lunghezza di uno dei rami e' necessario riestrarre il profilo"));
}

TEST_F(PipeOnProfile, TheGradeLineRefusalsAreSaidAndAskAgainAndCancellingChangesNothing) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    AcDbObjectId lightweights[2];
    for (bool closed : {false, true}) {
        auto* lightweight = new AcDbPolyline;
        lightweight->addVertexAt(0, {100.0, 50.0});
        lightweight->addVertexAt(1, {170.0, 44.0});
        lightweight->addVertexAt(2, {170.0, 60.0});
        lightweight->setClosed(closed);
        lightweights[closed] = append(lightweight);
    }
    const AcDbObjectId line = append(new AcDbLine({0.0, 90.0, 0.0}, {5.0, 90.0, 0.0}));
    const std::vector<AcGePoint3d> points{{100.0, 50.0, 0.0}, {130.0, 47.0, 0.0}, {170.0, 44.0, 0.0}};
    const AcDbObjectId closed = addGradeLine(points, true);
    const AcDbObjectId fitted = addGradeLine(points, false, AcDb::k2dFitCurvePoly);
    const AcDbObjectId spline = addGradeLine(points, false, AcDb::k2dCubicSplinePoly);
    const std::wstring told = runExpectingNothing({handleOf(title), L"", handleOf(lightweights[0]),
                                                   handleOf(lightweights[1]), handleOf(line),
                                                   handleOf(closed), handleOf(fitted), handleOf(spline), L"*Cancel*"});
    const std::vector<std::wstring> expected = {
        L"\nSelezione non valida: ripetere la selezione...",
        L"\nNon e' possibile creare una tubazione con una LWPOLYLINE",
        L"\nLa polilinea selezionata deve essere APERTA",
        L"\nSelezionare una POLILINEA 2D",
        L"\nLa polilinea selezionata deve essere APERTA",
        L"\nLa polilinea selezionata deve essere di tipo SEMPLICE",
        L"\nLa polilinea selezionata deve essere di tipo SEMPLICE",
    };
    std::size_t from = 0;
    for (const std::wstring& message : expected) {
        const std::size_t at = told.find(message, from);
        ASSERT_NE(at, std::wstring::npos) << "missing in order: " << rvnos::toUtf8(message);
        from = at + message.size();
    }
}

TEST_F(PipeOnProfile, EveryOtherEndLeavesTheDrawingAsItWas) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    const AcDbObjectId other = addTitleBlock(L"rete", L"A-B-C", L"ALTRO");
    const AcDbObjectId elsewhere = addTitleBlock(L"altra", L"A-B-C", L"TZ-RR2");
    const AcDbObjectId unjoined = addTitleBlock(L"rete", L"A-C", L"TZ-RR3");
    const AcDbObjectId line = append(new AcDbLine({0.0, 90.0, 0.0}, {5.0, 90.0, 0.0}));
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {170.0, 44.0, 0.0}});
    // A vertical grade line is parallel to every vertical: the end of A-B is never reached.
    const AcDbObjectId vertical = addGradeLine({{100.0, 50.0, 0.0}, {100.0, 40.0, 0.0}});
    const std::tuple<std::vector<std::wstring>, std::size_t, std::wstring> runs[] = {
        // The host notes a cancel; the command itself says nothing.
        {{L"*Cancel*"}, 0, L"\n*Cancel*"},
        {{handleOf(title), L"*Cancel*"}, 0, L"\n*Cancel*"},
        // Another entity is passed over silently; another block ends the command.
        {{handleOf(line), handleOf(other), handleOf(grade)}, 1, L"\nL'entita' non e' un cartiglio profilo"},
        {{handleOf(elsewhere), handleOf(grade)}, 1, L""},
        {{handleOf(unjoined), handleOf(grade)}, 1, L"\nNessun ramo della rete unisce i nodi del profilo"},
        {{handleOf(title), handleOf(vertical)}, 0,
         L"\nLa livelletta non raggiunge la verticale del nodo: tubazione non creata B"},
    };
    for (const auto& [answers, leftOver, message] : runs) {
        rvnhost::Transcript::instance().clear();
        EXPECT_EQ(runExpectingNothing(answers, leftOver), message);
    }
    {
        TzRvnOpenObject<AcDbDictionary> named;
        ASSERT_EQ(named.take(db_.getNamedObjectsDictionary(named.slot(), AcDb::kForWrite)), Acad::eOk);
        ASSERT_EQ(named->remove(L"TZ-RVN"), Acad::eOk);
    }
    rvnhost::Transcript::instance().clear();
    EXPECT_EQ(runExpectingNothing({handleOf(title), handleOf(grade)}, 1), L"\nNon esite il dizionario dell'applicazione");
}

}  // namespace
