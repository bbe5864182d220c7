#include "dbblkref.h"

#include <cmath>

#include "builtin_class.h"
#include "db_entity_extents.h"
#include "dbattr.h"
#include "dbents_setter.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbBlockReference)

using rvnhost::ObjectAccess;
using rvnhost::setWhenWritable;

namespace {

// Block definitions nested deeper than this are taken as a cycle and not followed.
constexpr int kMaxNesting = 32;

const AcDbBlockTableRecord* peekBlock(AcDbObjectId id) {
    return AcDbBlockTableRecord::cast(ObjectAccess::peek(id));
}

AcGePoint3d blockOrigin(AcDbObjectId block) {
    const AcDbBlockTableRecord* record = peekBlock(block);
    return record != nullptr ? record->origin() : AcGePoint3d::kOrigin;
}

void addBlockExtents(AcDbObjectId block, const AcGeMatrix3d& transform, AcDbExtents& extents, int depth);

// One entity of a block definition seen through the transform. Attribute definitions that are
// not constant are not shown by references (their attributes are).
void addEntityExtents(const AcDbEntity& entity, const AcGeMatrix3d& transform, AcDbExtents& extents, int depth) {
    const auto* definition = AcDbAttributeDefinition::cast(&entity);
    if (definition != nullptr && !definition->isConstant()) return;
    if (const auto* reference = AcDbBlockReference::cast(&entity)) {
        addBlockExtents(reference->blockTableRecord(), transform * reference->blockTransform(), extents, depth + 1);
        return;
    }
    AcDbExtents own;
    if (rvnhost::EntityGeometry::extents(entity, own) != Acad::eOk) return;
    own.transformBy(transform);
    extents.addExt(own);
}

void addBlockExtents(AcDbObjectId block, const AcGeMatrix3d& transform, AcDbExtents& extents, int depth) {
    const AcDbBlockTableRecord* record = peekBlock(block);
    if (record == nullptr || depth > kMaxNesting) return;
    for (AcDbObjectId id : record->entityIds()) {
        const AcDbEntity* entity = AcDbEntity::cast(ObjectAccess::peek(id));
        if (entity != nullptr && !id.isErased()) addEntityExtents(*entity, transform, extents, depth);
    }
}

}  // namespace

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : block_(blockTableRecord), position_(position) {}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId block) {
    if (block.isNull() || block.isErased() || peekBlock(block) == nullptr) return Acad::eInvalidInput;
    if (database() != nullptr && block.database() != database()) return Acad::eWrongDatabase;
    return setWhenWritable(*this, block_, block);
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
    return setWhenWritable(*this, position_, position);
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
    if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0) return Acad::eInvalidInput;
    return setWhenWritable(*this, scale_, scale);
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double angle) { return setWhenWritable(*this, rotation_, angle); }

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal) {
    if (normal.isZeroLength()) return Acad::eInvalidNormal;
    return setWhenWritable(*this, normal_, normal.normal());
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
    return AcGeMatrix3d::translation(position_.asVector()) * AcGeMatrix3d::planeToWorld(normal_) *
           AcGeMatrix3d::rotation(rotation_, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(scale_) *
           AcGeMatrix3d::translation(-blockOrigin(block_).asVector());
}

// The linear part is planeToWorld(normal) * rotation * scaling: its third column gives the normal
// and the Z factor; the first two, seen in the plane, the rotation and the X and Y factors (Y
// negative for a mirrored matrix).
Acad::ErrorStatus AcDbBlockReference::setBlockTransform(const AcGeMatrix3d& transform) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    AcGePoint3d origin;
    AcGeVector3d xColumn, yColumn, zColumn;
    transform.getCoordSystem(origin, xColumn, yColumn, zColumn);
    if (zColumn.isZeroLength() || xColumn.isZeroLength() || yColumn.isZeroLength()) return Acad::eInvalidInput;
    const AcGeVector3d normal = zColumn.normal();
    const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal);
    const AcGeVector3d x = toPlane * xColumn;
    const AcGeVector3d y = toPlane * yColumn;
    const double tolerance = 1e-9 * (x.length() + y.length());
    if (std::abs(x.z) > tolerance || std::abs(y.z) > tolerance || std::abs(x.dotProduct(y)) > tolerance * y.length()) {
        return Acad::eCannotScaleNonUniformly;
    }
    const double ySign = x.crossProduct(y).z < 0.0 ? -1.0 : 1.0;
    normal_ = normal;
    rotation_ = std::atan2(x.y, x.x);
    scale_ = AcGeScale3d(x.length(), ySign * y.length(), zColumn.length());
    position_ = transform * blockOrigin(block_);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
    AcDbObjectId id;
    return appendAttribute(id, attribute);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute) {
    id.setNull();
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    return attributes_.append(*this, id, attribute, true);
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const { return attributes_.newIterator(); }

Acad::ErrorStatus AcDbBlockReference::openAttribute(AcDbAttribute*& attribute, AcDbObjectId id, AcDb::OpenMode mode,
                                                    bool openErased) const {
    attribute = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    return rvnhost::openSubentity(attributes_, attribute, id, mode, openErased);
}

bool AcDbBlockReference::acceptsSubentity(const AcDbEntity& entity) const {
    return AcDbAttribute::cast(&entity) != nullptr;
}

Acad::ErrorStatus AcDbBlockReference::subGetGeomExtents(AcDbExtents& extents) const {
    addBlockExtents(block_, blockTransform(), extents, 0);
    for (const AcDbEntity* attribute : attributes_.live()) {
        AcDbExtents own;
        if (rvnhost::EntityGeometry::extents(*attribute, own) == Acad::eOk) extents.addExt(own);
    }
    return extents.isEmpty() ? Acad::eInvalidExtents : Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subTransformBy(const AcGeMatrix3d& xform) {
    const AcGeMatrix3d moved = xform * blockTransform();
    const Acad::ErrorStatus status = rvnhost::transformSubentities(attributes_, xform);
    return status == Acad::eOk ? setBlockTransform(moved) : status;
}

Acad::ErrorStatus AcDbBlockReference::subErase(bool erasing) {
    attributes_.markErased(erasing);
    return Acad::eOk;
}
