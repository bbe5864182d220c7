// TubaRet: the pipe built on a profile from a grade line, checked on the drawing's entities and
// the vertex data; every refusal and cancel leaves the drawing as it was.
#include "pipe_fixture.h"

#include "acdocman.h"
#include "frame/commands.h"
#include "frame/document_states.h"
#include "profiles/pipe_on_profile.h"
#include "profiles/title_block.h"

namespace {

using pipetest::kBranchAB;
using pipetest::kBranchBC;
using pipetest::kClosing;
using pipetest::SeenVertex;

constexpr double kTolerance = 1e-9;

void expectVertex(const SeenVertex& seen, double x, double y, const std::optional<std::vector<double>>& values,
                  const std::string& which) {
    SCOPED_TRACE(which);
    EXPECT_NEAR(seen.position.x, x, kTolerance);
    EXPECT_NEAR(seen.position.y, y, kTolerance);
    ASSERT_EQ(seen.values.has_value(), values.has_value());
    if (!values) return;
    ASSERT_EQ(seen.values->size(), values->size());
    for (std::size_t i = 0; i < values->size(); ++i) EXPECT_NEAR((*seen.values)[i], (*values)[i], 1e-9) << "value " << i;
}

class PipeOnProfile : public pipetest::PipeOnProfileTest {
protected:
    // Runs the command with the answers; the one pipe it drew (a failure when not exactly one
    // entity was added).
    AcDbObjectId runExpectingPipe(const std::vector<std::wstring>& answers) {
        const pipetest::DrawingState before = state();
        rvntest::QueuedInput input(answers);
        DrawPipeOnProfile();
        EXPECT_FALSE(input.ranOut()) << rvnos::toUtf8(shown());
        const std::vector<AcDbObjectId> added = addedSince(before);
        EXPECT_EQ(added.size(), 1u) << rvnos::toUtf8(shown());
        return added.empty() ? AcDbObjectId() : added.front();
    }

    // Runs the command with the answers and checks it changed nothing; what it printed.
    std::wstring runExpectingNothing(const std::vector<std::wstring>& answers, std::size_t leftOver = 0) {
        const pipetest::DrawingState before = state();
        rvntest::QueuedInput input(answers);
        DrawPipeOnProfile();
        EXPECT_EQ(input.remaining(), leftOver);
        expectSameDrawing(before, state());
        return shown();
    }
};

TEST_F(PipeOnProfile, TheGradeLineBecomesAPipeWhoseBoundaryVerticesCarryTheBranchStartingThere) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    // Boundaries at x = 130 and 170; the vertex near 130 lies within the tolerance of it.
    const AcDbObjectId grade =
        addGradeLine({{100.0, 50.0, 0.0}, {115.0, 48.0, 0.0}, {130.0005, 47.0, 0.0}, {170.0, 44.0, 0.0}, {180.0, 44.0, 0.0}});
    const AcDbObjectId pipe = runExpectingPipe({handleOf(title), handleOf(grade)});
    const std::vector<SeenVertex> vertices = pipeVertices(pipe);
    ASSERT_EQ(vertices.size(), 5u);
    expectVertex(vertices[0], 100.0, 50.0, kBranchAB, "start of A-B");
    expectVertex(vertices[1], 115.0, 48.0, std::nullopt, "inside A-B");
    expectVertex(vertices[2], 130.0, 48.0 - 15.0 / 15.0005, kBranchBC, "moved onto the A-B boundary");
    expectVertex(vertices[3], 170.0, 44.0, kClosing, "end of the last branch");
    expectVertex(vertices[4], 180.0, 44.0, std::nullopt, "after the last branch");
    EXPECT_EQ(layerOf(pipe), L"TUBAZIONI");
    AcDbObjectId layer;
    ASSERT_EQ(FindLayer(&db_, L"TUBAZIONI", layer), Acad::eOk);
    EXPECT_FALSE(IsLayerHidden(layer));
    // The grade line stays as it was; the working copy is gone (only the pipe was added).
    TzRvnOpenObject<AcDb2dPolyline> kept(grade, AcDb::kForRead);
    AcGePoint3d end;
    ASSERT_EQ(kept->getEndPoint(end), Acad::eOk);
    EXPECT_EQ(end, AcGePoint3d(180.0, 44.0, 0.0));
    EXPECT_EQ(shown(), L"");
}

