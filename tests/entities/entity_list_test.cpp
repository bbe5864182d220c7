// Entity lists: acdbEntMake gathering entities, complex entities and block definitions into the
// drawing (or refusing them and leaving it as it was), and acdbEntLast. The title block tests check
// the groups of blocks, polylines and attributes in numbers, the profile section tests anonymous
// blocks with extended data and texts, and both read the last entity's handle with acdbEntGet.
#include "acdbads.h"
#include "acedads.h"
#include "acutmem.h"
#include "db_entity_iterator.h"
#include "drawing_fixture.h"
#include "drawing_writer.h"
#include "resbuf_kind.h"
#include "sysvars.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using rvnhost::ResbufList;

class EntityLists : public enttest::DrawingTest {
protected:
    void SetUp() override { acdbEntMake(nullptr); }
    void TearDown() override {
        acdbEntMake(nullptr);
        DrawingTest::TearDown();
    }

    std::vector<unsigned char> drawingBytes() {
        std::vector<unsigned char> bytes;
        std::wstring message;
        EXPECT_EQ(rvnhost::writeDrawing(db_, bytes, message), Acad::eOk);
        return bytes;
    }

    std::vector<AcDbObjectId> entitiesOf(const ACHAR* block) { return enttest::entitiesOf(enttest::recordOf(db_, block)); }

    static AcDbObjectId lastEntity() {
        ads_name name{};
        EXPECT_EQ(acdbEntLast(name), RTNORM);
        AcDbObjectId id;
        EXPECT_EQ(acdbGetObjectId(id, name), Acad::eOk);
        return id;
    }

    static void expectPoint(const AcGePoint3d& actual, double x, double y, double z) {
        EXPECT_NEAR(actual.distanceTo(AcGePoint3d(x, y, z)), 0.0, 1e-12) << actual.x << "," << actual.y << "," << actual.z;
    }

    static int make(resbuf* list) {
        const ResbufList owned(list);
        return acdbEntMake(owned.get());
    }
};

const ads_real kOrigin[3] = {0.0, 0.0, 0.0};
const ads_real kEnd[3] = {1.0, 1.0, 0.0};

TEST_F(EntityLists, ALineAndAPointJoinModelSpaceOnTheirLayersMadeWhenMissing) {
    const ads_real from[3] = {1.0, 2.0, 3.0};
    const ads_real to[3] = {4.0, 6.0, 3.0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 8, L"TZ-LL-SEZIONI", 62, 1, 10, from, 11, to, 0)), RTNORM);
    const AcDbObjectId line = lastEntity();
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POINT", 10, to, 0)), RTNORM);
    const AcDbObjectId point = lastEntity();
    EXPECT_EQ(entitiesOf(ACDB_MODEL_SPACE), (std::vector<AcDbObjectId>{line, point}));
    {
        rvnhost::OpenedObject<AcDbLine> made(line, AcDb::kForRead);
        rvnhost::OpenedObject<AcDbPoint> dot(point, AcDb::kForRead);
        ASSERT_TRUE(made && dot);
        expectPoint(made->startPoint(), 1, 2, 3);
        expectPoint(made->endPoint(), 4, 6, 3);
        expectPoint(dot->position(), 4, 6, 3);
        EXPECT_EQ(std::tuple(1, std::wstring(L"TZ-LL-SEZIONI"), db_.clayer()),
                  std::tuple(made->colorIndex(), AcDbSymbolTable::recordName(made->layerId()), dot->layerId()));
    }
}

// The title block and profile section tests check the texts' height, width factor, rotation and
// style; here the oblique angle.
TEST_F(EntityLists, ATextTakesItsObliqueAngle) {
    const ads_real at[3] = {5.0, -2.0, 0.0};
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"TEXT", 10, at, 40, 2.5, 1, L"N12", 51, 0.2, 0)), RTNORM);
    rvnhost::OpenedObject<AcDbText> text(lastEntity(), AcDb::kForRead);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->oblique(), 0.2);
}

// The title block tests check named blocks, polylines, references and attributes in numbers; here a
// vertex without a width takes its polyline's.
TEST_F(EntityLists, AVertexWithoutAWidthTakesItsPolylines) {
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 66, 1, 10, kOrigin, 40, 0.25, 41, 0.5, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"SEQEND", 0)), RTNORM);
    rvnhost::OpenedObject<AcDb2dPolyline> polyline(lastEntity(), AcDb::kForRead);
    ASSERT_TRUE(polyline);
    std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
    rvnhost::OpenedObject<AcDb2dVertex> vertex(vertices->objectId(), AcDb::kForRead);
    EXPECT_EQ(std::pair(vertex->startWidth(), vertex->endWidth()), std::pair(0.25, 0.5));
}

TEST_F(EntityLists, ANamedBlockTheDrawingHasIsDefinedAnew) {
    for (int definition = 0; definition < 2; ++definition) {
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, L"TZ-FINOBJ", 10, kOrigin, 70, 0, 0)), RTNORM);
        for (int line = 0; line <= definition; ++line) {
            ASSERT_EQ(make(acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kEnd, 0)), RTNORM);
        }
        ASSERT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTKWORD);
    }
    EXPECT_EQ(entitiesOf(L"TZ-FINOBJ").size(), 2u);
}

