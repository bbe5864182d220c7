// Entities: the objects of a drawing that are drawn. Each lies on a layer and has a colour and a
// linetype, which may defer to the layer's ("BYLAYER") or to the block reference's ("BYBLOCK").
#pragma once

#include "dbobject.h"

class AcDbExtents;
class AcGeMatrix3d;
class AcGePoint3dArray;

namespace AcDb {
// Which of the two entities of intersectWith count beyond their ends.
enum Intersect { kOnBothOperands = 0, kExtendThis = 1, kExtendArg = 2, kExtendBoth = 3 };
}  // namespace AcDb

namespace rvnhost {
struct EntityGeometry;
}

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);

    // The layer's name as a new string (free it with acutDelString), or null without a layer.
    ACHAR* layer() const;
    AcDbObjectId layerId() const { return layerId_; }
    // By name, in the entity's database (the working database for a new entity): eKeyNotFound
    // when there is no such layer. Both need the entity open for write.
    Acad::ErrorStatus setLayer(const ACHAR* newLayer, bool doSubents = true, bool allowHiddenLayer = false);
    Acad::ErrorStatus setLayer(AcDbObjectId newLayer, bool doSubents = true, bool allowHiddenLayer = false);

    // 0 BYBLOCK, 1 to 255 a colour, 256 BYLAYER (eBadColorIndex otherwise).
    Adesk::UInt16 colorIndex() const { return colorIndex_; }
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, bool doSubents = true);
    // The linetype's name as a new string (free it with acutDelString); "ByLayer" without one.
    ACHAR* linetype() const;
    AcDbObjectId linetypeId() const { return linetypeId_; }
    // By name or id, in the entity's database: eKeyNotFound (eInvalidInput) when there is none.
    Acad::ErrorStatus setLinetype(const ACHAR* newLinetype, bool doSubents = true);
    Acad::ErrorStatus setLinetype(AcDbObjectId newLinetype, bool doSubents = true);
    // Takes the layer, colour and linetype of another entity (of the same database).
    Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* other, bool doSubents = true);
    // Takes the database's current layer, and linetype BYLAYER when it has none (the working
    // database when db is null). A new entity's colour is BYLAYER already.
    void setDatabaseDefaults(AcDbDatabase* db = nullptr);

    // The box, parallel to the world axes, that holds the entity's geometry: eInvalidExtents for an
    // entity without geometry. Needs the entity open for read.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
    // Moves, turns or scales the entity: eNotApplicable when the entity cannot follow the matrix
    // (a shear, or a scaling it cannot take). Needs the entity open for write.
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
    // Appends to points where this entity meets ent, projected on the XY plane, in their order
    // along this entity; each point lies on this entity. An extended line is the infinite line;
    // an extended open polyline goes on beyond its ends along its first and last segments (a
    // straight one as a ray, an arc round its whole circle); a closed one has no ends. Overlapping
    // collinear pieces have no single point and give none. Lines, lightweight polylines and simple
    // 2D polylines (with arcs) are handled, in any pairing: eNotImplementedYet for other entities
    // or a polyline not lying in a plane parallel to XY, eInvalidInput for a null ent. The markers
    // are not used.
    Acad::ErrorStatus intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                    Adesk::GsMarker thisGsMarker = 0, Adesk::GsMarker otherGsMarker = 0) const;
    // Shows the entity now: the host records it in its draw list (db_entity_draw.h).
    Acad::ErrorStatus draw();

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    AcDbEntity() = default;
    virtual Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const;
    virtual Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform);

private:
    friend struct rvnhost::EntityGeometry;

    AcDbObjectId layerId_;
    AcDbObjectId linetypeId_;
    Adesk::UInt16 colorIndex_ = 256;
};