TEST_F(PipeOnProfile, AGradeLineMissingTheBoundariesGivesDataOnItsFirstVertexOnly) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    // 170.002 lies 2 mm from the last boundary: beyond the tolerance.
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {120.0, 48.0, 0.0}, {170.002, 44.0, 0.0}});
    const std::vector<SeenVertex> vertices = pipeVertices(runExpectingPipe({handleOf(title), handleOf(grade)}));
    ASSERT_EQ(vertices.size(), 3u);
    expectVertex(vertices[0], 100.0, 50.0, kBranchAB, "first");
    expectVertex(vertices[1], 120.0, 48.0, std::nullopt, "second");
    expectVertex(vertices[2], 170.002, 44.0, std::nullopt, "third");
}

TEST_F(PipeOnProfile, APairNoBranchJoinsGivesNoSegmentAndTheLaterBoundariesMove) {
    // A-C has no branch; C-B is the branch B-C walked backwards, its boundary 40 m on.
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-C-B");
    const AcDbObjectId grade =
        addGradeLine({{100.0, 50.0, 0.0}, {130.0, 47.0, 0.0}, {140.0, 46.0, 0.0}, {150.0, 45.0, 0.0}});
    const std::vector<SeenVertex> vertices = pipeVertices(runExpectingPipe({handleOf(title), handleOf(grade)}));
    ASSERT_EQ(vertices.size(), 4u);
    std::vector<double> fromC = kBranchBC;
    std::swap(fromC[0], fromC[1]);  // the pair's first node is C
    expectVertex(vertices[0], 100.0, 50.0, fromC, "start of C-B");
    expectVertex(vertices[1], 130.0, 47.0, std::nullopt, "no boundary at 30 m any more");
    expectVertex(vertices[2], 140.0, 46.0, kClosing, "end of C-B");
    expectVertex(vertices[3], 150.0, 45.0, std::nullopt, "after it");
}

TEST_F(PipeOnProfile, ANetworkWithoutSchemaIsWarnedAboutAndUsesItsRecordedLengths) {
    TzRvnNetworkData data(false);
    data.setNumNodes(2);
    data.nodes()[0].name = *TzRvnName::from(L"P1");
    data.nodes()[1].name = *TzRvnName::from(L"P2");
    data.setNumEdges(1);
    data.edges()[0].startNode = *TzRvnName::from(L"P1");
    data.edges()[0].endNode = *TzRvnName::from(L"P2");
    data.edges()[0].length = 25.0;
    data.edges()[0].diameter = 0.2;
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, AddNetwork(&db_, L"tracciato", std::make_unique<TzRvnNetwork>(data), id));
    const AcDbObjectId title = addTitleBlock(L"tracciato", L"P1-P2");
    const AcDbObjectId grade = addGradeLine({{0.0, 0.0, 0.0}, {25.0, -1.0, 0.0}});
    const std::vector<SeenVertex> vertices = pipeVertices(runExpectingPipe({handleOf(title), L"", handleOf(grade)}));
    ASSERT_EQ(vertices.size(), 2u);
    // Diameters in metres: the settings of a new network.
    expectVertex(vertices[0], 0.0, 0.0,
                 std::vector<double>{0.0, 0.0, 25.0, 0.2, 0.0, 0.0, NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT},
                 "start");
    expectVertex(vertices[1], 25.0, -1.0, kClosing, "end");
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(
        L"ATTENZIONE! Se e' stata modificata la lunghezza di uno dei rami e' necessario riestrarre il profilo"));
}

