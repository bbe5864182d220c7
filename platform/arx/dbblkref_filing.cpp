// DWG and DXF filing of block references. The attributes are objects of their own: the reference
// files their ids (DWG), or they follow it as ATTRIB entities and a SEQEND (DXF).
#include "db_entity_dxf.h"
#include "dbblkref.h"
#include "dbfiler.h"
#include "dbsymtb.h"
#include "object_access.h"

namespace {

constexpr AcDb::DxfCode kAttributesFollow = static_cast<AcDb::DxfCode>(66);
constexpr AcDb::DxfCode kBlockName = AcDb::kDxfSymbolTableName;
constexpr AcDb::DxfCode kScaleX = static_cast<AcDb::DxfCode>(41);
constexpr AcDb::DxfCode kScaleY = static_cast<AcDb::DxfCode>(42);
constexpr AcDb::DxfCode kScaleZ = static_cast<AcDb::DxfCode>(43);

AcDbObjectId blockNamed(AcDbDatabase* database, const ACHAR* name) {
    if (database == nullptr) return AcDbObjectId();
    auto* table = static_cast<AcDbSymbolTable*>(rvnhost::ObjectAccess::peek(database->blockTableId()));
    return table != nullptr ? table->findRecord(name, false) : AcDbObjectId();
}

}  // namespace

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeHardPointerId(block_);
    filer->writePoint3d(position_);
    for (double factor : {scale_.sx, scale_.sy, scale_.sz, rotation_}) filer->writeDouble(factor);
    filer->writeVector3d(normal_);
    return attributes_.dwgOut(filer);
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcDbHardPointerId block;
    AcGePoint3d position;
    AcGeScale3d scale;
    double rotation = 0.0;
    AcGeVector3d normal;
    filer->readHardPointerId(&block);
    filer->readPoint3d(&position);
    for (double* value : {&scale.sx, &scale.sy, &scale.sz, &rotation}) filer->readDouble(value);
    filer->readVector3d(&normal);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (normal.isZeroLength() || scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0) {
        return Acad::eDwgObjectImproperlyRead;
    }
    status = attributes_.dwgIn(filer);
    if (status != Acad::eOk) return status;
    block_ = block;
    position_ = position;
    scale_ = scale;
    rotation_ = rotation;
    normal_ = normal.normal();
    return Acad::eOk;
}

// 100 "AcDbBlockReference", 66 1 when attributes follow, 2 block name, 10 insertion point (OCS),
// 41 42 43 scale factors, 50 rotation, 210 extrusion; defaults are left out.
Acad::ErrorStatus AcDbBlockReference::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbBlockReference");
    if (!attributes_.fileOrder().empty()) filer->writeInt16(kAttributesFollow, 1);
    filer->writeString(kBlockName, AcDbSymbolTable::recordName(block_).c_str());
    filer->writePoint3d(AcDb::kDxfXCoord, AcGeMatrix3d::worldToPlane(normal_) * position_);
    if (scale_.sx != 1.0) filer->writeDouble(kScaleX, scale_.sx);
    if (scale_.sy != 1.0) filer->writeDouble(kScaleY, scale_.sy);
    if (scale_.sz != 1.0) filer->writeDouble(kScaleZ, scale_.sz);
    if (rotation_ != 0.0) filer->writeAngle(AcDb::kDxfAngle, rotation_);
    return rvnhost::writeNormal(filer, normal_);
}

// The attributes that follow in the file join the reference through the reader.
Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dxfInFields(filer);
    if (status == Acad::eOk) status = rvnhost::expectSubclass(filer, L"AcDbBlockReference");
    if (status != Acad::eOk) return status;
    AcGePoint3d position;
    status = rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        switch (group.restype) {
        case kBlockName:
            block_ = blockNamed(filer->database() != nullptr ? filer->database() : database(), group.resval.rstring);
            if (block_.isNull()) return filer->setError(Acad::eKeyNotFound, L"\nError: unknown block %ls", group.resval.rstring);
            break;
        case AcDb::kDxfXCoord: position = rvnhost::groupPoint(group); break;
        case kScaleX: scale_.sx = group.resval.rreal; break;
        case kScaleY: scale_.sy = group.resval.rreal; break;
        case kScaleZ: scale_.sz = group.resval.rreal; break;
        case AcDb::kDxfAngle: rotation_ = group.resval.rreal; break;
        case AcDb::kDxfNormalX: return rvnhost::readNormal(filer, group, normal_);
        default: break;
        }
        return Acad::eOk;
    });
    if (status != Acad::eOk) return status;
    if (block_.isNull()) return filer->setError(Acad::eMissingDxfField, L"\nError: a block reference without its block (group 2)");
    if (scale_.sx == 0.0 || scale_.sy == 0.0 || scale_.sz == 0.0) {
        return filer->setError(Acad::eInvalidInput, L"\nError: a block reference scaled by 0");
    }
    position_ = AcGeMatrix3d::planeToWorld(normal_) * position;
    return Acad::eOk;
}
