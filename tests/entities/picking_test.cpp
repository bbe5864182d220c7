// Picking entities with acedEntSel, and the current UCS: its matrix and acedTrans between the
// world, the UCS, the view and an entity's plane.
#include <gtest/gtest.h>

#include <cstdio>
#include <numbers>

#include "acedads.h"
#include "drawing_fixture.h"
#include "editor_state.h"
#include "input_queue.h"
#include "drawing_view.h"
#include "pick.h"
#include "sysvars.h"
#include "ucs.h"

namespace {

resbuf systemCode(short code) { return {nullptr, RTSHORT, {.rint = code}}; }

// An entity's plane by its normal.
resbuf planeOf(double x, double y, double z) { return {nullptr, RT3DPOINT, {.rpoint = {x, y, z}}}; }

void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected) {
    EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << "," << actual.y << "," << actual.z;
}

AcGePoint3d trans(const AcGePoint3d& point, const resbuf& from, const resbuf& to, int disp = 0) {
    const ads_point in = {point.x, point.y, point.z};
    ads_point out = {0, 0, 0};
    EXPECT_EQ(acedTrans(in, &from, &to, disp, out), RTNORM);
    return {out[X], out[Y], out[Z]};
}

class Picking : public enttest::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        rvnhost::installDrawingPicker();
        network_ = addLayer(L"TZ-RV-Rete");
        addLayer(L"Spento", true, false);
        addLayer(L"Gelato", false, true);
    }
    void TearDown() override {
        rvnhost::setWorldUcs();
        DrawingTest::TearDown();
    }

    // What acedEntSel makes of one typed answer: the entity (null when nothing) and the pick point.
    AcDbObjectId pick(const std::wstring& answer, AcGePoint3d* picked = nullptr) {
        rvntest::QueuedInput input({answer});
        ads_name name;
        ads_point point;
        if (acedEntSel(L"\nSelezionare un elemento della rete:", name, point) != RTNORM) return AcDbObjectId();
        AcDbObjectId id;
        EXPECT_EQ(acdbGetObjectId(id, name), Acad::eOk);
        if (picked != nullptr) *picked = AcGePoint3d(point[X], point[Y], point[Z]);
        return id;
    }

    template <class T>
    T* onLayer(T* entity, const ACHAR* layer) {
        entity->setLayer(layer);
        return entity;
    }

    // A node: a small cross with an attribute whose definition lies at (0.6, 0.3), turned by 90
    // degrees and inserted at (100, 50, 10).
    AcDbObjectId insertNode() {
        const AcDbObjectId block = addBlock(L"TZ-RV-NODO");
        append(new AcDbLine({-0.2, 0.0, 0.0}, {0.2, 0.0, 0.0}), block);
        append(new AcDbAttributeDefinition({0.6, 0.3, 0.0}, L"", L"NODE_01", L""), block);
        auto* node = onLayer(new AcDbBlockReference({100.0, 50.0, 10.0}, block), L"TZ-RV-Rete");
        node->setRotation(std::numbers::pi / 2.0);
        auto* attribute = new AcDbAttribute;
        AcDbAttributeDefinition definition({0.6, 0.3, 0.0}, L"N1", L"NODE_01", L"");
        attribute->setAttributeFromBlock(&definition, node->blockTransform());
        node->appendAttribute(attribute);
        return append(node);
    }

    AcDbObjectId network_;
};

TEST_F(Picking, TheAttributeOfANodeOrItsInsertionPointPicksTheNode) {
    const AcDbObjectId node = insertNode();
    // The attribute at (0.6, 0.3) turned by 90 degrees: (-0.3, 0.6) from the insertion point.
    EXPECT_EQ(pick(L"99.7,50.6"), node);
    AcGePoint3d picked;
    EXPECT_EQ(pick(L"100,50", &picked), node);
    EXPECT_EQ(picked, AcGePoint3d(100.0, 50.0, 0.0));
    EXPECT_EQ(pick(L"98,50"), AcDbObjectId());
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 7);
}

TEST_F(Picking, PolylinesArePickedOnTheirSegmentsAndArcsAndNotBetweenThem) {
    const AcDbObjectId branch = append(onLayer(
        new AcDb3dPolyline(AcDb::k3dSimplePoly, {{0.0, 0.0, 5.0}, {10.0, 0.0, 5.0}, {10.0, 10.0, 7.0}}), L"TZ-RV-Rete"));
    EXPECT_EQ(pick(L"10,5"), branch);
    EXPECT_EQ(pick(L"3,0.2"), branch);
    EXPECT_EQ(pick(L"5,5"), AcDbObjectId());
    // Planar polylines are followed along their arcs.
    auto* light = new AcDbPolyline;
    light->addVertexAt(0, {60.0, 0.0}, 1.0);
    light->addVertexAt(1, {62.0, 0.0});
    const AcDbObjectId arc = append(light);
    const AcDbObjectId polyline = append(new AcDb2dPolyline(AcDb::k2dSimplePoly, {{70.0, 0.0, 0.0}, {80.0, 0.0, 0.0}}));
    EXPECT_EQ(pick(L"61,-1"), arc);
    EXPECT_EQ(pick(L"61,0"), AcDbObjectId());
    EXPECT_EQ(pick(L"75,0"), polyline);
}

