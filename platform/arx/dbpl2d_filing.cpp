// DWG and DXF filing of 2D polylines and their vertices. In DXF the vertices follow the polyline
// as VERTEX entities, then a SEQEND.
#include "db_entity_dxf.h"
#include "dbfiler.h"
#include "dbpl2d.h"

namespace {

constexpr AcDb::DxfCode kVerticesFollow = static_cast<AcDb::DxfCode>(66);
constexpr AcDb::DxfCode kFlags = AcDb::kDxfInt16;
constexpr AcDb::DxfCode kStartWidth = AcDb::kDxfReal;
constexpr AcDb::DxfCode kEndWidth = static_cast<AcDb::DxfCode>(41);
constexpr AcDb::DxfCode kBulge = static_cast<AcDb::DxfCode>(42);
constexpr AcDb::DxfCode kTangent = AcDb::kDxfAngle;
constexpr AcDb::DxfCode kCurveType = static_cast<AcDb::DxfCode>(75);

// Polyline flags: 1 closed, 2 curve-fit, 4 spline-fit, 128 linetype generation.
constexpr Adesk::Int16 kClosed = 1;
constexpr Adesk::Int16 kCurveFit = 2;
constexpr Adesk::Int16 kSplineFit = 4;
constexpr Adesk::Int16 kPlinegen = 128;
// Vertex flags: 1 made by curve fitting, 2 tangent given, 8 made by spline fitting, 16 spline
// frame control point.
constexpr Adesk::Int16 kCurveFitVertex = 1;
constexpr Adesk::Int16 kTangentUsed = 2;
constexpr Adesk::Int16 kSplineFitVertex = 8;
constexpr Adesk::Int16 kSplineControlVertex = 16;

Adesk::Int16 vertexFlags(AcDb::Vertex2dType type, bool tangentUsed) {
    Adesk::Int16 flags = tangentUsed ? kTangentUsed : 0;
    if (type == AcDb::k2dCurveFitVertex) flags |= kCurveFitVertex;
    if (type == AcDb::k2dSplineFitVertex) flags |= kSplineFitVertex;
    if (type == AcDb::k2dSplineCtlVertex) flags |= kSplineControlVertex;
    return flags;
}

AcDb::Vertex2dType vertexTypeOfFlags(Adesk::Int16 flags) {
    if ((flags & kSplineControlVertex) != 0) return AcDb::k2dSplineCtlVertex;
    if ((flags & kSplineFitVertex) != 0) return AcDb::k2dSplineFitVertex;
    if ((flags & kCurveFitVertex) != 0) return AcDb::k2dCurveFitVertex;
    return AcDb::k2dVertex;
}

Adesk::Int16 polylineFlags(AcDb::Poly2dType type, bool closed, bool plinegen) {
    Adesk::Int16 flags = (closed ? kClosed : 0) | (plinegen ? kPlinegen : 0);
    if (type == AcDb::k2dFitCurvePoly) flags |= kCurveFit;
    if (type == AcDb::k2dQuadSplinePoly || type == AcDb::k2dCubicSplinePoly) flags |= kSplineFit;
    return flags;
}

// A spline-fit polyline without a curve type (75) is cubic, as DXF readers take it.
AcDb::Poly2dType polylineType(Adesk::Int16 flags, Adesk::Int16 curveType) {
    if ((flags & kSplineFit) != 0) return curveType == 5 ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly;
    return (flags & kCurveFit) != 0 ? AcDb::k2dFitCurvePoly : AcDb::k2dSimplePoly;
}

bool isWidth(double value) { return value >= 0.0; }

}  // namespace

// Vertices -------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDb2dVertex::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbVertex::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(static_cast<Adesk::Int16>(type_));
    filer->writePoint3d(position_);
    for (double value : {bulge_, startWidth_, endWidth_, tangent_}) filer->writeDouble(value);
    filer->writeBool(tangentUsed_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbVertex::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcDb2dVertex read;
    Adesk::Int16 type = 0;
    filer->readInt16(&type);
    filer->readPoint3d(&read.position_);
    for (double* value : {&read.bulge_, &read.startWidth_, &read.endWidth_, &read.tangent_}) filer->readDouble(value);
    filer->readBool(&read.tangentUsed_);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (type < AcDb::k2dVertex || type > AcDb::k2dCurveFitVertex || !isWidth(read.startWidth_) ||
        !isWidth(read.endWidth_)) {
        return Acad::eDwgObjectImproperlyRead;
    }
    type_ = static_cast<AcDb::Vertex2dType>(type);
    position_ = read.position_;
    bulge_ = read.bulge_;
    startWidth_ = read.startWidth_;
    endWidth_ = read.endWidth_;
    tangent_ = read.tangent_;
    tangentUsed_ = read.tangentUsed_;
    return Acad::eOk;
}

