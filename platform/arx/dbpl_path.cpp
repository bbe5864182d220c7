#include "dbpl_path.h"

#include <cmath>
#include <numbers>

namespace rvnhost {

namespace {

constexpr double kMaxChordAngle = std::numbers::pi / 16.0;

// The arc from a to b with that bulge, without a: its centre lies off the chord's midpoint by
// chord * (1 - bulge^2) / (4 bulge) to the left, its radius is chord * (1 + bulge^2) / (4 |bulge|).
void appendArc(std::vector<AcGePoint3d>& path, const AcGePoint2d& a, const AcGePoint2d& b, double bulge, double z) {
    const AcGeVector2d chord = b - a;
    const double length = chord.length();
    const AcGePoint2d middle(a.x + chord.x / 2.0, a.y + chord.y / 2.0);
    const double offset = length * (1.0 - bulge * bulge) / (4.0 * bulge);
    const AcGePoint2d centre(middle.x - chord.y / length * offset, middle.y + chord.x / length * offset);
    const double radius = centre.distanceTo(a);
    const double start = std::atan2(a.y - centre.y, a.x - centre.x);
    const double sweep = 4.0 * std::atan(bulge);
    const int chords = static_cast<int>(std::ceil(std::abs(sweep) / kMaxChordAngle));
    for (int k = 1; k < chords; ++k) {
        const double angle = start + sweep * k / chords;
        path.emplace_back(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle), z);
    }
    path.emplace_back(b.x, b.y, z);
}

void appendSegment(std::vector<AcGePoint3d>& path, const PlaneVertex& from, const AcGePoint2d& to, double z) {
    if (from.bulge == 0.0 || from.point == to) {
        path.emplace_back(to.x, to.y, z);
    } else {
        appendArc(path, from.point, to, from.bulge, z);
    }
}

}  // namespace

std::vector<AcGePoint3d> bulgedPath(const std::vector<PlaneVertex>& vertices, bool closed, double elevation) {
    std::vector<AcGePoint3d> path;
    if (vertices.empty()) return path;
    path.emplace_back(vertices.front().point.x, vertices.front().point.y, elevation);
    for (std::size_t i = 1; i < vertices.size(); ++i) appendSegment(path, vertices[i - 1], vertices[i].point, elevation);
    if (closed && vertices.size() > 1) appendSegment(path, vertices.back(), vertices.front().point, elevation);
    return path;
}

Acad::ErrorStatus planeTransform(const AcGeMatrix3d& xform, const AcGeVector3d& normal, double elevation,
                                 double thickness, PlaneTransform& result) {
    const AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal);
    const AcGeVector3d xImage = xform * (toWorld * AcGeVector3d::kXAxis);
    const AcGeVector3d yImage = xform * (toWorld * AcGeVector3d::kYAxis);
    const double scale = xImage.length();
    if (scale == 0.0 || std::abs(yImage.length() - scale) > 1e-9 * scale ||
        std::abs(xImage.dotProduct(yImage)) > 1e-9 * scale * scale) {
        return Acad::eCannotScaleNonUniformly;
    }
    result.normal = xImage.crossProduct(yImage).normal();
    result.vertexMap = AcGeMatrix3d::worldToPlane(result.normal) * xform * toWorld;
    result.elevation = (result.vertexMap * AcGePoint3d(0.0, 0.0, elevation)).z;
    result.thickness = thickness * (xform * normal).dotProduct(result.normal);
    result.scale = scale;
    return Acad::eOk;
}

}  // namespace rvnhost
