// "Disegna cartigli": every composed profile drawn under its title block, measured along the schema
// or by the branches' lengths; the terrain and head lines and the section marks in numbers; the
// refusals (a profile drawn already, a node name with "-", the title block's point not given)
// leaving the drawing as it was.
#include "drawn_profile.h"
#include "profile_fixture.h"

#include "profiles/profile_drawing_lookup.h"
#include "table_records.h"
#include "ucs.h"


namespace {

using profiletest::ProfileTest;
using Points = std::vector<std::pair<double, double>>;

class ProfileDrawingTest : public ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        addTitleBlockDefinitions();
        putReal(L"TZDISQR", 5.0);
    }
    void TearDown() override {
        for (const wchar_t* name : {L"TZDISQR", L"TZCARHTES"}) putNil(name);
        ProfileTest::TearDown();
    }
    void dropSchema() {
        TzRvnOpenObject<TzRvnNetwork> network;
        ASSERT_EQ(Acad::eOk, OpenNetwork(&db_, L"rete", AcDb::kForWrite, network));
        network->workingData(AcDb::kForWrite)->setHasSchema(false);
    }

    profiletest::DrawnProfile drawn() { return profiletest::ReadDrawnProfile(modelSpaceEntities()); }
    static void expectPoints(const std::vector<AcGePoint3d>& actual, const Points& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(actual[i].x, expected[i].first, 1e-9) << "point " << i;
            EXPECT_NEAR(actual[i].y, expected[i].second, 1e-9) << "point " << i;
        }
    }
};

// A-B-C composed by double clicks, drawn with the title block at (1000,1000). The extremes are B's
// elevation 8 and A's head 30; with the margin 5 the reference elevation is 3.
const std::vector<std::wstring> kDrawABC{L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"dblclick 9044 2 1",
                                         L"click 9056", L"1000,1000"};

// Along the schema B lies 100 m on, its plan distance, over A-B's recorded length 120, which a
// network without schema takes; under a UCS the profile starts at its title block's WCS point.
struct Measured {
    bool alongSchema;
    double ucsX;  // the UCS's origin along X
};

class ProfileMeasuredTest : public ProfileDrawingTest, public ::testing::WithParamInterface<Measured> {};

TEST_P(ProfileMeasuredTest, TheLinesAndMarksFollowTheMeasure) {
    const auto [alongSchema, ucsX] = GetParam();
    drawNetwork(120.0);
    if (!alongSchema) dropSchema();
    ASSERT_TRUE(rvnhost::setCurrentUcs({ucsX, 0.0, 0.0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis));
    const bool played = profRet(kDrawABC);
    rvnhost::setWorldUcs();
    EXPECT_TRUE(played) << rvnos::toUtf8(all());
    const profiletest::DrawnProfile profile = drawn();
    ASSERT_EQ(profile.titles.size(), 1u);
    const profiletest::DrawnTitle& title = profile.titles[0];
    EXPECT_EQ(title.block + L" " + title.row(L"OBJ1") + L" " + title.row(L"OBJ2"), L"TZ-RR1 rete A-B-C");
    const double a = 1000.0 + ucsX;
    EXPECT_TRUE(title.at.isEqualTo({a, 1000.0, 0.0}));
    const double b = a + (alongSchema ? 100.0 : 120.0);
    ASSERT_EQ(profile.lines.at(3).size(), 1u);
    expectPoints(profile.lines.at(3)[0], {{a, 1007.0}, {b, 1005.0}, {b + 50.0, 1009.0}});
    ASSERT_EQ(profile.lines.at(4).size(), 1u);
    expectPoints(profile.lines.at(4)[0], {{a, 1027.0}, {b, 1025.0}, {b + 50.0, 1024.0}});
    const auto& sections = profile.sections;
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[1].first, L"B");
    EXPECT_TRUE(sections[1].second.isEqualTo({b, 1005.0, 0.0}));
    EXPECT_TRUE(sections[2].second.isEqualTo({b + 50.0, 1009.0, 0.0}));
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileMeasuredTest,
                         ::testing::Values(Measured{true, 0.0}, Measured{false, 0.0}, Measured{true, 500.0}));

TEST_F(ProfileDrawingTest, LaterTitleBlocksStackBelowAndAProfileDrawnBeforeIsRefused) {
    drawNetwork();
    // A-B and C-B, then A-B once more, in one run: the third is refused and ends the run.
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"dblclick 9043 3 1",
                         L"dblclick 9044 1 1", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"click 9056",
                         L"0,0"}));
    EXPECT_EQ(count(L"\nImpossibile inserire un cartiglio con lo stesso profilo"), 1);
    const auto titles = drawn().titles;
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].block + L" " + titles[1].row(L"OBJ2"), L"TZ-RR2 C-B");
    EXPECT_TRUE(titles[1].at.isEqualTo({0.0, -60.0, 0.0}));  // the first frame's height 50 and a gap of 10

    // A later run: the key drawn already is refused before anything is made.
    const auto before = modelSpaceEntities();
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 3 1", L"dblclick 9044 1 1", L"click 9056"}));
    EXPECT_EQ(count(L"\nImpossibile inserire un cartiglio con lo stesso profilo"), 2);
    EXPECT_EQ(modelSpaceEntities(), before);
    EXPECT_EQ(NextTitleNumber(&db_), 3);

    // Each run's first title block goes where the user picks, not below the last run's.
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 2 1", L"click 9056", L"500,500"}));
    const auto later = drawn().titles;
    ASSERT_EQ(later.size(), 3u);
    EXPECT_EQ(later[2].row(L"OBJ2"), L"B");
    EXPECT_TRUE(later[2].at.isEqualTo({500.0, 500.0, 0.0}));
}

TEST_F(ProfileDrawingTest, AOneNodeProfileDrawsItsTitleBlockAloneTwiceTheMarginHigh) {
    drawNetwork();
    putReal(L"TZCARHTES", 0.0);  // no lettering height: the frame is as high as the profile asks
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 2 1", L"dblclick 9043 3 1", L"click 9056", L"10,20"}));
    const profiletest::DrawnProfile profile = drawn();
    ASSERT_EQ(profile.titles.size(), 2u);
    EXPECT_EQ(profile.titles[0].row(L"OBJ2"), L"B");
    EXPECT_NEAR(profile.titles[1].at.y, 20.0 - (2 * 5.0 + 10.0), 1e-9);  // B's frame 2 x 5 high, then the gap
    EXPECT_TRUE(profile.sections.empty());
    EXPECT_EQ(profile.lines.count(3), 0u);
}

TEST_F(ProfileDrawingTest, ADashInANodeNameAndAPointNotGivenDrawNothing) {
    drawNetwork();
    addNode(L"F-1", {0.0, 100.0, 9.0});
    addBranch({profiletest::kA, {0.0, 100.0, 9.0}}, {100.0, 0.1, 0.0001, 0.0, L""});
    const auto before = modelSpaceEntities();
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 2 1", L"click 9056", L"ok"}));
    EXPECT_TRUE(said(L"Non sono ammessi - nei nomi dei nodi"));
    EXPECT_EQ(modelSpaceEntities(), before);

    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 1 1", L"dblclick 9044 1 1", L"click 9056", L"esc"}));
    EXPECT_EQ(modelSpaceEntities(), before);
}

}  // namespace
