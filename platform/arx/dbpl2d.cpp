#include "dbpl2d.h"

#include "builtin_class.h"
#include "db_entity_iterator.h"
#include "dbents_setter.h"
#include "dbmain.h"
#include "dbpl_path.h"
#include "gemat3d.h"
#include "gespline.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDb2dVertex)
RVN_DEFINE_BUILTIN_MEMBERS(AcDb2dPolyline)

using rvnhost::setWhenWritable;

// Vertices -------------------------------------------------------------------------------------------

AcDb2dVertex::AcDb2dVertex(const AcGePoint3d& position, double bulge, double startWidth, double endWidth,
                           double tangent)
    : position_(position), bulge_(bulge), startWidth_(startWidth > 0.0 ? startWidth : 0.0),
      endWidth_(endWidth > 0.0 ? endWidth : 0.0), tangent_(tangent), tangentUsed_(tangent != 0.0) {}

Acad::ErrorStatus AcDb2dVertex::setPosition(const AcGePoint3d& position) {
    return setWhenWritable(*this, position_, position);
}

Acad::ErrorStatus AcDb2dVertex::setBulge(double bulge) { return setWhenWritable(*this, bulge_, bulge); }

Acad::ErrorStatus AcDb2dVertex::setStartWidth(double width) {
    if (!(width >= 0.0)) return Acad::eInvalidInput;
    return setWhenWritable(*this, startWidth_, width);
}

Acad::ErrorStatus AcDb2dVertex::setEndWidth(double width) {
    if (!(width >= 0.0)) return Acad::eInvalidInput;
    return setWhenWritable(*this, endWidth_, width);
}

Acad::ErrorStatus AcDb2dVertex::setTangent(double tangent) {
    Acad::ErrorStatus status = setWhenWritable(*this, tangent_, tangent);
    if (status == Acad::eOk) tangentUsed_ = true;
    return status;
}

// Polylines ------------------------------------------------------------------------------------------

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation,
                               bool closed, double defaultStartWidth, double defaultEndWidth)
    : PolylineVertices(closed),
      type_(type >= AcDb::k2dSimplePoly && type <= AcDb::k2dCubicSplinePoly ? type : AcDb::k2dSimplePoly), elevation_(elevation), defaultStartWidth_(defaultStartWidth > 0.0 ? defaultStartWidth : 0.0),
      defaultEndWidth_(defaultEndWidth > 0.0 ? defaultEndWidth : 0.0) {
    for (const AcGePoint3d& point : vertices) {
        appendVertex(new AcDb2dVertex(AcGePoint3d(point.x, point.y, elevation), 0.0, defaultStartWidth_,
                                      defaultEndWidth_));
    }
}

AcDb::Vertex2dType AcDb2dPolyline::newVertexType() const {
    return type_ == AcDb::k2dQuadSplinePoly || type_ == AcDb::k2dCubicSplinePoly ? AcDb::k2dSplineCtlVertex
                                                                                : AcDb::k2dVertex;
}

Acad::ErrorStatus AcDb2dPolyline::setPolyType(AcDb::Poly2dType type) {
    if (type < AcDb::k2dSimplePoly || type > AcDb::k2dCubicSplinePoly) return Acad::eInvalidInput;
    return changeType(type_, type);
}

Acad::ErrorStatus AcDb2dPolyline::setElevation(double elevation) {
    return setWhenWritable(*this, elevation_, elevation);
}

Acad::ErrorStatus AcDb2dPolyline::setNormal(const AcGeVector3d& normal) {
    if (normal.isZeroLength()) return Acad::eInvalidNormal;
    return setWhenWritable(*this, normal_, normal.normal());
}

Acad::ErrorStatus AcDb2dPolyline::setThickness(double thickness) {
    return setWhenWritable(*this, thickness_, thickness);
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultStartWidth(double width) {
    if (!(width >= 0.0)) return Acad::eInvalidInput;
    return setWhenWritable(*this, defaultStartWidth_, width);
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultEndWidth(double width) {
    if (!(width >= 0.0)) return Acad::eInvalidInput;
    return setWhenWritable(*this, defaultEndWidth_, width);
}

Acad::ErrorStatus AcDb2dPolyline::setLinetypeGenerationOn(bool on) { return setWhenWritable(*this, plinegen_, on); }

AcGePoint3d AcDb2dPolyline::vertexPosition(const AcDb2dVertex& vertex) const {
    const AcGePoint3d position = vertex.position();
    return AcGeMatrix3d::planeToWorld(normal_) * AcGePoint3d(position.x, position.y, elevation_);
}

// Spline-fit polylines are drawn as the B-spline of their vertices, the others through them (a
// curve-fit polyline too, along the polygon of its vertices).
AcGePoint3dArray AcDb2dPolyline::pathPoints() const {
    std::vector<rvnhost::PlaneVertex> vertices;
    for (const AcDbEntity* entity : vertices_.live()) {
        const auto* vertex = static_cast<const AcDb2dVertex*>(entity);
        vertices.push_back({AcGePoint2d(vertex->position().x, vertex->position().y), vertex->bulge()});
    }
    std::vector<AcGePoint3d> path;
    if (type_ == AcDb::k2dQuadSplinePoly || type_ == AcDb::k2dCubicSplinePoly) {
        std::vector<AcGePoint3d> control;
        for (const auto& vertex : vertices) control.emplace_back(vertex.point.x, vertex.point.y, elevation_);
        path = rvnhost::sampleBSpline(control, type_ == AcDb::k2dQuadSplinePoly ? 2 : 3, closed_);
    } else {
        for (auto& vertex : vertices) {
            if (type_ == AcDb::k2dFitCurvePoly) vertex.bulge = 0.0;
        }
        path = rvnhost::bulgedPath(vertices, closed_, elevation_);
    }
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal_);
    AcGePoint3dArray world;
    for (const AcGePoint3d& point : path) world.append(toWorld * point);
    return world;
}

Acad::ErrorStatus AcDb2dPolyline::subTransformBy(const AcGeMatrix3d& xform) {
    rvnhost::PlaneTransform moved;
    Acad::ErrorStatus status = rvnhost::planeTransform(xform, normal_, elevation_, thickness_, moved);
    if (status != Acad::eOk) return status;
    status = rvnhost::changeSubentities(vertices_, [&](AcDbEntity& entity) {
        auto& vertex = static_cast<AcDb2dVertex&>(entity);
        const AcGePoint3d point = moved.vertexMap * AcGePoint3d(vertex.position_.x, vertex.position_.y, elevation_);
        vertex.position_ = AcGePoint3d(point.x, point.y, moved.elevation);
        vertex.startWidth_ *= moved.scale;
        vertex.endWidth_ *= moved.scale;
        return Acad::eOk;
    });
    if (status != Acad::eOk) return status;
    defaultStartWidth_ *= moved.scale;
    defaultEndWidth_ *= moved.scale;
    normal_ = moved.normal;
    elevation_ = moved.elevation;
    thickness_ = moved.thickness;
    return Acad::eOk;
}
