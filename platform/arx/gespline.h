// Points along the uniform B-spline of a control polygon: the curve of a spline-fit polyline.
#pragma once

#include <vector>

#include "gepnt3d.h"

namespace rvnhost {

// The curve of degree 2 or 3 drawn by the control points, as segmentsPerSpan points per knot
// span. An open curve starts at the first control point and ends at the last (clamped knots); a
// closed one runs round the polygon (periodic knots) and ends where it started. With no more
// control points than the degree the polygon itself is given back.
std::vector<AcGePoint3d> sampleBSpline(const std::vector<AcGePoint3d>& control, int degree, bool closed,
                                       int segmentsPerSpan = 8);

}  // namespace rvnhost
