// "Disegna cartigli": every composed profile drawn under its title block, measured along the schema
// or by the branches' lengths; the terrain and head lines and the section marks in numbers; the
// refusals (a profile drawn already, a node name with "-", the title block's point not given)
// leaving the drawing as it was; and what the drawing of profiles reads from the drawing: the next
// title block number, a key drawn already, the schema's polylines walked from a node, the margin.
// The section marks of a profile: one anonymous block a node, with its vertical, its terrain point
// and its upright label, inserted with the extended data that name the node; a refused entity ends
// the marks and leaves no half-made block behind.
#include "drawn_profile.h"
#include "profile_fixture.h"

#include "dbline.h"
#include "dbpoint.h"
#include "dbtext.h"
#include "host/resbuf_list.h"
#include "profiles/profile_drawing_lookup.h"
#include "profiles/profile_sections.h"
#include "schema/block_entities.h"
#include "profiles/profile_schema_walk.h"
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
    if (!alongSchema) {
        TzRvnOpenObject<TzRvnNetwork> network;
        ASSERT_EQ(Acad::eOk, OpenNetwork(&db_, L"rete", AcDb::kForWrite, network));
        network->workingData(AcDb::kForWrite)->setHasSchema(false);
    }
    ASSERT_TRUE(rvnhost::setCurrentUcs({ucsX, 0.0, 0.0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis));
    EXPECT_TRUE(profRet(kDrawABC)) << rvnos::toUtf8(all());
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

using ProfileLookupTest = ProfileTest;

// The next title number follows the largest numbered title block; a key is drawn only under a
// title block's OBJ2.
TEST_F(ProfileLookupTest, TitleBlocksGiveTheNextNumberAndTheKeysDrawn) {
    EXPECT_EQ(NextTitleNumber(&db_), 1);
    for (const wchar_t* name : {L"TZ-RR7b", L"TZ-RRX12", L"TZ-R19"}) rvntest::addBlock(db_, name);
    EXPECT_EQ(NextTitleNumber(&db_), 8);  // "TZ-RR7b" counts as 7; "TZ-RRX12" and "TZ-R19" are not numbered
    addTitleBlock(L"A-B-C", L"A-B", L"ALTRO");
    EXPECT_FALSE(ProfileKeyDrawn(&db_, L"A-B"));
    addTitleBlock(L"A-B-C", L"A-B", L"TZ-RR3");
    EXPECT_TRUE(ProfileKeyDrawn(&db_, L"A-B"));
    EXPECT_FALSE(ProfileKeyDrawn(&db_, L"A-B-C"));
}

// The drawing tests draw with a margin of 5.
TEST_F(ProfileLookupTest, TheMarginIsTheRealOfTzdisqrElseZero) {
    EXPECT_EQ(ProfileMargin(), 0.0);
    rvnhost::putLispString(L"TZDISQR", L"5.0");
    EXPECT_EQ(ProfileMargin(), 0.0);
}

TEST_F(ProfileLookupTest, APolylineIsWalkedFromTheLegsFirstNode) {
    drawNetwork();
    TzRvnNetworkData data;
    {
        TzRvnOpenObject<TzRvnNetwork> network;
        ASSERT_EQ(Acad::eOk, OpenNetwork(&db_, L"rete", AcDb::kForRead, network));
        data = network->data();
    }
    std::vector<TzRvnProfileLeg> legs = ProfileLegs(data, {L"A", L"B", L"D"});  // D-B drawn from D
    ASSERT_EQ(legs.size(), 2u);
    ASSERT_TRUE(WalkLegsAlongSchema(legs));
    ASSERT_EQ(legs[1].vertices.size(), 2u);
    EXPECT_EQ(legs[1].vertices[0].x, profiletest::kB.x);
    EXPECT_EQ(legs[1].vertices[1].x, profiletest::kD.x);
    EXPECT_EQ(legs[0].vertices[0].z, profiletest::kA.z);

    legs[0].branch.entityId = legs[0].from.entityId;  // a node's reference is no polyline
    EXPECT_FALSE(WalkLegsAlongSchema(legs));
    EXPECT_TRUE(said(L"\nImpossibile aprire la polilinea"));
}

constexpr double kTolerance = 1e-9;

class ProfileSectionsTest : public ProfileDrawingTest {
protected:
    // The entities of the reference's block, by kind.
    template <class T>
    std::vector<AcDbObjectId> inBlock(AcDbObjectId reference) {
        TzRvnOpenObject<AcDbBlockReference> insert(reference, AcDb::kForRead);
        std::vector<AcDbObjectId> ids, found;
        EXPECT_TRUE(BlockEntityIds(insert->blockTableRecord(), ids));
        for (AcDbObjectId id : ids) {
            if (TzRvnOpenObject<T>(id, AcDb::kForRead).isOpen()) found.push_back(id);
        }
        return found;
    }
    // The items of the reference's extended data of "TZ-TOZARI-TZ-RR", as text.
    std::vector<std::wstring> xdataOf(AcDbObjectId reference) {
        TzRvnOpenObject<AcDbBlockReference> insert(reference, AcDb::kForRead);
        TzRvnResbufList data(insert->xData(L"TZ-TOZARI-TZ-RR"));
        std::vector<std::wstring> items;
        for (const resbuf* item = data.get(); item != nullptr; item = item->rbnext) {
            std::wstring value = item->restype == 1070 ? std::to_wstring(item->resval.rint) : std::wstring(item->resval.rstring);
            items.push_back(std::to_wstring(item->restype) + L" " + value);
        }
        return items;
    }
};

TEST_F(ProfileSectionsTest, EachSectionIsAnAnonymousBlockWithItsVerticalPointAndLabel) {
    const std::vector<TzRvnProfileSection> sections{{{10.0, 5.0}, {0.0, -2.0}, 1000.0, 100.0, L"N1"},
                                                    {{40.0, 3.0}, {0.0, -2.0}, 1000.0, 100.0, L"N2"}};
    ASSERT_TRUE(DrawProfileSections(sections));
    const std::vector<AcDbObjectId> marks = entitiesOf<AcDbBlockReference>();
    ASSERT_EQ(marks.size(), 2u);
    TzRvnOpenObject<AcDbBlockReference> first(marks[0], AcDb::kForRead);
    EXPECT_TRUE(first->position().isEqualTo({10.0, 5.0, 0.0}));
    EXPECT_EQ(LayerName(first->layerId()), L"SEZIONI");
    EXPECT_NE(first->blockTableRecord(), TzRvnOpenObject<AcDbBlockReference>(marks[1], AcDb::kForRead)->blockTableRecord());
    first.close();
    EXPECT_EQ(xdataOf(marks[1]),
              (std::vector<std::wstring>{L"1001 TZ-TOZARI-TZ-RR", L"1070 210", L"1000 N2", L"1000 ", L"1005 0"}));

    const auto lines = inBlock<AcDbLine>(marks[0]);
    ASSERT_EQ(lines.size(), 1u);
    TzRvnOpenObject<AcDbLine> line(lines[0], AcDb::kForRead);
    EXPECT_TRUE(line->startPoint().isEqualTo({10.0, 5.0, 0.0}));
    EXPECT_TRUE(line->endPoint().isEqualTo({10.0, -2.0, 0.0}));  // down to the profile's base line
    EXPECT_EQ(LayerName(line->layerId()), L"TZ-LL-SEZIONI");
    const auto points = inBlock<AcDbPoint>(marks[0]);
    ASSERT_EQ(points.size(), 1u);
    TzRvnOpenObject<AcDbPoint> point(points[0], AcDb::kForRead);
    EXPECT_TRUE(point->position().isEqualTo({10.0, 5.0, 0.0}));
    EXPECT_EQ(LayerName(point->layerId()), L"TZ-LQ-TERRENO");
    const auto texts = inBlock<AcDbText>(marks[0]);
    ASSERT_EQ(texts.size(), 1u);
    TzRvnOpenObject<AcDbText> text(texts[0], AcDb::kForRead);
    EXPECT_EQ(std::wstring(text->textStringConst()), L"N1");
    EXPECT_NEAR(text->height(), 1.0, kTolerance);
    EXPECT_NEAR(text->rotation(), 1.57075, kTolerance);
    EXPECT_TRUE(text->position().isEqualTo({10.0, 5.0, 0.0}));
    EXPECT_EQ(LayerName(text->layerId()), L"SEZIONI-NP");
}

// The next marks are blocks of their own, their labels TZRRHTES high scaled by the horizontal scale.
TEST_F(ProfileSectionsTest, ARefusedLabelEndsTheMarksAndTheNextOnesAreTheirOwn) {
    {
        AcDbDatabase bare(false, true);  // without the text style STANDARD
        rvntest::WorkingDatabase working(&bare);
        EXPECT_FALSE(DrawProfileSections({{{1.0, 1.0}, {0.0, 0.0}, 1000.0, 100.0, L"N1"},
                                          {{2.0, 1.0}, {0.0, 0.0}, 1000.0, 100.0, L"N2"}}));
    }
    EXPECT_EQ(count(L"\nRvn-Impossibile scrivere il nome della sezione di profilo"), 1);  // N2 not tried
    EXPECT_FALSE(said(L"\nRvn-Impossibile chiudere il blocco anonimo"));
    putReal(L"TZRRHTES", 2.5);
    ASSERT_TRUE(DrawProfileSections({{{5.0, 1.0}, {0.0, 0.0}, 500.0, 100.0, L"N3"}}));
    ASSERT_EQ(entitiesOf<AcDbBlockReference>().size(), 1u);
    EXPECT_EQ(inBlock<AcDbEntity>(entitiesOf<AcDbBlockReference>()[0]).size(), 3u);  // nothing of the refused one
    TzRvnOpenObject<AcDbText> text(inBlock<AcDbText>(entitiesOf<AcDbBlockReference>()[0]).at(0), AcDb::kForRead);
    EXPECT_NEAR(text->height(), 1.25, kTolerance);
    EXPECT_NEAR(text->widthFactor(), 0.2, kTolerance);
}

}  // namespace
