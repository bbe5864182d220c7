#include "db3dpl.h"

#include "builtin_class.h"
#include "db_entity_extents.h"
#include "db_entity_iterator.h"
#include "dbents_setter.h"
#include "dbmain.h"
#include "gemat3d.h"
#include "gespline.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDb3dPolylineVertex)
RVN_DEFINE_BUILTIN_MEMBERS(AcDb3dPolyline)

using rvnhost::setWhenWritable;

// Vertices -------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolylineVertex::setPosition(const AcGePoint3d& position) {
    return setWhenWritable(*this, position_, position);
}

Acad::ErrorStatus AcDb3dPolylineVertex::subGetGeomExtents(AcDbExtents& extents) const {
    extents.addPoint(position_);
    return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolylineVertex::subTransformBy(const AcGeMatrix3d& xform) {
    position_.transformBy(xform);
    return Acad::eOk;
}

// Polylines ------------------------------------------------------------------------------------------

AcDb3dPolyline::AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, bool closed)
    : type_(type >= AcDb::k3dSimplePoly && type <= AcDb::k3dCubicSplinePoly ? type : AcDb::k3dSimplePoly),
      closed_(closed) {
    for (const AcGePoint3d& point : vertices) appendVertex(new AcDb3dPolylineVertex(point));
}

AcDb::Vertex3dType AcDb3dPolyline::newVertexType() const {
    return type_ == AcDb::k3dSimplePoly ? AcDb::k3dSimpleVertex : AcDb::k3dControlVertex;
}

// The vertices' type follows the polyline's.
Acad::ErrorStatus AcDb3dPolyline::setPolyType(AcDb::Poly3dType type) {
    if (type < AcDb::k3dSimplePoly || type > AcDb::k3dCubicSplinePoly) return Acad::eInvalidInput;
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    const AcDb::Vertex3dType vertexType =
        type == AcDb::k3dSimplePoly ? AcDb::k3dSimpleVertex : AcDb::k3dControlVertex;
    status = rvnhost::changeSubentities(vertices_, [&](AcDbEntity& entity) {
        static_cast<AcDb3dPolylineVertex&>(entity).type_ = vertexType;
        return Acad::eOk;
    });
    if (status == Acad::eOk) type_ = type;
    return status;
}

Acad::ErrorStatus AcDb3dPolyline::makeClosed() { return setWhenWritable(*this, closed_, true); }

Acad::ErrorStatus AcDb3dPolyline::makeOpen() { return setWhenWritable(*this, closed_, false); }

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDb3dPolylineVertex* vertex) {
    AcDbObjectId id;
    return appendVertex(id, vertex);
}

Acad::ErrorStatus AcDb3dPolyline::appendVertex(AcDbObjectId& id, AcDb3dPolylineVertex* vertex) {
    id.setNull();
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (vertex != nullptr) vertex->type_ = newVertexType();
    return vertices_.append(*this, id, vertex, true);
}

Acad::ErrorStatus AcDb3dPolyline::openVertex(AcDb3dPolylineVertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                                             bool openErased) const {
    vertex = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    return rvnhost::openSubentity(vertices_, vertex, id, mode, openErased);
}

Acad::ErrorStatus AcDb3dPolyline::openSequenceEnd(AcDbSequenceEnd*& end, AcDb::OpenMode mode) const {
    end = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    return acdbOpenObject(end, vertices_.sequenceEnd(), mode);
}

AcDbObjectIterator* AcDb3dPolyline::vertexIterator() const { return vertices_.newIterator(); }

bool AcDb3dPolyline::acceptsSubentity(const AcDbEntity& entity) const {
    return AcDb3dPolylineVertex::cast(&entity) != nullptr;
}

AcGePoint3dArray AcDb3dPolyline::pathPoints() const {
    std::vector<AcGePoint3d> points;
    for (const AcDbEntity* entity : vertices_.live()) {
        points.push_back(static_cast<const AcDb3dPolylineVertex*>(entity)->position());
    }
    if (type_ != AcDb::k3dSimplePoly) {
        const int degree = type_ == AcDb::k3dQuadSplinePoly ? 2 : 3;
        points = rvnhost::sampleBSpline(points, degree, closed_);
    } else if (closed_ && points.size() > 1) {
        points.push_back(points.front());
    }
    return AcGePoint3dArray(points.begin(), points.end());
}

Acad::ErrorStatus AcDb3dPolyline::subTransformBy(const AcGeMatrix3d& xform) {
    return rvnhost::transformSubentities(vertices_, xform);
}

Acad::ErrorStatus AcDb3dPolyline::subErase(bool erasing) {
    vertices_.markErased(erasing);
    return Acad::eOk;
}
