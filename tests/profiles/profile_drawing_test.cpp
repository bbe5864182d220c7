// "Disegna cartigli": every composed profile drawn under its title block, measured along the schema
// or by the branches' lengths; the terrain and head lines and the section marks in numbers; the
// refusals (a profile drawn already, a node name with "-", the title block's point not given)
// leaving the drawing as it was.
#include "profile_fixture.h"

#include "db_entity_iterator.h"
#include "dbpl2d.h"
#include "host/resbuf_list.h"
#include "profiles/profile_drawing_lookup.h"
#include "table_records.h"
#include "ucs.h"

#include <memory>

namespace {

using profiletest::ProfileTest;
using Points = std::vector<std::pair<double, double>>;

class ProfileDrawingTest : public ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        rvntest::addBlock(db_, L"TZ-FINATT");
        rvntest::addBlock(db_, L"TZ-FINOBJ");
        rvntest::addRecord<AcDbTextStyleTable>(db_, new AcDbTextStyleTableRecord, L"TZ-CART");
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

    static std::wstring blockOf(const AcDbBlockReference& reference) {
        TzRvnOpenObject<AcDbBlockTableRecord> block(reference.blockTableRecord(), AcDb::kForRead);
        std::wstring name;
        if (block.isOpen()) block->getName(name);
        return name;
    }
    // The title blocks in model space: block name, insertion point and the attributes' texts.
    struct Title {
        std::wstring block;
        AcGePoint3d at;
        std::vector<TzRvnTaggedText> rows;
    };
    std::vector<Title> titles() {
        std::vector<Title> found;
        for (AcDbObjectId id : entitiesOf<AcDbBlockReference>()) {
            TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
            Title title{blockOf(*reference), reference->position(), {}};
            if (title.block.rfind(L"TZ-RR", 0) != 0) continue;
            EXPECT_TRUE(ReadAttributeTexts(*reference, title.rows));
            found.push_back(title);
        }
        return found;
    }
    // The section marks: the node named by each one's extended data, at its insertion point.
    std::vector<std::pair<std::wstring, AcGePoint3d>> marks() {
        std::vector<std::pair<std::wstring, AcGePoint3d>> found;
        for (AcDbObjectId id : entitiesOf<AcDbBlockReference>()) {
            TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
            TzRvnResbufList data(reference->xData(L"TZ-TOZARI-TZ-RR"));
            const resbuf* item = data.get();
            for (int skip = 0; item != nullptr && skip < 2; ++skip) item = item->rbnext;  // 1001, 1070
            if (item == nullptr || blockOf(*reference).rfind(L"*U", 0) != 0) continue;
            found.emplace_back(item->resval.rstring, reference->position());
        }
        return found;
    }
    // The vertices of the 2D polylines of that colour.
    std::vector<Points> lines(Adesk::UInt16 colour) {
        std::vector<Points> found;
        for (AcDbObjectId id : entitiesOf<AcDb2dPolyline>()) {
            TzRvnOpenObject<AcDb2dPolyline> line(id, AcDb::kForRead);
            if (line->colorIndex() != colour) continue;
            Points points;
            std::unique_ptr<AcDbObjectIterator> vertices(line->vertexIterator());
            for (vertices->start(); !vertices->done(); vertices->step()) {
                TzRvnOpenObject<AcDb2dVertex> vertex(vertices->objectId(), AcDb::kForRead);
                points.emplace_back(vertex->position().x, vertex->position().y);
            }
            found.push_back(points);
        }
        return found;
    }
    static void expectPoints(const Points& actual, const Points& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(actual[i].first, expected[i].first, 1e-9) << "point " << i;
            EXPECT_NEAR(actual[i].second, expected[i].second, 1e-9) << "point " << i;
        }
    }
    static std::wstring row(const Title& title, const wchar_t* tag) {
        return FindAttributeText(title.rows, tag).value_or(L"<none>");
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
    const auto drawn = titles();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].block, L"TZ-RR1");
    const double a = 1000.0 + ucsX;
    EXPECT_TRUE(drawn[0].at.isEqualTo({a, 1000.0, 0.0}));
    EXPECT_EQ(row(drawn[0], L"OBJ1"), L"rete");
    EXPECT_EQ(row(drawn[0], L"OBJ2"), L"A-B-C");
    const double b = a + (alongSchema ? 100.0 : 120.0);
    const auto terrain = lines(3);
    ASSERT_EQ(terrain.size(), 1u);
    expectPoints(terrain[0], {{a, 1007.0}, {b, 1005.0}, {b + 50.0, 1009.0}});
    const auto heads = lines(4);
    ASSERT_EQ(heads.size(), 1u);
    expectPoints(heads[0], {{a, 1027.0}, {b, 1025.0}, {b + 50.0, 1024.0}});
    const auto sections = marks();
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
    const auto drawn = titles();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].block, L"TZ-RR2");
    EXPECT_EQ(row(drawn[1], L"OBJ2"), L"C-B");
    EXPECT_TRUE(drawn[1].at.isEqualTo({0.0, -60.0, 0.0}));  // the first frame's height 50 and a gap of 10

    // A later run: the key drawn already is refused before anything is made.
    const auto before = modelSpaceEntities();
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 3 1", L"dblclick 9044 1 1", L"click 9056"}));
    EXPECT_EQ(count(L"\nImpossibile inserire un cartiglio con lo stesso profilo"), 2);
    EXPECT_EQ(modelSpaceEntities(), before);
    EXPECT_EQ(NextTitleNumber(&db_), 3);
}

TEST_F(ProfileDrawingTest, AOneNodeProfileDrawsItsTitleBlockAloneTwiceTheMarginHigh) {
    drawNetwork();
    putReal(L"TZCARHTES", 0.0);  // no lettering height: the frame is as high as the profile asks
    EXPECT_TRUE(profRet({L"rete", L"dblclick 9043 2 1", L"dblclick 9043 3 1", L"click 9056", L"10,20"}));
    const auto drawn = titles();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(row(drawn[0], L"OBJ2"), L"B");
    EXPECT_NEAR(drawn[1].at.y, 20.0 - (2 * 5.0 + 10.0), 1e-9);  // B's frame 2 x 5 high, then the gap
    EXPECT_TRUE(marks().empty());
    EXPECT_TRUE(lines(3).empty());
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
