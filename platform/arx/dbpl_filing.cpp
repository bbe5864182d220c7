// DWG and DXF filing of lightweight polylines.
#include "db_entity_dxf.h"
#include "dbfiler.h"
#include "dbpl.h"

namespace {

constexpr AcDb::DxfCode kCount = AcDb::kDxfInt32;
constexpr AcDb::DxfCode kFlags = AcDb::kDxfInt16;
constexpr AcDb::DxfCode kConstantWidth = static_cast<AcDb::DxfCode>(43);
constexpr AcDb::DxfCode kStartWidth = AcDb::kDxfReal;
constexpr AcDb::DxfCode kEndWidth = static_cast<AcDb::DxfCode>(41);
constexpr AcDb::DxfCode kBulge = static_cast<AcDb::DxfCode>(42);
// Flags: 1 closed, 128 linetype generation.
constexpr Adesk::Int16 kClosed = 1;
constexpr Adesk::Int16 kPlinegen = 128;
// The most vertices a filed polyline may claim: a guard against a damaged count.
constexpr Adesk::Int32 kMaxVertices = 1 << 24;

}  // namespace

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeBool(closed_);
    filer->writeBool(plinegen_);
    filer->writeDouble(elevation_);
    filer->writeDouble(thickness_);
    filer->writeVector3d(normal_);
    filer->writeInt32(static_cast<Adesk::Int32>(vertices_.size()));
    for (const Vertex& vertex : vertices_) {
        for (double value : {vertex.point.x, vertex.point.y, vertex.bulge, vertex.startWidth, vertex.endWidth}) {
            filer->writeDouble(value);
        }
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    bool closed = false, plinegen = false;
    double elevation = 0.0, thickness = 0.0;
    AcGeVector3d normal;
    Adesk::Int32 count = 0;
    filer->readBool(&closed);
    filer->readBool(&plinegen);
    filer->readDouble(&elevation);
    filer->readDouble(&thickness);
    filer->readVector3d(&normal);
    filer->readInt32(&count);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (normal.isZeroLength() || count < 0 || count > kMaxVertices) return Acad::eDwgObjectImproperlyRead;
    std::vector<Vertex> vertices(static_cast<std::size_t>(count));
    for (Vertex& v : vertices) {
        for (double* value : {&v.point.x, &v.point.y, &v.bulge, &v.startWidth, &v.endWidth}) filer->readDouble(value);
        if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
        if (!(v.startWidth >= 0.0) || !(v.endWidth >= 0.0)) return Acad::eDwgObjectImproperlyRead;
    }
    vertices_ = std::move(vertices);
    closed_ = closed;
    plinegen_ = plinegen;
    elevation_ = elevation;
    thickness_ = thickness;
    normal_ = normal.normal();
    return Acad::eOk;
}

// 100 "AcDbPolyline", 90 vertex count, 70 flags, 43 constant width, 38 elevation, 39 thickness,
// then for each vertex 10 its point (X and Y), 40 41 its widths (without a constant width) and 42
// its bulge (when not 0), and 210 extrusion; defaults are left out.
Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbPolyline");
    filer->writeInt32(kCount, static_cast<Adesk::Int32>(vertices_.size()));
    filer->writeInt16(kFlags, static_cast<Adesk::Int16>((closed_ ? kClosed : 0) | (plinegen_ ? kPlinegen : 0)));
    double constant = 0.0;
    const bool isConstant = getConstantWidth(constant) == Acad::eOk;
    if (isConstant) filer->writeDouble(kConstantWidth, constant);
    if (elevation_ != 0.0) filer->writeDouble(AcDb::kDxfElevation, elevation_);
    if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
    for (const Vertex& vertex : vertices_) {
        filer->writePoint3d(AcDb::kDxfXCoord, AcGePoint3d(vertex.point.x, vertex.point.y, 0.0));
        if (!isConstant) {
            filer->writeDouble(kStartWidth, vertex.startWidth);
            filer->writeDouble(kEndWidth, vertex.endWidth);
        }
        if (vertex.bulge != 0.0) filer->writeDouble(kBulge, vertex.bulge);
    }
    return rvnhost::writeNormal(filer, normal_);
}

// A width or bulge group belongs to the vertex (10) before it.
Acad::ErrorStatus AcDbPolyline::readDxfVertex(AcDbDxfFiler* filer, const resbuf& group) {
    if (vertices_.empty()) {
        return filer->setError(Acad::eBadDxfSequence, L"\nError: group %d before the first vertex", group.restype);
    }
    Vertex& vertex = vertices_.back();
    if (group.restype == kBulge) {
        vertex.bulge = group.resval.rreal;
        return Acad::eOk;
    }
    if (!(group.resval.rreal >= 0.0)) return filer->setError(Acad::eInvalidInput, L"\nError: a negative vertex width");
    (group.restype == kStartWidth ? vertex.startWidth : vertex.endWidth) = group.resval.rreal;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbPolyline");
    if (status != Acad::eOk) return status;
    vertices_.clear();
    double constant = 0.0;
    return rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case kFlags:
            closed_ = (group.resval.rint & kClosed) != 0;
            plinegen_ = (group.resval.rint & kPlinegen) != 0;
            break;
        case kConstantWidth:
            if (!(group.resval.rreal >= 0.0)) return filer->setError(Acad::eInvalidInput, L"\nError: a negative width");
            constant = group.resval.rreal;
            break;
        case AcDb::kDxfElevation: elevation_ = group.resval.rreal; break;
        case AcDb::kDxfThickness: thickness_ = group.resval.rreal; break;
        case AcDb::kDxfXCoord:
            vertices_.push_back({AcGePoint2d(group.resval.rpoint[0], group.resval.rpoint[1]), 0.0, constant, constant});
            break;
        case kStartWidth:
        case kEndWidth:
        case kBulge: return readDxfVertex(filer, group);
        case AcDb::kDxfNormalX: return rvnhost::readNormal(filer, group, normal_);
        default: break;
        }
        return Acad::eOk;
    });
}
