// "Disegna cartigli": every composed profile drawn under its title block, measured along the schema
// or by the branches' lengths; the terrain and head lines and the section marks in numbers; the
// refusals (a profile drawn already, a node name with "-", the title block's point not given)
// leaving the drawing as it was.
#include "profile_fixture.h"

#include "acutads.h"
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

constexpr double kTolerance = 1e-9;

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
    static void putReal(const wchar_t* name, double value) {
        resbuf* real = acutBuildList(RTREAL, value, 0);
        acedPutSym(name, real);
        acutRelRb(real);
    }
    static void putNil(const wchar_t* name) {
        resbuf* nil = acutBuildList(RTNIL, 0);
        acedPutSym(name, nil);
        acutRelRb(nil);
    }
    void dropSchema() {
        TzRvnOpenObject<TzRvnNetwork> network;
        ASSERT_EQ(Acad::eOk, OpenNetwork(&db_, L"rete", AcDb::kForWrite, network));
        network->workingData(AcDb::kForWrite)->setHasSchema(false);
    }

    std::wstring blockOf(const AcDbBlockReference& reference) {
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
            EXPECT_EQ(line->polyType(), AcDb::k2dSimplePoly);
            EXPECT_FALSE(line->isClosed());
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
            EXPECT_NEAR(actual[i].first, expected[i].first, kTolerance) << "point " << i;
            EXPECT_NEAR(actual[i].second, expected[i].second, kTolerance) << "point " << i;
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

TEST_F(ProfileDrawingTest, AlongTheSchemaTheProfileFollowsThePolylinesInPlan) {
    drawNetwork(120.0);  // A-B's recorded length, which the schema's plan distance 100 overrides
    EXPECT_TRUE(profRet(kDrawABC)) << rvnos::toUtf8(all());
    const auto drawn = titles();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].block, L"TZ-RR1");
    EXPECT_TRUE(drawn[0].at.isEqualTo({1000.0, 1000.0, 0.0}));
    EXPECT_EQ(row(drawn[0], L"OBJ1"), L"rete");
    EXPECT_EQ(row(drawn[0], L"OBJ2"), L"A-B-C");
    const auto terrain = lines(3);
    ASSERT_EQ(terrain.size(), 1u);
    expectPoints(terrain[0], {{1000.0, 1007.0}, {1100.0, 1005.0}, {1150.0, 1009.0}});
    const auto heads = lines(4);
    ASSERT_EQ(heads.size(), 1u);
    expectPoints(heads[0], {{1000.0, 1027.0}, {1100.0, 1025.0}, {1150.0, 1024.0}});
    const auto sections = marks();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[1].first, L"B");
    EXPECT_TRUE(sections[1].second.isEqualTo({1100.0, 1005.0, 0.0}));
    EXPECT_TRUE(sections[2].second.isEqualTo({1150.0, 1009.0, 0.0}));
}

TEST_F(ProfileDrawingTest, UnderAUserCoordinateSystemTheProfileStartsAtItsTitleBlock) {
    drawNetwork();
    ASSERT_TRUE(rvnhost::setCurrentUcs({500.0, 0.0, 0.0}, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis));
    const bool played = profRet(kDrawABC);  // the title block's point typed as (1000,1000) of the UCS
    rvnhost::setWorldUcs();
    EXPECT_TRUE(played);
    ASSERT_EQ(titles().size(), 1u);
    EXPECT_TRUE(titles()[0].at.isEqualTo({1500.0, 1000.0, 0.0}));
    expectPoints(lines(3).at(0), {{1500.0, 1007.0}, {1600.0, 1005.0}, {1650.0, 1009.0}});
}

TEST_F(ProfileDrawingTest, WithoutASchemaTheProfileTakesTheBranchLengths) {
    drawNetwork(120.0);
    dropSchema();
    EXPECT_TRUE(profRet(kDrawABC)) << rvnos::toUtf8(all());
    expectPoints(lines(3).at(0), {{1000.0, 1007.0}, {1120.0, 1005.0}, {1170.0, 1009.0}});
    expectPoints(lines(4).at(0), {{1000.0, 1027.0}, {1120.0, 1025.0}, {1170.0, 1024.0}});
    EXPECT_EQ(marks().size(), 3u);
}

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
    EXPECT_NEAR(drawn[1].at.x, 0.0, kTolerance);
    EXPECT_NEAR(drawn[1].at.y, -60.0, kTolerance);  // the first frame's height 50 and a gap of 10
    EXPECT_EQ(lines(3).size(), 2u);

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
    EXPECT_TRUE(drawn[0].at.isEqualTo({10.0, 20.0, 0.0}));
    EXPECT_NEAR(drawn[1].at.y, 20.0 - (2 * 5.0 + 10.0), kTolerance);  // B's frame 2 x 5 high, then the gap
    EXPECT_TRUE(marks().empty());
    EXPECT_TRUE(lines(3).empty());
    EXPECT_TRUE(lines(4).empty());
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
    EXPECT_TRUE(titles().empty());
}

}  // namespace
