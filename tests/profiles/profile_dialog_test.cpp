// ProfRet and its dialog "Crea Profili": the network asked, the lists filled from the schema, the
// profiles composed by double clicks, the current profile chosen by its row number, the reset of
// its last node, and the figures of the current profile. Picking a profile in the drawing with the
// dialog closed: nodes recognised by their insertion point or an attribute's, joined to the last node
// by a branch, shown by a temporary polyline that is erased afterwards; Return and Cancel keep the
// nodes picked, a failed start ends the command with the drawing as it was.
#include "profile_fixture.h"

#include "afx_dialog.h"
#include "afx_grid.h"
#include "presentation_hooks.h"
#include "ucs.h"

namespace {

using profiletest::ProfileTest;
using Names = std::vector<std::wstring>;

// The dialog on the drawn network.
class ProfileDialog : public ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        drawNetwork();
    }
};

std::wstring fields(const wchar_t* length, const wchar_t* maximum, const wchar_t* minimum) {
    return std::wstring(L"closed with OK: 9022 Lunghezza profilo [ m ]=\"") + length +
           L"\"; 9036 Quota massima [ m ]=\"" + maximum + L"\"; 9037 Quota minima [ m ]=\"" + minimum + L"\"";
}

TEST_F(ProfileDialog, TheDialogListsTheNodesOfTheSchemaUnderItsTitles) {
    addNode(L"F", {400.0, 0.0, 3.0});  // drawn after the network was last read
    EXPECT_TRUE(profRet({L"rete", L"click 1"}));
    const auto nodes = gridCells(9043);
    ASSERT_EQ(nodes.size(), 30u);
    EXPECT_EQ(nodes[0], (Names{L"N.", L"Nn"}));
    for (std::size_t row = 1; row <= 6; ++row) EXPECT_EQ(rowOf(9043, row), Names{std::wstring(1, L"ABCDEF"[row - 1])});
    EXPECT_EQ(gridCells(9044)[0], (Names{L"N.", L"Np", L"Na"}));
    EXPECT_TRUE(said(fields(L"", L"", L"")));
}

TEST_F(ProfileDialog, DoubleClicksComposeAProfileAcrossBranchesInEitherDirection) {
    // A to B, then B's branches: A-B, B-C and D-B (drawn from D); across D-B to D, then D-E to E.
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"dblclick 9044 3 1",
                         L"dblclick 9044 2 2", L"click 1"}));
    EXPECT_EQ(rowOf(9044, 1), (Names{L"D", L"E"}));
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"A", L"B", L"D", L"E"}}));
    EXPECT_TRUE(said(fields(L"300.00", L"30.00", L"-10000000000.00")));  // E's head is not calculated
}

TEST_F(ProfileDialog, TheCurrentProfileIsChosenByItsRowNumberOnly) {
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"dblclick 9043 3 1",
                         L"cell 9045 1 2",                          // a node's cell: profile 2 stays current
                         L"cell 9045 1 0", L"dblclick 9044 2 1",    // profile 1 extended from B to C
                         L"click 1"}));
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"A", L"B", L"C"}, {L"C"}}));
    EXPECT_TRUE(said(fields(L"150.00", L"30.00", L"8.00")));

    // The number of a row without a profile changes nothing: the branch still extends profile 1.
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"cell 9045 5 0", L"dblclick 9044 1 1", L"click 1"}));
    EXPECT_EQ(rowOf(9045, 1), (Names{L"A", L"B"}));
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"A", L"B"}}));
}

TEST_F(ProfileDialog, ResetTakesTheLastNodeOffAndTheOnlyNodeTakesTheRowAway) {
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"dblclick 9044 2 1",
                         L"click 9054", L"click 1"}));
    EXPECT_EQ(rowOf(9044, 3), (Names{L"D", L"B"}));  // B's branches listed again
    EXPECT_TRUE(said(fields(L"100.00", L"30.00", L"8.00")));
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"A", L"B"}}));

    // Profiles A and C; A made current and reset: its row goes, C moves up, the rows are numbered
    // again; a further reset has no column to empty.
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9043 3 1", L"cell 9045 1 0", L"click 9054",
                         L"click 9054", L"click 1"}));
    const auto composition = gridCells(9045);
    ASSERT_EQ(composition.size(), 29u);
    EXPECT_EQ(composition[28][0], L"28");
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"C"}}));
    EXPECT_TRUE(said(fields(L"", L"", L"")));
}

