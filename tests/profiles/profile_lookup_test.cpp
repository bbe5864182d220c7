// What the profile drawing reads from the drawing: the next title block number, a profile key drawn
// already under a title block, the schema's polylines walked from a profile's node, the LISP reals.
#include "profile_fixture.h"

#include "dbattr.h"
#include "profiles/profile_drawing_lookup.h"
#include "profiles/profile_schema_walk.h"
#include "table_records.h"

namespace {

using profiletest::ProfileTest;

class ProfileLookupTest : public ProfileTest {
protected:
    // A reference of the block in model space with one attribute.
    void insert(AcDbObjectId block, const wchar_t* tag, const wchar_t* text) {
        auto reference = std::make_unique<AcDbBlockReference>(AcGePoint3d(0.0, 0.0, 0.0), block);
        AcDbObjectId id;
        ASSERT_EQ(Acad::eOk, AppendToModelSpace(&db_, reference.get(), id));
        TzRvnOpenObject<AcDbBlockReference> open;
        open.slot() = reference.release();
        open.take(Acad::eOk);
        auto attribute = std::make_unique<AcDbAttribute>(AcGePoint3d(0.0, 0.0, 0.0), text, tag);
        ASSERT_EQ(Acad::eOk, open->appendAttribute(attribute.get()));
        attribute.release()->close();
    }
};

TEST_F(ProfileLookupTest, TheNextTitleNumberFollowsTheLargestNumberedTitleBlock) {
    EXPECT_EQ(NextTitleNumber(&db_), 1);
    for (const wchar_t* name : {L"TZ-RR7b", L"TZ-RRX12", L"TZ-R19"}) rvntest::addBlock(db_, name);
    EXPECT_EQ(NextTitleNumber(&db_), 8);  // "TZ-RR7b" counts as 7; "TZ-RRX12" and "TZ-R19" are not numbered
}

TEST_F(ProfileLookupTest, AKeyIsDrawnOnlyUnderATitleBlocksObj2) {
    insert(rvntest::addBlock(db_, L"ALTRO"), L"OBJ2", L"A-B");
    EXPECT_FALSE(ProfileKeyDrawn(&db_, L"A-B"));
    const AcDbObjectId title = rvntest::addBlock(db_, L"TZ-RR3");
    insert(title, L"OBJ1", L"A-B");
    insert(title, L"obj2", L"A-B");
    EXPECT_TRUE(ProfileKeyDrawn(&db_, L"A-B"));
    EXPECT_FALSE(ProfileKeyDrawn(&db_, L"A-B-C"));
}

// The drawing tests draw with a margin of 5.
TEST_F(ProfileLookupTest, TheMarginIsTheRealOfTzdisqrElseZero) {
    EXPECT_EQ(ProfileMargin(), 0.0);
    rvnhost::putLispString(L"TZDISQR", L"5.0");
    EXPECT_EQ(ProfileMargin(), 0.0);
    putNil(L"TZDISQR");
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

}  // namespace
