// A 3D polyline (DXF "POLYLINE" with flag 8) and its vertices (DXF "VERTEX" with flag 32), closed
// by a sequence end. The vertices are objects of their own, each reached by id and carrying its
// own extended data. A spline-fit polyline is drawn as the uniform B-spline of its vertices
// (quadratic or cubic), which are then its control points.
#pragma once

#include "dbpl_vertices.h"

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
    template <class, class>
    friend class rvnhost::PolylineVertices;
    AcDb::Vertex3dType type_ = AcDb::k3dSimpleVertex;
    AcGePoint3d position_;
};

class AcDb3dPolyline : public rvnhost::PolylineVertices<AcDb3dPolylineVertex, AcDb::Vertex3dType> {
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

    AcGePoint3dArray pathPoints() const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    AcDb::Vertex3dType newVertexType() const override;
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;

private:
    AcDb::Poly3dType type_ = AcDb::k3dSimplePoly;
};
