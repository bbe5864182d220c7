#include "dbline.h"

#include "builtin_class.h"
#include "db_entity_dxf.h"
#include "dbents_setter.h"
#include "dbfiler.h"
#include "gemat3d.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbLine)

using rvnhost::setWhenWritable;

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) { return setWhenWritable(*this, start_, point); }

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) { return setWhenWritable(*this, end_, point); }

Acad::ErrorStatus AcDbLine::setThickness(double thickness) { return setWhenWritable(*this, thickness_, thickness); }

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& normal) {
    if (normal.isZeroLength()) return Acad::eInvalidNormal;
    return setWhenWritable(*this, normal_, normal.normal());
}

Acad::ErrorStatus AcDbLine::subTransformBy(const AcGeMatrix3d& xform) {
    const AcGeVector3d normal = xform * normal_;
    if (normal.isZeroLength()) return Acad::eNotApplicable;
    thickness_ *= normal.length();
    normal_ = normal.normal();
    start_.transformBy(xform);
    end_.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writePoint3d(start_);
    filer->writePoint3d(end_);
    filer->writeDouble(thickness_);
    filer->writeVector3d(normal_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcGePoint3d start, end;
    double thickness = 0.0;
    AcGeVector3d normal;
    filer->readPoint3d(&start);
    filer->readPoint3d(&end);
    filer->readDouble(&thickness);
    filer->readVector3d(&normal);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (normal.isZeroLength()) return Acad::eDwgObjectImproperlyRead;
    start_ = start;
    end_ = end;
    thickness_ = thickness;
    normal_ = normal.normal();
    return Acad::eOk;
}

// 100 "AcDbLine", 39 thickness (when not 0), 10 start, 11 end, 210 extrusion (when not Z).
Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbCurve::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbLine");
    if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
    filer->writePoint3d(AcDb::kDxfXCoord, start_);
    filer->writePoint3d(static_cast<AcDb::DxfCode>(11), end_);
    return rvnhost::writeNormal(filer, normal_);
}

Acad::ErrorStatus AcDbLine::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbCurve::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbLine");
    if (status != Acad::eOk) return status;
    return rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case AcDb::kDxfThickness: thickness_ = group.resval.rreal; break;
        case AcDb::kDxfXCoord: start_ = rvnhost::groupPoint(group); break;
        case 11: end_ = rvnhost::groupPoint(group); break;
        case AcDb::kDxfNormalX: return rvnhost::readNormal(filer, group, normal_);
        default: break;
        }
        return Acad::eOk;
    });
}
