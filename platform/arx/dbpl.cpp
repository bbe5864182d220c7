#include "dbpl.h"

#include <algorithm>

#include "builtin_class.h"
#include "dbents_setter.h"
#include "dbpl_path.h"
#include "gemat3d.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbPolyline)

using rvnhost::setWhenWritable;

AcDbPolyline::AcDbPolyline(unsigned int reserve) { vertices_.reserve(reserve); }

Acad::ErrorStatus AcDbPolyline::checkIndex(unsigned int index) const {
    return index < vertices_.size() ? Acad::eOk : Acad::eInvalidIndex;
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge,
                                            double startWidth, double endWidth) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (index > vertices_.size()) return Acad::eInvalidIndex;
    double constant = 0.0;
    if (getConstantWidth(constant) != Acad::eOk) constant = 0.0;
    const Vertex vertex{point, bulge, startWidth < 0.0 ? constant : startWidth, endWidth < 0.0 ? constant : endWidth};
    vertices_.insert(vertices_.begin() + index, vertex);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) status = checkIndex(index);
    if (status == Acad::eOk) vertices_.erase(vertices_.begin() + index);
    return status;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& point) const {
    Acad::ErrorStatus status = checkIndex(index);
    if (status == Acad::eOk) point = vertices_[index].point;
    return status;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const {
    Acad::ErrorStatus status = checkIndex(index);
    if (status != Acad::eOk) return status;
    const AcGePoint2d& p = vertices_[index].point;
    point = AcGeMatrix3d::planeToWorld(normal_) * AcGePoint3d(p.x, p.y, elevation_);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& point) {
    Acad::ErrorStatus status = checkIndex(index);
    if (status != Acad::eOk) return status;
    return setWhenWritable(*this, vertices_[index].point, point);
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
    Acad::ErrorStatus status = checkIndex(index);
    if (status == Acad::eOk) bulge = vertices_[index].bulge;
    return status;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
    Acad::ErrorStatus status = checkIndex(index);
    if (status != Acad::eOk) return status;
    return setWhenWritable(*this, vertices_[index].bulge, bulge);
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
    Acad::ErrorStatus status = checkIndex(index);
    if (status != Acad::eOk) return status;
    startWidth = vertices_[index].startWidth;
    endWidth = vertices_[index].endWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
    Acad::ErrorStatus status = checkIndex(index);
    if (status == Acad::eOk) status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (!(startWidth >= 0.0) || !(endWidth >= 0.0)) return Acad::eInvalidInput;
    vertices_[index].startWidth = startWidth;
    vertices_[index].endWidth = endWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
    const double first = vertices_.empty() ? 0.0 : vertices_.front().startWidth;
    for (const Vertex& vertex : vertices_) {
        if (vertex.startWidth != first || vertex.endWidth != first) return Acad::eNotApplicable;
    }
    width = first;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (!(width >= 0.0)) return Acad::eInvalidInput;
    for (Vertex& vertex : vertices_) vertex.startWidth = vertex.endWidth = width;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg3d& segment) const {
    Acad::ErrorStatus status = checkIndex(index);
    if (status != Acad::eOk) return status;
    const unsigned int next = index + 1 < numVerts() ? index + 1 : 0;
    if ((next == 0 && !closed_) || vertices_[index].bulge != 0.0) return Acad::eNotApplicable;
    AcGePoint3d start, end;
    getPointAt(index, start);
    getPointAt(next, end);
    segment.set(start, end);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setClosed(bool closed) { return setWhenWritable(*this, closed_, closed); }

Acad::ErrorStatus AcDbPolyline::setElevation(double elevation) { return setWhenWritable(*this, elevation_, elevation); }

Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& normal) {
    if (normal.isZeroLength()) return Acad::eInvalidNormal;
    return setWhenWritable(*this, normal_, normal.normal());
}

Acad::ErrorStatus AcDbPolyline::setThickness(double thickness) { return setWhenWritable(*this, thickness_, thickness); }

Acad::ErrorStatus AcDbPolyline::setPlinegen(bool plinegen) { return setWhenWritable(*this, plinegen_, plinegen); }

bool AcDbPolyline::hasBulges() const {
    return std::any_of(vertices_.begin(), vertices_.end(), [](const Vertex& v) { return v.bulge != 0.0; });
}

bool AcDbPolyline::hasWidth() const {
    return std::any_of(vertices_.begin(), vertices_.end(),
                       [](const Vertex& v) { return v.startWidth != 0.0 || v.endWidth != 0.0; });
}

AcGePoint3dArray AcDbPolyline::pathPoints() const {
    std::vector<rvnhost::PlaneVertex> plane;
    for (const Vertex& vertex : vertices_) plane.push_back({vertex.point, vertex.bulge});
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal_);
    AcGePoint3dArray world;
    for (const AcGePoint3d& point : rvnhost::bulgedPath(plane, closed_, elevation_)) world.append(toWorld * point);
    return world;
}

Acad::ErrorStatus AcDbPolyline::subTransformBy(const AcGeMatrix3d& xform) {
    rvnhost::PlaneTransform moved;
    Acad::ErrorStatus status = rvnhost::planeTransform(xform, normal_, elevation_, thickness_, moved);
    if (status != Acad::eOk) return status;
    for (Vertex& vertex : vertices_) {
        const AcGePoint3d point = moved.vertexMap * AcGePoint3d(vertex.point.x, vertex.point.y, elevation_);
        vertex.point = AcGePoint2d(point.x, point.y);
        vertex.startWidth *= moved.scale;
        vertex.endWidth *= moved.scale;
    }
    normal_ = moved.normal;
    elevation_ = moved.elevation;
    thickness_ = moved.thickness;
    return Acad::eOk;
}
