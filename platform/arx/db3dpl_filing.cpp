// DWG and DXF filing of 3D polylines and their vertices. In DXF the vertices follow the polyline
// as VERTEX entities, then a SEQEND.
#include "db3dpl.h"
#include "db_entity_dxf.h"
#include "dbfiler.h"

namespace {

constexpr AcDb::DxfCode kVerticesFollow = static_cast<AcDb::DxfCode>(66);
constexpr AcDb::DxfCode kFlags = AcDb::kDxfInt16;
constexpr AcDb::DxfCode kCurveType = static_cast<AcDb::DxfCode>(75);

// Polyline flags: 1 closed, 4 spline-fit, 8 3D polyline. Curve types: 5 quadratic, 6 cubic.
constexpr Adesk::Int16 kClosed = 1;
constexpr Adesk::Int16 kSplineFit = 4;
constexpr Adesk::Int16 k3dPolyline = 8;
// Vertex flags: 16 spline frame control point, 32 3D polyline vertex.
constexpr Adesk::Int16 kControlVertex = 16;
constexpr Adesk::Int16 k3dVertex = 32;

Adesk::Int16 curveTypeCode(AcDb::Poly3dType type) {
    return type == AcDb::k3dQuadSplinePoly ? 5 : type == AcDb::k3dCubicSplinePoly ? 6 : 0;
}

}  // namespace

// Vertices -------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolylineVertex::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbVertex::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(static_cast<Adesk::Int16>(type_));
    filer->writePoint3d(position_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbVertex::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 type = 0;
    AcGePoint3d position;
    filer->readInt16(&type);
    filer->readPoint3d(&position);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (type < AcDb::k3dSimpleVertex || type > AcDb::k3dFitVertex) return Acad::eDwgObjectImproperlyRead;
    type_ = static_cast<AcDb::Vertex3dType>(type);
    position_ = position;
    return Acad::eOk;
}

// 100 "AcDbVertex", 100 "AcDb3dPolylineVertex", 10 location, 70 flags.
Acad::ErrorStatus AcDb3dPolylineVertex::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbVertex::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbVertex");
    filer->writeString(AcDb::kDxfSubclass, L"AcDb3dPolylineVertex");
    filer->writePoint3d(AcDb::kDxfXCoord, position_);
    const Adesk::Int16 flags = k3dVertex | (type_ == AcDb::k3dControlVertex ? kControlVertex : 0);
    filer->writeInt16(kFlags, flags);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbVertex::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbVertex");
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDb3dPolylineVertex");
    if (status != Acad::eOk) return status;
    return rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        if (group.restype == AcDb::kDxfXCoord) position_ = rvnhost::groupPoint(group);
        if (group.restype == kFlags) {
            if ((group.resval.rint & kControlVertex) != 0) type_ = AcDb::k3dControlVertex;
            else if ((group.resval.rint & 8) != 0) type_ = AcDb::k3dFitVertex;
            else type_ = AcDb::k3dSimpleVertex;
        }
        return Acad::eOk;
    });
}

// Polylines ------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDb3dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(static_cast<Adesk::Int16>(type_));
    filer->writeBool(closed_);
    return vertices_.dwgOut(filer);
}

Acad::ErrorStatus AcDb3dPolyline::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 type = 0;
    bool closed = false;
    filer->readInt16(&type);
    filer->readBool(&closed);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (type < AcDb::k3dSimplePoly || type > AcDb::k3dCubicSplinePoly) return Acad::eDwgObjectImproperlyRead;
    status = vertices_.dwgIn(filer);
    if (status != Acad::eOk) return status;
    type_ = static_cast<AcDb::Poly3dType>(type);
    closed_ = closed;
    return Acad::eOk;
}

// 100 "AcDb3dPolyline", 66 1 (vertices follow), 10 a zero point, 70 flags, 75 curve type of a
// spline-fit polyline.
Acad::ErrorStatus AcDb3dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDb3dPolyline");
    filer->writeInt16(kVerticesFollow, 1);
    filer->writePoint3d(AcDb::kDxfXCoord, AcGePoint3d::kOrigin);
    const Adesk::Int16 flags = k3dPolyline | (closed_ ? kClosed : 0) | (type_ != AcDb::k3dSimplePoly ? kSplineFit : 0);
    filer->writeInt16(kFlags, flags);
    if (type_ != AcDb::k3dSimplePoly) filer->writeInt16(kCurveType, curveTypeCode(type_));
    return filer->filerStatus();
}

// A spline-fit polyline without a curve type (75) is cubic, as DXF readers take it.
Acad::ErrorStatus AcDb3dPolyline::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDb3dPolyline");
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = k3dPolyline, curveType = 0;
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        if (group.restype == kFlags) flags = group.resval.rint;
        if (group.restype == kCurveType) curveType = group.resval.rint;
        return Acad::eOk;
    });
    if (status != Acad::eOk) return status;
    closed_ = (flags & kClosed) != 0;
    type_ = AcDb::k3dSimplePoly;
    if ((flags & kSplineFit) != 0) type_ = curveType == 5 ? AcDb::k3dQuadSplinePoly : AcDb::k3dCubicSplinePoly;
    return Acad::eOk;
}