TEST_F(PipeOnProfile, TheGradeLineRefusalsAreSaidAndAskAgainAndCancellingChangesNothing) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    const AcDbObjectId openLightweight = addLightweight(false);
    const AcDbObjectId closedLightweight = addLightweight(true);
    const AcDbObjectId line = append(new AcDbLine({0.0, 90.0, 0.0}, {5.0, 90.0, 0.0}));
    const AcDbObjectId closed = addGradeLine({{100.0, 50.0, 0.0}, {170.0, 44.0, 0.0}, {170.0, 60.0, 0.0}}, true);
    const AcDbObjectId fitted =
        addGradeLine({{100.0, 50.0, 0.0}, {130.0, 47.0, 0.0}, {170.0, 44.0, 0.0}}, false, AcDb::k2dFitCurvePoly);
    const AcDbObjectId spline =
        addGradeLine({{100.0, 50.0, 0.0}, {130.0, 47.0, 0.0}, {170.0, 44.0, 0.0}}, false, AcDb::k2dCubicSplinePoly);
    const std::wstring said =
        runExpectingNothing({handleOf(title), L"", handleOf(openLightweight), handleOf(closedLightweight),
                             handleOf(line), handleOf(closed), handleOf(fitted), handleOf(spline), L"*Cancel*"});
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
        const std::size_t at = said.find(message, from);
        ASSERT_NE(at, std::wstring::npos) << "missing in order: " << rvnos::toUtf8(message);
        from = at + message.size();
    }
}

TEST_F(PipeOnProfile, TheTitleBlockPickPassesOverOtherEntitiesAndStopsAtAnotherBlock) {
    const AcDbObjectId line = append(new AcDbLine({0.0, 90.0, 0.0}, {5.0, 90.0, 0.0}));
    const AcDbObjectId other = addTitleBlock(L"rete", L"A-B-C", L"ALTRO");
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {170.0, 44.0, 0.0}});
    // The line is passed over silently; the other block ends the command before the grade line.
    const std::wstring said = runExpectingNothing({handleOf(line), handleOf(other), handleOf(grade)}, 1);
    EXPECT_EQ(said, L"\nL'entita' non e' un cartiglio profilo");
}

TEST_F(PipeOnProfile, CancellingAtEitherPromptChangesNothing) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    // The host notes the cancel; the command itself says nothing.
    EXPECT_EQ(runExpectingNothing({L"*Cancel*"}), L"\n*Cancel*");
    rvnhost::Transcript::instance().clear();
    EXPECT_EQ(runExpectingNothing({handleOf(title), L"*Cancel*"}), L"\n*Cancel*");
}

TEST_F(PipeOnProfile, AMissingNetworkEndsSilentlyAndAMissingDictionaryIsSaid) {
    const AcDbObjectId elsewhere = addTitleBlock(L"altra", L"A-B-C");
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {170.0, 44.0, 0.0}});
    EXPECT_EQ(runExpectingNothing({handleOf(elsewhere), handleOf(grade)}, 1), L"");
    {
        TzRvnOpenObject<AcDbDictionary> named;
        ASSERT_EQ(named.take(db_.getNamedObjectsDictionary(named.slot(), AcDb::kForWrite)), Acad::eOk);
        ASSERT_EQ(named->remove(L"TZ-RVN"), Acad::eOk);
    }
    network_ = AcDbObjectId();
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C", L"TZ-RR2");
    EXPECT_EQ(runExpectingNothing({handleOf(title), handleOf(grade)}, 1), L"\nNon esite il dizionario dell'applicazione");
}