// Each refused list answers RTREJ with its reason; what was gathered is discarded and the drawing
// is byte for byte what it was, no layer named in the discarded lists made.
TEST_F(EntityLists, ARefusedListDiscardsWhatWasGatheredAndLeavesTheDrawingAsItWas) {
    addBlock(L"TZ-FINATT");
    const std::vector<unsigned char> before = drawingBytes();
    struct Case {
        const char* what;
        std::vector<resbuf*> lists;  // all but the last are taken, the last refused
        int reason;
    };
    const std::vector<Case> cases = {
        {"an unknown block inside a definition",
         {acutBuildList(RTDXF0, L"BLOCK", 2, L"TZ-RR2", 10, kOrigin, 70, 2, 0),
          acutBuildList(RTDXF0, L"LINE", 8, L"NUOVO", 10, kOrigin, 11, kEnd, 0),
          acutBuildList(RTDXF0, L"INSERT", 2, L"TZ-FINOBJ", 10, kOrigin, 0)},
         39},
        {"an unknown text style",
         {acutBuildList(RTDXF0, L"BLOCK", 2, L"*X", 10, kOrigin, 70, 1, 0),
          acutBuildList(RTDXF0, L"TEXT", 10, kOrigin, 40, 1.0, 1, L"a", 7, L"TZ-CART", 0)},
         28},
        {"a vertex without its polyline", {acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0)}, 36},
        {"a sequence end without its owner", {acutBuildList(RTDXF0, L"SEQEND", 0)}, 36},
        {"an attribute in a polyline",
         {acutBuildList(RTDXF0, L"POLYLINE", 66, 1, 10, kOrigin, 0), acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0),
          acutBuildList(RTDXF0, L"ATTRIB", 10, kOrigin, 40, 1.0, 1, L"a", 2, L"A", 0)},
         36},
        {"a line before the polyline's sequence end",
         {acutBuildList(RTDXF0, L"POLYLINE", 8, L"NUOVO", 66, 1, 10, kOrigin, 0),
          acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0), acutBuildList(RTDXF0, L"LINE", 10, kOrigin, 11, kEnd, 0)},
         38},
        {"a block begun inside a block",
         {acutBuildList(RTDXF0, L"BLOCK", 2, L"A", 10, kOrigin, 0), acutBuildList(RTDXF0, L"BLOCK", 2, L"B", 10, kOrigin, 0)},
         46},
        {"a block ended with its reference's attributes open",
         {acutBuildList(RTDXF0, L"BLOCK", 2, L"A", 10, kOrigin, 0),
          acutBuildList(RTDXF0, L"INSERT", 2, L"TZ-FINATT", 10, kOrigin, 66, 1, 0), acutBuildList(RTDXF0, L"ENDBLK", 0)},
         38},
        {"a block end without its block", {acutBuildList(RTDXF0, L"ENDBLK", 0)}, 46},
        {"a text without its height", {acutBuildList(RTDXF0, L"TEXT", 10, kOrigin, 1, L"a", 0)}, 47},
        {"a text of height 0", {acutBuildList(RTDXF0, L"TEXT", 10, kOrigin, 40, 0.0, 1, L"a", 0)}, 30},
        {"a scale of 0", {acutBuildList(RTDXF0, L"INSERT", 2, L"TZ-FINATT", 10, kOrigin, 41, 0.0, 0)}, 30},
        {"a named block with the anonymous flag", {acutBuildList(RTDXF0, L"BLOCK", 2, L"A", 10, kOrigin, 70, 1, 0)}, 39},
        {"a 3D polyline", {acutBuildList(RTDXF0, L"POLYLINE", 66, 1, 10, kOrigin, 70, 8, 0)}, 37},
        {"an unknown entity type", {acutBuildList(RTDXF0, L"CIRCLE", 10, kOrigin, 40, 1.0, 0)}, 36},
        {"a layer name with a forbidden character", {acutBuildList(RTDXF0, L"POINT", 8, L"A<B", 10, kOrigin, 0)}, 25},
        {"extended data of an application not registered",
         {acutBuildList(RTDXF0, L"POINT", 10, kOrigin, -3, 1001, L"TZ-NESSUNA", 1070, 1, 0)},
         48},
    };
    for (const Case& refused : cases) {
        for (std::size_t i = 0; i + 1 < refused.lists.size(); ++i) {
            const int taken = make(refused.lists[i]);
            EXPECT_TRUE(taken == RTNORM) << refused.what << ": list " << i << " answered " << taken;
        }
        EXPECT_EQ(make(refused.lists.back()), RTREJ) << refused.what;
        EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), refused.reason) << refused.what;
        EXPECT_EQ(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTREJ) << refused.what << ": nothing is left gathered";
        EXPECT_TRUE(drawingBytes() == before) << refused.what;
    }
    EXPECT_TRUE(entitiesOf(ACDB_MODEL_SPACE).empty());
}

TEST_F(EntityLists, ANullListDiscardsAPolylineBeingGathered) {
    const std::vector<unsigned char> before = drawingBytes();
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"POLYLINE", 66, 1, 10, kOrigin, 0)), RTNORM);
    ASSERT_EQ(make(acutBuildList(RTDXF0, L"VERTEX", 10, kOrigin, 0)), RTNORM);
    EXPECT_EQ(acdbEntMake(nullptr), RTERROR);
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"SEQEND", 0)), RTREJ);
    EXPECT_TRUE(drawingBytes() == before);
}

TEST_F(EntityLists, TheLastEntityIsTheLastOfModelSpaceNotErased) {
    ads_name name{};
    EXPECT_EQ(acdbEntLast(name), RTERROR);
    const AcDbObjectId first = append(new AcDbPoint(AcGePoint3d(1, 1, 0)));
    const AcDbObjectId second = append(new AcDbPoint(AcGePoint3d(2, 2, 0)));
    EXPECT_EQ(lastEntity(), second);
    ASSERT_EQ(rvnhost::OpenedObject<AcDbEntity>(second, AcDb::kForWrite)->erase(), Acad::eOk);
    EXPECT_EQ(lastEntity(), first);
}

}  // namespace
