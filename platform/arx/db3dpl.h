// A 3D polyline (DXF "POLYLINE" with flag 8) and its vertices (DXF "VERTEX" with flag 32), closed
// by a sequence end. The vertices are objects of their own, each reached by id and carrying its
// own extended data. A spline-fit polyline is drawn as the uniform B-spline of its vertices
// (quadratic or cubic), which are then its control points.
#pragma once

#include "db_entity_owned.h"
#include "dbents_curve.h"
#include "dbents_vertex.h"

class AcDbObjectIterator;

namespace AcDb {
enum Poly3dType { k3dSimplePoly = 0, k3dQuadSplinePoly = 1, k3dCubicSplinePoly = 2 };
enum Vertex3dType { k3dSimpleVertex = 0, k3dControlVertex = 1, k3dFitVertex = 2 };
}  // namespace AcDb

class AcDb3dPolylineVertex : public AcDbVertex {
public:
    ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);

    AcDb3dPolylineVertex() = default;
    explicit AcDb3dPolylineVertex(const AcGePoint3d& position) : position_(position) {}

    AcDb::Vertex3dType vertexType() const { return type_; }
    // The position (WCS).
    AcGePoint3d position() const { return position_; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;

private:
    friend class AcDb3dPolyline;
    AcDb::Vertex3dType type_ = AcDb::k3dSimpleVertex;
    AcGePoint3d position_;
};

class AcDb3dPolyline : public AcDbCurve, public rvnhost::ComplexEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDb3dPolyline);

    AcDb3dPolyline() = default;
    // A polyline holding a vertex at each point.
    AcDb3dPolyline(AcDb::Poly3dType type, const AcGePoint3dArray& vertices, bool closed = false);

    AcDb::Poly3dType polyType() const { return type_; }
    // eInvalidInput for a type out of range. The vertices become control points of a spline-fit
    // type, simple ones again of the simple type.
    Acad::ErrorStatus setPolyType(AcDb::Poly3dType type);
    Acad::ErrorStatus convertToPolyType(AcDb::Poly3dType type) { return setPolyType(type); }
    Acad::ErrorStatus straighten() { return setPolyType(AcDb::k3dSimplePoly); }
    bool isClosed() const override { return closed_; }
    Acad::ErrorStatus makeClosed();
    Acad::ErrorStatus makeOpen();

    // Adds a vertex at the end. With the polyline in a database the vertex joins it open for write
    // (close it); else the polyline holds it until it joins one.
    Acad::ErrorStatus appendVertex(AcDb3dPolylineVertex* vertex);
    Acad::ErrorStatus appendVertex(AcDbObjectId& id, AcDb3dPolylineVertex* vertex);
    // Opens one of the polyline's vertices: eInvalidInput for a vertex of another owner.
    Acad::ErrorStatus openVertex(AcDb3dPolylineVertex*& vertex, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false) const;
    Acad::ErrorStatus openSequenceEnd(AcDbSequenceEnd*& end, AcDb::OpenMode mode) const;
    // The caller deletes the iterator.
    AcDbObjectIterator* vertexIterator() const;

    AcGePoint3dArray pathPoints() const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

    rvnhost::SubentityList& subentityList() override { return vertices_; }
    const rvnhost::SubentityList& subentityList() const override { return vertices_; }
    bool acceptsSubentity(const AcDbEntity& entity) const override;
    bool alwaysHasSequenceEnd() const override { return true; }

protected:
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus subErase(bool erasing) override;

private:
    AcDb::Vertex3dType newVertexType() const;

    AcDb::Poly3dType type_ = AcDb::k3dSimplePoly;
    bool closed_ = false;
    rvnhost::SubentityList vertices_;
};
