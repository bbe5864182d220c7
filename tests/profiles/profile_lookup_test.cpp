// What the profile drawing reads from the drawing: the next title block number, a profile key drawn
// already under a title block, the schema's polylines walked from a profile's node, the LISP reals.
#include "profile_fixture.h"

#include "profiles/profile_drawing_lookup.h"
#include "profiles/profile_schema_walk.h"

namespace {

using profiletest::ProfileTest;

using ProfileLookupTest = ProfileTest;

TEST_F(ProfileLookupTest, TheNextTitleNumberFollowsTheLargestNumberedTitleBlock) {
    EXPECT_EQ(NextTitleNumber(&db_), 1);
    for (const wchar_t* name : {L"TZ-RR7b", L"TZ-RRX12", L"TZ-R19"}) rvntest::addBlock(db_, name);
    EXPECT_EQ(NextTitleNumber(&db_), 8);  // "TZ-RR7b" counts as 7; "TZ-RRX12" and "TZ-R19" are not numbered
}

TEST_F(ProfileLookupTest, AKeyIsDrawnOnlyUnderATitleBlocksObj2) {
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
