// Picking a profile in the drawing with the dialog closed: nodes recognised by their insertion
// point or an attribute's, joined to the last node by a branch, shown by a temporary polyline that
// is erased afterwards; Return and Cancel keep the nodes picked, a failed start ends the command
// with the drawing as it was.
#include "profile_fixture.h"

#include "ucs.h"

namespace {

using profiletest::kA;
using profiletest::kB;
using profiletest::kC;
using profiletest::kD;
using profiletest::ProfileTest;
using Names = std::vector<std::wstring>;

constexpr wchar_t kOpened[] = L"Dialog \"Crea Profili\" (9071) opened";

class ProfilePickTest : public ProfileTest {
protected:
    // The vertices of the 3D polylines made since the handle seed was at `seed`, all of which must
    // be erased again: what a picking leaves behind of its trace.
    std::vector<AcGePoint3d> erasedTraceVertices(std::uint64_t seed) {
        std::vector<AcGePoint3d> points;
        for (std::uint64_t handle = seed; handle < db_.handseed().value(); ++handle) {
            AcDbObjectId id;
            if (db_.getAcDbObjectId(id, false, AcDbHandle(handle)) != Acad::eOk) continue;
            TzRvnOpenObject<AcDb3dPolyline> polyline(id, AcDb::kForRead, true);
            TzRvnOpenObject<AcDb3dPolylineVertex> vertex(id, AcDb::kForRead, true);
            if (polyline.isOpen() || vertex.isOpen()) {
                EXPECT_TRUE(id.isErased()) << "handle " << handle;
            }
            if (vertex.isOpen()) points.push_back(vertex->position());
        }
        return points;
    }
};

TEST_F(ProfilePickTest, APickedChainIsListedInANewDialogAndItsTraceErased) {
    drawNetwork();
    const auto before = modelSpaceEntities();
    const std::uint64_t seed = db_.handseed().value();
    EXPECT_TRUE(profRet({L"rete", L"click 9055", typed(kA),
                         typed(kC),  // C is not joined to A
                         L"0,0,0 no", typed(kB), L"", L"click 1"}));
    EXPECT_TRUE(said(L"\nRipetere la selezione"));
    EXPECT_TRUE(said(L"\nPunto NON valido: ripeti la selezione"));
    EXPECT_TRUE(said(L"\nSalvo il profilo"));
    EXPECT_EQ(count(kOpened), 2);
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"A", L"B"}}));
    EXPECT_EQ(modelSpaceEntities(), before);
    const std::vector<AcGePoint3d> trace = erasedTraceVertices(seed);
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_TRUE(trace[0].isEqualTo(kA));
    EXPECT_TRUE(trace[1].isEqualTo(kB));
}

TEST_F(ProfilePickTest, AnAttributesInsertionPointPicksItsNode) {
    drawNetwork();
    const std::wstring onB = attributePointOf(1);
    const std::wstring onD = attributePointOf(3);
    ASSERT_NE(onB, typed(kB));
    const std::uint64_t seed = db_.handseed().value();
    EXPECT_TRUE(profRet({L"rete", L"click 9055", onB, onD, L"", L"click 1"}));
    EXPECT_EQ(rowOf(9045, 1), (Names{L"B", L"D"}));
    const std::vector<AcGePoint3d> trace = erasedTraceVertices(seed);
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_TRUE(trace[1].isEqualTo(kD));  // the node's insertion point, not the attribute's
}

TEST_F(ProfilePickTest, CancelLaterKeepsTheNodesAndEarlierProfilesAreListedAgain) {
    drawNetwork();
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 3 1", L"click 9055", typed(kB), typed(kD), L"esc", L"click 1"}));
    EXPECT_FALSE(said(L"\nSalvo il profilo"));
    EXPECT_EQ(rowOf(9045, 2), (Names{L"B", L"D"}));
    EXPECT_EQ(rowOf(9044, 1), (Names{L"D", L"B"}));  // the branches at the last node listed
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"C"}, {L"B", L"D"}}));
}

TEST_F(ProfilePickTest, AFailedStartEndsTheCommandAndLeavesTheDrawingAsItWas) {
    drawNetwork();
    const auto before = modelSpaceEntities();
    const std::uint64_t seed = db_.handseed().value();
    for (const wchar_t* answer : {L"esc", L"", L"altro"}) {
        rvnhost::Transcript::instance().clear();
        EXPECT_TRUE(profRet({L"rete", L"click 9055", answer}));
        EXPECT_TRUE(said(L"\nPunto NON valido: ripeti la selezione")) << rvnos::toUtf8(answer);
        EXPECT_EQ(count(kOpened), 1);
    }
    rvnhost::Transcript::instance().clear();
    EXPECT_TRUE(profRet({L"rete", L"click 9055", L"50,50"}));  // no node there
    EXPECT_EQ(count(kOpened), 1);
    EXPECT_TRUE(ProfileList().empty());
    EXPECT_EQ(modelSpaceEntities(), before);
    EXPECT_TRUE(erasedTraceVertices(seed).empty());
}

TEST_F(ProfilePickTest, PointsAreTypedInTheUserCoordinateSystem) {
    drawNetwork();
    ASSERT_TRUE(rvnhost::setCurrentUcs({100.0, 0.0, 0.0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis));
    EXPECT_TRUE(profRet({L"rete", L"click 9055", L"0,0,8", L"100,0,5", L"", L"click 1"}));  // B and D
    rvnhost::setWorldUcs();
    EXPECT_EQ(rowOf(9045, 1), (Names{L"B", L"D"}));
}

}  // namespace
