#include "svg_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rvnhost {

namespace {

constexpr double kLargestStep = 10.0 * std::numbers::pi / 180.0;  // the longest arc between two points
constexpr double kShapeTolerance = 1e-9;

}  // namespace

BulgeArc arcOfBulge(const ScenePoint& a, const ScenePoint& b, double bulge) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double chord = std::hypot(dx, dy);
    BulgeArc arc;
    arc.sweep = 4.0 * std::atan(bulge);
    arc.radius = chord * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
    // The centre lies on the chord's perpendicular bisector, to the left for a positive bulge.
    const double offset = chord * (1.0 - bulge * bulge) / (4.0 * bulge);
    arc.centre = {(a.x + b.x) / 2.0 - offset * dy / chord, (a.y + b.y) / 2.0 + offset * dx / chord};
    return arc;
}

std::vector<ScenePoint> segmentPoints(const ScenePoint& a, const ScenePoint& b, double bulge) {
    if (bulge == 0.0 || (a.x == b.x && a.y == b.y)) return {a, b};
    const BulgeArc arc = arcOfBulge(a, b, bulge);
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(arc.sweep) / kLargestStep)));
    const double start = std::atan2(a.y - arc.centre.y, a.x - arc.centre.x);
    std::vector<ScenePoint> points{a};
    for (int step = 1; step < steps; ++step) {
        const double angle = start + arc.sweep * step / steps;
        points.push_back({arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)});
    }
    points.push_back(b);
    return points;
}

void Scene::include(const ScenePoint& point) {
    if (empty) {
        low = high = point;
        empty = false;
        return;
    }
    low = {std::min(low.x, point.x), std::min(low.y, point.y)};
    high = {std::max(high.x, point.x), std::max(high.y, point.y)};
}

PlaneMap::PlaneMap(const AcGeMatrix3d& transform) : transform_(transform) {
    const double xx = transform(0, 0);
    const double xy = transform(1, 0);
    const double yx = transform(0, 1);
    const double yy = transform(1, 1);
    const double determinant = xx * yy - xy * yx;
    const double xLength = std::hypot(xx, xy);
    const double yLength = std::hypot(yx, yy);
    mirrors_ = determinant < 0.0;
    scale_ = std::sqrt(std::fabs(determinant));
    const double tolerance = kShapeTolerance * std::max(xLength, yLength);
    keepsShapes_ = std::fabs(xLength - yLength) <= tolerance && std::fabs(xx * yx + xy * yy) <= tolerance * xLength;
}

ScenePoint PlaneMap::place(const AcGePoint3d& point) const {
    const AcGePoint3d placed = transform_ * point;
    return {placed.x, placed.y};
}


double PlaneMap::direction(double angle, double* lengthScale) const {
    const double x = transform_(0, 0) * std::cos(angle) + transform_(0, 1) * std::sin(angle);
    const double y = transform_(1, 0) * std::cos(angle) + transform_(1, 1) * std::sin(angle);
    if (lengthScale != nullptr) *lengthScale = std::hypot(x, y);
    return std::atan2(y, x);
}

}  // namespace rvnhost