// 100 "AcDbVertex", 100 "AcDb2dVertex", 10 location (OCS), 40 41 widths and 42 bulge when not 0,
// 70 flags, 50 tangent when given.
Acad::ErrorStatus AcDb2dVertex::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbVertex::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbVertex");
    filer->writeString(AcDb::kDxfSubclass, L"AcDb2dVertex");
    filer->writePoint3d(AcDb::kDxfXCoord, position_);
    if (startWidth_ != 0.0) filer->writeDouble(kStartWidth, startWidth_);
    if (endWidth_ != 0.0) filer->writeDouble(kEndWidth, endWidth_);
    if (bulge_ != 0.0) filer->writeDouble(kBulge, bulge_);
    filer->writeInt16(kFlags, vertexFlags(type_, tangentUsed_));
    if (tangentUsed_) filer->writeAngle(kTangent, tangent_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbVertex::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbVertex");
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDb2dVertex");
    if (status != Acad::eOk) return status;
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case AcDb::kDxfXCoord: position_ = rvnhost::groupPoint(group); break;
        case kStartWidth: startWidth_ = group.resval.rreal; break;
        case kEndWidth: endWidth_ = group.resval.rreal; break;
        case kBulge: bulge_ = group.resval.rreal; break;
        case kTangent: tangent_ = group.resval.rreal; break;
        case kFlags:
            type_ = vertexTypeOfFlags(group.resval.rint);
            tangentUsed_ = (group.resval.rint & kTangentUsed) != 0;
            break;
        default: break;
        }
        return Acad::eOk;
    });
    if (status == Acad::eOk && (!isWidth(startWidth_) || !isWidth(endWidth_))) {
        return filer->setError(Acad::eInvalidInput, L"\nError: a negative vertex width");
    }
    return status;
}

// Polylines ------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDb2dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(static_cast<Adesk::Int16>(type_));
    filer->writeBool(closed_);
    filer->writeBool(plinegen_);
    filer->writeDouble(elevation_);
    filer->writeVector3d(normal_);
    for (double value : {thickness_, defaultStartWidth_, defaultEndWidth_}) filer->writeDouble(value);
    return vertices_.dwgOut(filer);
}

Acad::ErrorStatus AcDb2dPolyline::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 type = 0;
    bool closed = false, plinegen = false;
    double elevation = 0.0, thickness = 0.0, startWidth = 0.0, endWidth = 0.0;
    AcGeVector3d normal;
    filer->readInt16(&type);
    filer->readBool(&closed);
    filer->readBool(&plinegen);
    filer->readDouble(&elevation);
    filer->readVector3d(&normal);
    for (double* value : {&thickness, &startWidth, &endWidth}) filer->readDouble(value);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (type < AcDb::k2dSimplePoly || type > AcDb::k2dCubicSplinePoly || normal.isZeroLength() ||
        !isWidth(startWidth) || !isWidth(endWidth)) {
        return Acad::eDwgObjectImproperlyRead;
    }
    status = vertices_.dwgIn(filer);
    if (status != Acad::eOk) return status;
    type_ = static_cast<AcDb::Poly2dType>(type);
    closed_ = closed;
    plinegen_ = plinegen;
    elevation_ = elevation;
    normal_ = normal.normal();
    thickness_ = thickness;
    defaultStartWidth_ = startWidth;
    defaultEndWidth_ = endWidth;
    return Acad::eOk;
}

// 100 "AcDb2dPolyline", 66 1 (vertices follow), 10 (0, 0, elevation), 39 thickness, 70 flags,
// 40 41 default widths, 75 curve type, 210 extrusion; defaults are left out.
Acad::ErrorStatus AcDb2dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDb2dPolyline");
    filer->writeInt16(kVerticesFollow, 1);
    filer->writePoint3d(AcDb::kDxfXCoord, AcGePoint3d(0.0, 0.0, elevation_));
    if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
    filer->writeInt16(kFlags, polylineFlags(type_, closed_, plinegen_));
    if (defaultStartWidth_ != 0.0) filer->writeDouble(kStartWidth, defaultStartWidth_);
    if (defaultEndWidth_ != 0.0) filer->writeDouble(kEndWidth, defaultEndWidth_);
    if (type_ == AcDb::k2dQuadSplinePoly) filer->writeInt16(kCurveType, 5);
    if (type_ == AcDb::k2dCubicSplinePoly) filer->writeInt16(kCurveType, 6);
    return rvnhost::writeNormal(filer, normal_);
}

Acad::ErrorStatus AcDb2dPolyline::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDb2dPolyline");
    if (status != Acad::eOk) return status;
    Adesk::Int16 flags = 0, curveType = 0;
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case AcDb::kDxfXCoord: elevation_ = group.resval.rpoint[2]; break;
        case AcDb::kDxfThickness: thickness_ = group.resval.rreal; break;
        case kFlags: flags = group.resval.rint; break;
        case kStartWidth: defaultStartWidth_ = group.resval.rreal; break;
        case kEndWidth: defaultEndWidth_ = group.resval.rreal; break;
        case kCurveType: curveType = group.resval.rint; break;
        case AcDb::kDxfNormalX: return rvnhost::readNormal(filer, group, normal_);
        default: break;
        }
        return Acad::eOk;
    });
    if (status != Acad::eOk) return status;
    if (!isWidth(defaultStartWidth_) || !isWidth(defaultEndWidth_)) {
        return filer->setError(Acad::eInvalidInput, L"\nError: a negative polyline width");
    }
    type_ = polylineType(flags, curveType);
    closed_ = (flags & kClosed) != 0;
    plinegen_ = (flags & kPlinegen) != 0;
    return Acad::eOk;
}