TEST_F(PipeOnProfile, AProfileWithoutBranchesAndAGradeLineMissingAVerticalDrawNothing) {
    const AcDbObjectId unjoined = addTitleBlock(L"rete", L"A-C");
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {170.0, 44.0, 0.0}});
    EXPECT_EQ(runExpectingNothing({handleOf(unjoined), handleOf(grade)}, 1),
              L"\nNessun ramo della rete unisce i nodi del profilo");
    rvnhost::Transcript::instance().clear();
    // A vertical grade line is parallel to every vertical: the end of A-B is never reached.
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C", L"TZ-RR2");
    const AcDbObjectId vertical = addGradeLine({{100.0, 50.0, 0.0}, {100.0, 40.0, 0.0}});
    EXPECT_EQ(runExpectingNothing({handleOf(title), handleOf(vertical)}),
              L"\nLa livelletta non raggiunge la verticale del nodo: tubazione non creata B");
}

TEST_F(PipeOnProfile, TheTitleBlockThatTheProfileDrawingInsertsIsFoundAgain) {
    rvntest::addBlock(db_, L"TZ-FINATT");
    rvntest::addBlock(db_, L"TZ-FINOBJ");
    rvntest::addRecord<AcDbTextStyleTable>(db_, new AcDbTextStyleTableRecord, L"TZ-CART");
    TzRvnTitleBlock profile;
    profile.number = 3;
    profile.width = 70.0;
    profile.minimumHeight = 10.0;
    profile.row1 = L"rete";
    profile.row2 = L"A-B-C";
    profile.row5 = 1000.0;
    profile.row6 = 100.0;
    AcGePoint3d at;
    std::wstring handle;
    {
        TzRvnAskNextTitleBlockPoint();
        rvntest::QueuedInput input({L"100,30"});
        ASSERT_EQ(InsertTitleBlock(profile, at, handle), 1) << rvnos::toUtf8(shown());
    }
    ASSERT_FALSE(handle.empty());
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {130.0, 47.0, 0.0}, {170.0, 44.0, 0.0}});
    const std::vector<SeenVertex> vertices = pipeVertices(runExpectingPipe({L"#" + handle, handleOf(grade)}));
    ASSERT_EQ(vertices.size(), 3u);
    expectVertex(vertices[0], 100.0, 50.0, kBranchAB, "start");
    expectVertex(vertices[1], 130.0, 47.0, kBranchBC, "boundary");
    expectVertex(vertices[2], 170.0, 44.0, kClosing, "end");
}

// The command as the host calls it, through the plug-in's command table.
class TubaRetCommand : public pipetest::PipeOnProfileTest {
protected:
    void SetUp() override {
        PipeOnProfileTest::SetUp();
        acDocManagerPtr()->appContextNewDocument(nullptr);
        StartDocumentStates();
        drawing_ = std::make_unique<rvntest::WorkingDatabase>(&db_);
    }
    void TearDown() override {
        drawing_.reset();
        StopDocumentStates();
        AcApDocManager* manager = acDocManagerPtr();
        while (manager->curDocument()) manager->closeDocument(manager->curDocument());
        PipeOnProfileTest::TearDown();
    }
    std::unique_ptr<rvntest::WorkingDatabase> drawing_;
};

TEST_F(TubaRetCommand, DrawsThePipeOnTheLayerOfPipes) {
    const AcDbObjectId title = addTitleBlock(L"rete", L"A-B-C");
    const AcDbObjectId grade = addGradeLine({{100.0, 50.0, 0.0}, {130.0, 47.0, 0.0}, {170.0, 44.0, 0.0}});
    const pipetest::DrawingState before = state();
    rvntest::QueuedInput input({handleOf(title), handleOf(grade)});
    TubaRet();
    EXPECT_FALSE(input.ranOut());
    const std::vector<AcDbObjectId> added = addedSince(before);
    ASSERT_EQ(added.size(), 1u) << rvnos::toUtf8(shown());
    EXPECT_EQ(layerOf(added.front()), L"TUBAZIONI");
    const std::vector<SeenVertex> vertices = pipeVertices(added.front());
    ASSERT_EQ(vertices.size(), 3u);
    expectVertex(vertices[1], 130.0, 47.0, kBranchBC, "boundary");
}

}  // namespace
