// Curves: entities drawn as a path (lines, polylines).
#pragma once

#include "dbentity.h"
#include "gept3dar.h"

class AcDbCurve : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbCurve);

    virtual bool isClosed() const { return false; }
    // The first and the last point of the path (WCS); eDegenerateGeometry for an empty path.
    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;
    // The host's own: the path as a chain of WCS points, a closed curve ending where it started
    // (curved segments approximated by short chords). Used for extents and picking.
    virtual AcGePoint3dArray pathPoints() const = 0;

protected:
    AcDbCurve() = default;
    Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
};
