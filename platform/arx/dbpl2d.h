// A 2D polyline (DXF "POLYLINE" without flag 8) and its vertices (DXF "VERTEX"), closed by a
// sequence end. The polyline lies in the plane square to its normal at its elevation; vertex
// positions are in that plane's coordinate system (OCS). A segment with a bulge is an arc.
#pragma once

#include "dbpl_vertices.h"

namespace AcDb {
enum Poly2dType { k2dSimplePoly = 0, k2dFitCurvePoly = 1, k2dQuadSplinePoly = 2, k2dCubicSplinePoly = 3 };
enum Vertex2dType { k2dVertex = 0, k2dSplineCtlVertex = 1, k2dSplineFitVertex = 2, k2dCurveFitVertex = 3 };
}  // namespace AcDb

class AcDb2dVertex : public AcDbVertex {
public:
    ACRX_DECLARE_MEMBERS(AcDb2dVertex);

    AcDb2dVertex() = default;
    AcDb2dVertex(const AcGePoint3d& position, double bulge = 0.0, double startWidth = 0.0, double endWidth = 0.0,
                 double tangent = 0.0);

    AcDb::Vertex2dType vertexType() const { return type_; }
    // The position in the polyline's OCS (AcDb2dPolyline::vertexPosition gives the WCS point).
    AcGePoint3d position() const { return position_; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    double bulge() const { return bulge_; }
    Acad::ErrorStatus setBulge(double bulge);
    // Widths are 0 or more (eInvalidInput otherwise).
    double startWidth() const { return startWidth_; }
    Acad::ErrorStatus setStartWidth(double width);
    double endWidth() const { return endWidth_; }
    Acad::ErrorStatus setEndWidth(double width);
    bool isTangentUsed() const { return tangentUsed_; }
    double tangent() const { return tangent_; }
    Acad::ErrorStatus setTangent(double tangent);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    friend class AcDb2dPolyline;
    template <class, class>
    friend class rvnhost::PolylineVertices;
    AcDb::Vertex2dType type_ = AcDb::k2dVertex;
    AcGePoint3d position_;
    double bulge_ = 0.0;
    double startWidth_ = 0.0;
    double endWidth_ = 0.0;
    double tangent_ = 0.0;
    bool tangentUsed_ = false;
};

class AcDb2dPolyline : public rvnhost::PolylineVertices<AcDb2dVertex, AcDb::Vertex2dType> {
public:
    ACRX_DECLARE_MEMBERS(AcDb2dPolyline);

    AcDb2dPolyline() = default;
    // A polyline with a vertex at each point (OCS; their Z is the elevation's).
    AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation = 0.0,
                   bool closed = false, double defaultStartWidth = 0.0, double defaultEndWidth = 0.0);

    AcDb::Poly2dType polyType() const { return type_; }
    Acad::ErrorStatus setPolyType(AcDb::Poly2dType type);
    double elevation() const { return elevation_; }
    Acad::ErrorStatus setElevation(double elevation);
    AcGeVector3d normal() const { return normal_; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double thickness() const { return thickness_; }
    Acad::ErrorStatus setThickness(double thickness);
    double defaultStartWidth() const { return defaultStartWidth_; }
    Acad::ErrorStatus setDefaultStartWidth(double width);
    double defaultEndWidth() const { return defaultEndWidth_; }
    Acad::ErrorStatus setDefaultEndWidth(double width);
    bool isLinetypeGenerationOn() const { return plinegen_; }
    Acad::ErrorStatus setLinetypeGenerationOn(bool on);

    // The WCS position of a vertex of this polyline.
    AcGePoint3d vertexPosition(const AcDb2dVertex& vertex) const;

    AcGePoint3dArray pathPoints() const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    AcDb::Vertex2dType newVertexType() const override;
    // Moves, turns and uniform scaling (eCannotScaleNonUniformly otherwise).
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;

private:
    AcDb::Poly2dType type_ = AcDb::k2dSimplePoly;
    bool plinegen_ = false;
    double elevation_ = 0.0;
    AcGeVector3d normal_ = AcGeVector3d::kZAxis;
    double thickness_ = 0.0;
    double defaultStartWidth_ = 0.0;
    double defaultEndWidth_ = 0.0;
};
