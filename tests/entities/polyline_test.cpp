#include <gtest/gtest.h>

#include <memory>

#include "db_entity_draw.h"
#include "db_entity_owned.h"
#include "drawing_fixture.h"
#include "editor_open_object.h"

namespace {

using rvnhost::OpenedObject;

class Polylines : public enttest::DrawingTest {
protected:
    // The positions of the vertices the polyline's iterator walks, opened through the polyline.
    std::vector<AcGePoint3d> vertexPositions(AcDbObjectId polylineId) {
        std::vector<AcGePoint3d> positions;
        OpenedObject<AcDb3dPolyline> polyline(polylineId, AcDb::kForRead);
        std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
        for (; !vertices->done(); vertices->step()) {
            AcDb3dPolylineVertex* vertex = nullptr;
            EXPECT_EQ(polyline->openVertex(vertex, vertices->objectId(), AcDb::kForRead), Acad::eOk);
            positions.push_back(OpenedObject<AcDb3dPolylineVertex>(vertex)->position());
        }
        return positions;
    }
};

// A branch grows vertex by vertex, each with its data, as the plug-in draws it (tests/schema).
TEST_F(Polylines, VerticesAppendedBeforeThePolylineJoinsTheDrawingJoinWithIt) {
    auto* made = new AcDb3dPolyline(AcDb::k3dSimplePoly, AcGePoint3dArray{{0.0, 0.0, 0.0}, {3.0, 4.0, 0.0}}, true);
    std::unique_ptr<AcDbObjectIterator> held(made->vertexIterator());
    ASSERT_FALSE(held->done());
    EXPECT_TRUE(held->objectId().isNull());
    ASSERT_NE(held->entity(), nullptr);
    held.reset();
    const AcDbObjectId id = append(made);
    EXPECT_EQ(vertexPositions(id), (std::vector<AcGePoint3d>{{0.0, 0.0, 0.0}, {3.0, 4.0, 0.0}}));
    OpenedObject<AcDb3dPolyline> polyline(id, AcDb::kForRead);
    ASSERT_TRUE(polyline);
    EXPECT_TRUE(polyline->isClosed());
    EXPECT_EQ(polyline->pathPoints().size(), 3u);
    AcGePoint3d last;
    ASSERT_EQ(Acad::eOk, polyline->getEndPoint(last));
    EXPECT_EQ(AcGePoint3d(0.0, 0.0, 0.0), last) << "a closed polyline ends where it starts";
    AcDbSequenceEnd* end = nullptr;
    ASSERT_EQ(polyline->openSequenceEnd(end, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(OpenedObject<AcDbSequenceEnd>(end)->ownerId(), id);
}

TEST_F(Polylines, VerticesOfAnotherPolylineAreNotOpenedAndErasedOnesAreSkipped) {
    const AcDbObjectId first = append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {2.0, 0.0, 0.0}}));
    const AcDbObjectId second = append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{9.0, 9.0, 0.0}, {8.0, 9.0, 0.0}}));
    const std::vector<AcDbObjectId> firstVertices = rvnhost::subentitiesOf(first);
    AcDb3dPolylineVertex* vertex = nullptr;
    EXPECT_EQ(OpenedObject<AcDb3dPolyline>(second, AcDb::kForRead)->openVertex(vertex, firstVertices[0], AcDb::kForRead),
              Acad::eInvalidInput);
    EXPECT_EQ(vertex, nullptr);

    ASSERT_EQ(OpenedObject<AcDbObject>(firstVertices[1], AcDb::kForWrite)->erase(), Acad::eOk);
    EXPECT_EQ(vertexPositions(first), (std::vector<AcGePoint3d>{{0.0, 0.0, 0.0}, {2.0, 0.0, 0.0}}));

    ASSERT_EQ(OpenedObject<AcDbObject>(first, AcDb::kForWrite)->erase(), Acad::eOk);
    EXPECT_TRUE(firstVertices[0].isErased());
    EXPECT_TRUE(firstVertices.back().isErased());
    AcDbObject* erased = nullptr;
    ASSERT_EQ(acdbOpenObject(erased, first, AcDb::kForWrite, true), Acad::eOk);
    ASSERT_EQ(OpenedObject<AcDbObject>(erased)->erase(false), Acad::eOk);
    EXPECT_FALSE(firstVertices[0].isErased());
}

TEST_F(Polylines, MovingExtentsAndDrawing) {
    const AcDbObjectId id = append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{0.0, 0.0, 1.0}, {4.0, -2.0, 3.0}}));
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForWrite), Acad::eOk);
    ASSERT_EQ(entity->transformBy(AcGeMatrix3d::translation({10.0, 0.0, 0.0})), Acad::eOk);
    AcDbExtents extents;
    ASSERT_EQ(entity->getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(std::pair(extents.minPoint(), extents.maxPoint()), std::pair(AcGePoint3d(10.0, -2.0, 1.0), AcGePoint3d(14.0, 0.0, 3.0)));
    rvnhost::DrawList::instance().clear();
    EXPECT_EQ(entity->draw(), Acad::eOk);
    EXPECT_EQ(rvnhost::DrawList::instance().count(id), 1);
    EXPECT_EQ(rvnhost::DrawList::instance().entries().front().className, L"AcDb3dPolyline");
    ASSERT_EQ(entity->erase(), Acad::eOk);
    EXPECT_EQ(entity->draw(), Acad::eWasErased);
    entity->close();
    EXPECT_TRUE(rvnhost::subentitiesOf(id).empty());
}

TEST_F(Polylines, TwoDimensionalPolylinesLieInTheirPlaneWithArcs) {
    auto* made = new AcDb2dPolyline(AcDb::k2dSimplePoly, {}, 2.0);
    made->appendVertex(new AcDb2dVertex({0.0, 0.0, 2.0}, 1.0));
    made->appendVertex(new AcDb2dVertex({2.0, 0.0, 2.0}, 0.0, 0.5, 0.25));
    const AcDbObjectId id = append(made);
    const OpenedObject<AcDb2dPolyline> polyline(id, AcDb::kForWrite);
    ASSERT_TRUE(polyline);
    AcDbExtents extents;
    ASSERT_EQ(polyline->getGeomExtents(extents), Acad::eOk);
    EXPECT_NEAR(extents.minPoint().y, -1.0, 1e-12);
    EXPECT_NEAR(extents.maxPoint().z, 2.0, 1e-12);
    std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
    vertices->step();
    AcDb2dVertex* vertex = nullptr;
    ASSERT_EQ(polyline->openVertex(vertex, vertices->objectId(), AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(vertex->startWidth(), 0.5);
    EXPECT_EQ(polyline->vertexPosition(*vertex), AcGePoint3d(2.0, 0.0, 2.0));
    vertex->close();
    // A turn about the normal keeps it planar; a stretch in one direction cannot.
    EXPECT_EQ(polyline->transformBy(AcGeMatrix3d::scaling(AcGeScale3d(2.0, 1.0, 1.0))), Acad::eCannotScaleNonUniformly);
    ASSERT_EQ(polyline->transformBy(AcGeMatrix3d::rotation(std::acos(-1.0), AcGeVector3d::kXAxis)), Acad::eOk);
    EXPECT_NEAR(polyline->normal().z, -1.0, 1e-12);
    EXPECT_NEAR(polyline->pathPoints().back().distanceTo({2.0, 0.0, -2.0}), 0.0, 1e-12);
}

}  // namespace
