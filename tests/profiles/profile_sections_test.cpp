// The section marks of a profile: one anonymous block a node, with its vertical, its terrain point
// and its upright label, inserted with the extended data that name the node; a refused entity ends
// the marks and leaves no half-made block behind.
#include "profile_fixture.h"

#include "dbline.h"
#include "dbpoint.h"
#include "dbtext.h"
#include "host/resbuf_list.h"
#include "profiles/profile_sections.h"
#include "schema/block_entities.h"

namespace {

using profiletest::ProfileTest;

constexpr double kTolerance = 1e-9;

class ProfileSectionsTest : public ProfileTest {
protected:
    void TearDown() override {
        putNil(L"TZRRHTES");
        ProfileTest::TearDown();
    }
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
