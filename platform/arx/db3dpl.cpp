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
    : PolylineVertices(closed),
      type_(type >= AcDb::k3dSimplePoly && type <= AcDb::k3dCubicSplinePoly ? type : AcDb::k3dSimplePoly) {
    for (const AcGePoint3d& point : vertices) appendVertex(new AcDb3dPolylineVertex(point));
}

AcDb::Vertex3dType AcDb3dPolyline::newVertexType() const {
    return type_ == AcDb::k3dSimplePoly ? AcDb::k3dSimpleVertex : AcDb::k3dControlVertex;
}

// The vertices' type follows the polyline's.
Acad::ErrorStatus AcDb3dPolyline::setPolyType(AcDb::Poly3dType type) {
    if (type < AcDb::k3dSimplePoly || type > AcDb::k3dCubicSplinePoly) return Acad::eInvalidInput;
    return changeType(type_, type);
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
