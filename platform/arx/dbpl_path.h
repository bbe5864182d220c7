// The path of a polyline in its own plane: straight segments, and arcs where a segment has a
// bulge (the tangent of a quarter of the arc's included angle, positive counter-clockwise).
#pragma once

#include <vector>

#include "gepnt2d.h"
#include "acadstrc.h"
#include "gemat3d.h"
#include "gepnt3d.h"

namespace rvnhost {

struct PlaneVertex {
    AcGePoint2d point;
    double bulge = 0.0;
};

// The points of the path at the elevation, arcs as chords of at most pi/16 each; a closed path
// ends with its first point again.
std::vector<AcGePoint3d> bulgedPath(const std::vector<PlaneVertex>& vertices, bool closed, double elevation);

// What a transform makes of a planar polyline: the map of its OCS points into the new plane's
// OCS, the new normal, elevation and thickness, and the scale of its widths.
struct PlaneTransform {
    AcGeMatrix3d vertexMap;
    AcGeVector3d normal;
    double elevation = 0.0;
    double thickness = 0.0;
    double scale = 1.0;
};

// Only moves, turns and uniform scaling keep a polyline planar with its arcs round: the images of
// the plane's axes must stay square and of one length (eCannotScaleNonUniformly otherwise).
// Their cross product is the new normal; a mirror turns the plane over.
Acad::ErrorStatus planeTransform(const AcGeMatrix3d& xform, const AcGeVector3d& normal, double elevation,
                                 double thickness, PlaneTransform& result);

}  // namespace rvnhost
