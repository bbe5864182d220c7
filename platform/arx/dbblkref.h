// A reference of a block definition placed in the drawing (DXF "INSERT"), with the attributes it
// carries (DXF "ATTRIB", closed by "SEQEND"). The block's entities are drawn through the block
// transform: from the block's coordinates, relative to its origin, to the world.
#pragma once

#include "db_entity_owned.h"
#include "dbentity.h"
#include "gemat3d.h"

class AcDbAttribute;
class AcDbObjectIterator;

class AcDbBlockReference : public AcDbEntity, public rvnhost::ComplexEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference);

    AcDbBlockReference() = default;
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);

    AcDbObjectId blockTableRecord() const { return block_; }
    // eInvalidInput unless the id is a block definition (of the reference's database).
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId block);
    // The insertion point (WCS).
    AcGePoint3d position() const { return position_; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    // eInvalidInput for a zero factor.
    AcGeScale3d scaleFactors() const { return scale_; }
    Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
    // Radians, counter-clockwise in the reference's plane.
    double rotation() const { return rotation_; }
    Acad::ErrorStatus setRotation(double angle);
    AcGeVector3d normal() const { return normal_; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

    // The move to the position, the rotation and the scaling, applied to block coordinates taken
    // relative to the block's origin.
    AcGeMatrix3d blockTransform() const;
    // Sets position, rotation, scale factors and normal from a transform of that form;
    // eCannotScaleNonUniformly for a matrix that shears.
    Acad::ErrorStatus setBlockTransform(const AcGeMatrix3d& transform);

    // Adds an attribute to the reference. With the reference in a database the attribute joins it
    // open for write (close it); else the reference holds it until it joins one.
    Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
    Acad::ErrorStatus appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute);
    // The caller deletes the iterator.
    AcDbObjectIterator* attributeIterator() const;
    // Opens one of the reference's attributes: eInvalidInput for an attribute of another owner.
    Acad::ErrorStatus openAttribute(AcDbAttribute*& attribute, AcDbObjectId id, AcDb::OpenMode mode,
                                    bool openErased = false) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

    rvnhost::SubentityList& subentityList() override { return attributes_; }
    const rvnhost::SubentityList& subentityList() const override { return attributes_; }
    bool acceptsSubentity(const AcDbEntity& entity) const override;
    bool alwaysHasSequenceEnd() const override { return false; }

protected:
    // The block's entities through the block transform, and the attributes.
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    // Moves the reference and its attributes.
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus subErase(bool erasing) override;

private:
    AcDbObjectId block_;
    AcGePoint3d position_;
    AcGeScale3d scale_;
    double rotation_ = 0.0;
    AcGeVector3d normal_ = AcGeVector3d::kZAxis;
    rvnhost::SubentityList attributes_;
};
