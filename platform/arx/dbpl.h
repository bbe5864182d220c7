// The lightweight polyline (DXF "LWPOLYLINE"): its vertices are held in the entity itself, as
// points of its plane (OCS) with a bulge and two widths each.
#pragma once

#include <vector>

#include "dbents_curve.h"
#include "gelineseg3d.h"
#include "gepnt2d.h"

class AcDbPolyline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbPolyline);

    AcDbPolyline() = default;
    explicit AcDbPolyline(unsigned int reserve);

    unsigned int numVerts() const { return static_cast<unsigned int>(vertices_.size()); }
    // Inserts a vertex before index (numVerts() appends). A negative width takes the constant
    // width of the polyline, or 0. eInvalidIndex past the end.
    Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge = 0.0,
                                  double startWidth = -1.0, double endWidth = -1.0);
    Acad::ErrorStatus removeVertexAt(unsigned int index);
    // The point in the plane (OCS), or in the world (WCS, at the elevation).
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& point) const;
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
    Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& point);
    Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
    Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
    Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
    // eInvalidInput for a negative width.
    Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
    // eNotApplicable when the widths differ along the polyline.
    Acad::ErrorStatus getConstantWidth(double& width) const;
    Acad::ErrorStatus setConstantWidth(double width);
    // The straight segment from the vertex at index to the next (WCS): eNotApplicable for an arc.
    Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg3d& segment) const;

    bool isClosed() const override { return closed_; }
    Acad::ErrorStatus setClosed(bool closed);
    double elevation() const { return elevation_; }
    Acad::ErrorStatus setElevation(double elevation);
    AcGeVector3d normal() const { return normal_; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
    double thickness() const { return thickness_; }
    Acad::ErrorStatus setThickness(double thickness);
    bool hasPlinegen() const { return plinegen_; }
    Acad::ErrorStatus setPlinegen(bool plinegen);
    bool hasBulges() const;
    bool hasWidth() const;
    bool isOnlyLines() const { return !hasBulges(); }

    AcGePoint3dArray pathPoints() const override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    // Moves, turns about the normal and uniform scaling (eCannotScaleNonUniformly otherwise).
    Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;

private:
    struct Vertex {
        AcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
    };
    Acad::ErrorStatus checkIndex(unsigned int index) const;
    Acad::ErrorStatus readDxfVertex(AcDbDxfFiler* filer, const resbuf& group);

    std::vector<Vertex> vertices_;
    bool closed_ = false;
    bool plinegen_ = false;
    double elevation_ = 0.0;
    double thickness_ = 0.0;
    AcGeVector3d normal_ = AcGeVector3d::kZAxis;
};