TEST_F(ProfileDialog, ALongProfileGetsMoreColumns) {
    std::vector<std::wstring> actions{L"rete", L"dblclick 9043 1 1"};
    for (int i = 0; i < 10; ++i) actions.push_back(L"dblclick 9044 1 1");  // A, B, A, B ... across A-B
    actions.push_back(L"click 1");
    EXPECT_TRUE(profRet(actions));
    const auto composition = gridCells(9045);
    ASSERT_EQ(composition[0].size(), 13u);
    EXPECT_EQ(composition[1][11], L"A");
}

TEST_F(ProfileTest, TheNetworkPromptTheDictionaryAndANewRun) {
    EXPECT_TRUE(profRet({L"rete", L"click 1"}));
    EXPECT_TRUE(said(L"\nNon esite il dizionario dell'applicazione"));
    drawNetwork();
    const auto before = modelSpaceEntities();
    EXPECT_TRUE(profRet({L"esc"}));
    EXPECT_TRUE(said(L"\nImpossibile leggere il prompt"));
    EXPECT_FALSE(said(L"Crea Profili"));
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"click 1"}));
    EXPECT_TRUE(profRet({L"altra", L"dblclick 9043 1 1", L"click 1"}));  // no such network: empty lists
    EXPECT_TRUE(ProfileList().empty());
    EXPECT_EQ(rowOf(9043, 1), Names{});
    EXPECT_EQ(modelSpaceEntities(), before);  // OK drops the profiles and draws nothing
}

TEST_F(ProfileDialog, TheGridsArePlacedByFractionsOfTheDialogAndReadOnly) {
    bool looked = false;
    const rvnhost::ModalLoop before = rvnhost::setModalLoop([&](CDialog& dialog) {
        looked = true;
        RECT area{};
        dialog.GetWindowRect(&area);
        const double width = area.right - area.left;
        const double height = area.bottom - area.top;
        const std::pair<int, std::pair<double, double>> places[] = {
            {9043, {0.015, 0.846}}, {9044, {0.168, 0.624}}, {9045, {0.39, 0.015}}};
        for (const auto& [id, margins] : places) {
            auto* grid = static_cast<CGridCtrl*>(dialog.GetDlgItem(id));
            RECT place{};
            grid->GetWindowRect(&place);
            EXPECT_NEAR(place.left, margins.first * width, 1.0) << id;
            EXPECT_NEAR(place.right, width - margins.second * width, 1.0) << id;
            EXPECT_NEAR(place.top, 0.075 * height, 1.0) << id;
            EXPECT_NEAR(place.bottom, height - 0.217 * height, 1.0) << id;
            EXPECT_FALSE(grid->IsEditable()) << id;
        }
        dialog.EndDialog(IDOK);
    });
    EXPECT_TRUE(profRet({L"rete"}));
    rvnhost::setModalLoop(before);
    EXPECT_TRUE(looked);
}

using profiletest::kA;
using profiletest::kB;
using profiletest::kC;
using profiletest::kD;

constexpr wchar_t kOpened[] = L"Dialog \"Crea Profili\" (9071) opened";

class ProfilePickTest : public ProfileDialog {
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
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 3 1", L"click 9055", typed(kB), typed(kD), L"esc", L"click 1"}));
    EXPECT_FALSE(said(L"\nSalvo il profilo"));
    EXPECT_EQ(rowOf(9045, 2), (Names{L"B", L"D"}));
    EXPECT_EQ(rowOf(9044, 1), (Names{L"D", L"B"}));  // the branches at the last node listed
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"C"}, {L"B", L"D"}}));
}

TEST_F(ProfilePickTest, AFailedStartEndsTheCommandAndLeavesTheDrawingAsItWas) {
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
    ASSERT_TRUE(rvnhost::setCurrentUcs({100.0, 0.0, 0.0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis));
    EXPECT_TRUE(profRet({L"rete", L"click 9055", L"0,0,8", L"100,0,5", L"", L"click 1"}));  // B and D
    EXPECT_EQ(rowOf(9045, 1), (Names{L"B", L"D"}));
}

}  // namespace
