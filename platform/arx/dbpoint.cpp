#include "dbpoint.h"

#include "builtin_class.h"
#include "db_entity_dxf.h"
#include "db_entity_extents.h"
#include "dbents_setter.h"
#include "dbfiler.h"
#include "gemat3d.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbPoint)

using rvnhost::setWhenWritable;

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
    return setWhenWritable(*this, position_, position);
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness) { return setWhenWritable(*this, thickness_, thickness); }

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal) {
    if (normal.isZeroLength()) return Acad::eInvalidNormal;
    return setWhenWritable(*this, normal_, normal.normal());
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double rotation) { return setWhenWritable(*this, ecsRotation_, rotation); }

Acad::ErrorStatus AcDbPoint::subGetGeomExtents(AcDbExtents& extents) const {
    extents.addPoint(position_);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subTransformBy(const AcGeMatrix3d& xform) {
    const AcGeVector3d normal = xform * normal_;
    if (normal.isZeroLength()) return Acad::eNotApplicable;
    thickness_ *= normal.length();
    normal_ = normal.normal();
    position_.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writePoint3d(position_);
    filer->writeDouble(thickness_);
    filer->writeVector3d(normal_);
    filer->writeDouble(ecsRotation_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcGePoint3d position;
    double thickness = 0.0, rotation = 0.0;
    AcGeVector3d normal;
    filer->readPoint3d(&position);
    filer->readDouble(&thickness);
    filer->readVector3d(&normal);
    filer->readDouble(&rotation);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (normal.isZeroLength()) return Acad::eDwgObjectImproperlyRead;
    position_ = position;
    thickness_ = thickness;
    normal_ = normal.normal();
    ecsRotation_ = rotation;
    return Acad::eOk;
}

// 100 "AcDbPoint", 10 location, 39 thickness (when not 0), 210 extrusion (when not Z), 50 the
// angle of the X axis (when not 0).
Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbPoint");
    filer->writePoint3d(AcDb::kDxfXCoord, position_);
    if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
    rvnhost::writeNormal(filer, normal_);
    if (ecsRotation_ != 0.0) filer->writeAngle(AcDb::kDxfAngle, ecsRotation_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbPoint");
    if (status != Acad::eOk) return status;
    return rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case AcDb::kDxfXCoord: position_ = rvnhost::groupPoint(group); break;
        case AcDb::kDxfThickness: thickness_ = group.resval.rreal; break;
        case AcDb::kDxfAngle: ecsRotation_ = group.resval.rreal; break;
        case AcDb::kDxfNormalX: return rvnhost::readNormal(filer, group, normal_);
        default: break;
        }
        return Acad::eOk;
    });
}
