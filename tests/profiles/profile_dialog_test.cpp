// ProfRet and its dialog "Crea Profili": the network asked, the lists filled from the schema, the
// profiles composed by double clicks, the current profile chosen by its row number, the reset of
// its last node, and the figures of the current profile.
#include "profile_fixture.h"

#include "afx_dialog.h"
#include "afx_grid.h"
#include "presentation_hooks.h"

namespace {

using profiletest::ProfileTest;
using Names = std::vector<std::wstring>;

std::wstring fields(const wchar_t* length, const wchar_t* maximum, const wchar_t* minimum) {
    return std::wstring(L"closed with OK: 9022 Lunghezza profilo [ m ]=\"") + length +
           L"\"; 9036 Quota massima [ m ]=\"" + maximum + L"\"; 9037 Quota minima [ m ]=\"" + minimum + L"\"";
}

TEST_F(ProfileTest, TheDialogListsTheNodesOfTheSchemaUnderItsTitles) {
    drawNetwork();
    addNode(L"F", {400.0, 0.0, 3.0});  // drawn after the network was last read
    EXPECT_TRUE(profRet({L"rete", L"click 1"}));
    const auto nodes = gridCells(9043);
    ASSERT_EQ(nodes.size(), 30u);
    EXPECT_EQ(nodes[0], (Names{L"N.", L"Nn"}));
    for (std::size_t row = 1; row <= 6; ++row) EXPECT_EQ(rowOf(9043, row), Names{std::wstring(1, L"ABCDEF"[row - 1])});
    EXPECT_EQ(gridCells(9044)[0], (Names{L"N.", L"Np", L"Na"}));
    EXPECT_TRUE(said(fields(L"", L"", L"")));
}

TEST_F(ProfileTest, DoubleClicksComposeAProfileAcrossBranchesInEitherDirection) {
    drawNetwork();
    // A to B, then B's branches: A-B, B-C and D-B (drawn from D); across D-B to D, then D-E to E.
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"dblclick 9044 3 1",
                         L"dblclick 9044 2 2", L"click 1"}));
    EXPECT_EQ(rowOf(9044, 1), (Names{L"D", L"E"}));
    EXPECT_EQ(ProfileList(), (std::vector<ProfileChain>{{L"A", L"B", L"D", L"E"}}));
    EXPECT_TRUE(said(fields(L"300.00", L"30.00", L"-10000000000.00")));  // E's head is not calculated
}

TEST_F(ProfileTest, TheCurrentProfileIsChosenByItsRowNumberOnly) {
    drawNetwork();
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

TEST_F(ProfileTest, ResetTakesTheLastNodeOffAndTheOnlyNodeTakesTheRowAway) {
    drawNetwork();
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

TEST_F(ProfileTest, ALongProfileGetsMoreColumns) {
    drawNetwork();
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

TEST_F(ProfileTest, TheGridsArePlacedByFractionsOfTheDialogAndReadOnly) {
    drawNetwork();
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

}  // namespace