TEST_F(Picking, ThePickBoxCoversMoreOfTheDrawingWhenTheViewIsZoomedOut) {
    rvnhost::DrawingView& view = rvnhost::DrawingView::instance();
    const AcGePoint2d centre = view.centre();
    const double height = view.height();
    const AcDbObjectId line = append(new AcDbLine({0.0, 0.0, 0.0}, {10.0, 0.0, 0.0}));
    EXPECT_EQ(pick(L"5,2"), AcDbObjectId());
    ASSERT_TRUE(view.show(AcGePoint2d(0.0, 0.0), 1000.0));
    EXPECT_EQ(rvnhost::pickBox(), 3 * 1000.0 / 800.0);
    EXPECT_EQ(pick(L"5,2"), line);
    view.show(centre, height);
}

TEST_F(Picking, EntitiesOnHiddenLayersAreSkippedAndTheOneDrawnLastWins) {
    append(onLayer(new AcDbLine({20.0, 0.0, 0.0}, {30.0, 0.0, 0.0}), L"Spento"));
    append(onLayer(new AcDbLine({20.0, 5.0, 0.0}, {30.0, 5.0, 0.0}), L"Gelato"));
    EXPECT_EQ(pick(L"25,0"), AcDbObjectId());
    EXPECT_EQ(pick(L"25,5"), AcDbObjectId());
    const AcDbObjectId below = append(onLayer(new AcDbLine({20.0, 0.0, 0.0}, {30.0, 0.0, 0.0}), L"TZ-RV-Rete"));
    const AcDbObjectId above = append(new AcDbLine({25.0, -1.0, 0.0}, {25.0, 1.0, 0.0}));
    EXPECT_EQ(pick(L"25,0"), above);
    ASSERT_EQ(rvnhost::OpenedObject<AcDbEntity>(above, AcDb::kForWrite)->erase(), Acad::eOk);
    EXPECT_EQ(pick(L"25,0"), below);
}

TEST_F(Picking, PointsAreTypedInTheCurrentUcsAndHandlesStillName) {
    const AcDbObjectId branch = append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{110.0, 0.0, 0.0}, {110.0, 10.0, 0.0}}));
    ASSERT_TRUE(rvnhost::setCurrentUcs({100.0, 0.0, 0.0}, AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis));
    // The world point (110, 5) is (5, -10) in this UCS.
    EXPECT_EQ(pick(L"5,-10"), branch);
    EXPECT_EQ(pick(L"110,5"), AcDbObjectId());
    wchar_t handle[32];
    std::swprintf(handle, 32, L"#%ls", branch.handle().text().c_str());
    AcGePoint3d picked;
    EXPECT_EQ(pick(handle, &picked), branch);
    EXPECT_NEAR(picked.distanceTo({0.0, -10.0, 0.0}), 0.0, 1e-12);
}

// The UCS: origin (10, 5, 0), X along the world Y, Y along the world -X; the view is the plan view
// of the world. A mirrored entity plane (normal -Z) has the world's -X for its X axis.
TEST_F(Picking, TheUcsMatrixAndAcedTransTakePointsAndDisplacementsBetweenTheSystems) {
    const resbuf world = systemCode(0), user = systemCode(1), view = systemCode(2);
    AcGeMatrix3d matrix = AcGeMatrix3d::translation({1.0, 1.0, 1.0});
    ASSERT_TRUE(acdbUcsMatrix(matrix));
    EXPECT_TRUE(matrix.isEqualTo(AcGeMatrix3d::kIdentity));
    ASSERT_TRUE(rvnhost::setCurrentUcs({10.0, 5.0, 0.0}, AcGeVector3d::kYAxis, {-1.0, 0.5, 0.0}));
    ASSERT_TRUE(acdbUcsMatrix(matrix));
    expectNear(matrix * AcGePoint3d(2.0, 3.0, 1.0), {7.0, 7.0, 1.0});
    expectNear(trans({2.0, 3.0, 1.0}, user, world), {7.0, 7.0, 1.0});
    expectNear(trans({2.0, 3.0, 1.0}, user, world, 1), {-3.0, 2.0, 1.0});
    expectNear(trans({7.0, 7.0, 1.0}, world, user), {2.0, 3.0, 1.0});
    expectNear(trans({2.0, 3.0, 1.0}, user, view), {7.0, 7.0, 1.0});
    expectNear(trans({3.0, 4.0, 5.0}, planeOf(0.0, 0.0, -2.0), world), {-3.0, 4.0, -5.0});

    const ads_point in = {1.0, 2.0, 3.0};
    ads_point out = {0, 0, 0};
    const resbuf paper = systemCode(3), zero = planeOf(0.0, 0.0, 0.0);
    EXPECT_EQ(acedTrans(in, &world, &paper, 0, out), RTERROR);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 16);
    EXPECT_EQ(acedTrans(in, &zero, &world, 0, out), RTERROR);
    EXPECT_EQ(acedTrans(in, nullptr, &world, 0, out), RTERROR);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_FALSE(acdbUcsMatrix(matrix));
    EXPECT_TRUE(acdbUcsMatrix(matrix, &db_));
}

}  // namespace
