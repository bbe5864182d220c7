#include "dbents_curve.h"

#include "builtin_class.h"
#include "db_entity_extents.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbCurve)

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d& point) const {
    const AcGePoint3dArray path = pathPoints();
    if (path.empty()) return Acad::eDegenerateGeometry;
    point = path.front();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d& point) const {
    const AcGePoint3dArray path = pathPoints();
    if (path.empty()) return Acad::eDegenerateGeometry;
    point = path.back();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::subGetGeomExtents(AcDbExtents& extents) const {
    for (const AcGePoint3d& point : pathPoints()) extents.addPoint(point);
    return extents.isEmpty() ? Acad::eInvalidExtents : Acad::eOk;
}
