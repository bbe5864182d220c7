// The plane geometry a picture needs: arcs given by a chord and a bulge, and the map of block or
// object coordinates onto the picture's plane.
#pragma once

#include "gemat3d.h"
#include "gepnt3d.h"
#include "svg_scene.h"

#include <vector>

namespace rvnhost {

// The arc from a to b with that bulge (the tangent of a quarter of its angle, positive turning
// counter-clockwise): its radius, centre and the angle it sweeps (signed, radians).
struct BulgeArc {
    ScenePoint centre;
    double radius = 0.0;
    double sweep = 0.0;
};
BulgeArc arcOfBulge(const ScenePoint& a, const ScenePoint& b, double bulge);

// Points along the segment from a to b with that bulge, both ends included: the ends alone for a
// straight one, else steps of the arc of at most 10 degrees.
std::vector<ScenePoint> segmentPoints(const ScenePoint& a, const ScenePoint& b, double bulge);

// A map of 3D coordinates onto the XY plane of the world, seen from above.
class PlaneMap {
public:
    explicit PlaneMap(const AcGeMatrix3d& transform);

    const AcGeMatrix3d& transform() const { return transform_; }
    ScenePoint place(const AcGePoint3d& point) const;
    // True when the map keeps shapes (a turn, a move and one scale, mirrored or not): arcs stay arcs.
    bool keepsShapes() const { return keepsShapes_; }
    // True when the map turns the plane over: arcs change their direction.
    bool mirrors() const { return mirrors_; }
    // The factor lengths of the XY plane are scaled by (the mean for a map that does not keep shapes).
    double scale() const { return scale_; }
    // A direction of the XY plane (radians) after the map; its length is scaled by lengthScale.
    double direction(double angle, double* lengthScale = nullptr) const;

private:
    AcGeMatrix3d transform_;
    bool keepsShapes_ = true;
    bool mirrors_ = false;
    double scale_ = 1.0;
};

}  // namespace rvnhost
