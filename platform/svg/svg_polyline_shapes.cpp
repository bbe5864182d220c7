#include "svg_polyline_shapes.h"

#include <cmath>

namespace rvnhost {

namespace {

// A segment on the picture's plane.
struct PlacedSegment {
    ScenePoint from;
    ScenePoint to;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
};

// The segments of a map that keeps shapes: ends placed, bulges turned with a mirror, widths scaled.
std::vector<PlacedSegment> placeSegments(const std::vector<WideVertex>& vertices, bool closed, const PlaneMap& map) {
    std::vector<PlacedSegment> segments;
    const std::size_t count = closed ? vertices.size() : vertices.size() - 1;
    const double turn = map.mirrors() ? -1.0 : 1.0;
    for (std::size_t i = 0; i < count; ++i) {
        const WideVertex& from = vertices[i];
        const WideVertex& to = vertices[(i + 1) % vertices.size()];
        segments.push_back({map.place(from.point), map.place(to.point), from.bulge * turn,
                            from.startWidth * map.scale(), from.endWidth * map.scale()});
    }
    return segments;
}

// The segments of a map that distorts: each arc as chords computed before the map, the widths
// going from start to end along them.
std::vector<PlacedSegment> chordSegments(const std::vector<WideVertex>& vertices, bool closed, const PlaneMap& map) {
    std::vector<PlacedSegment> segments;
    const std::size_t count = closed ? vertices.size() : vertices.size() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const WideVertex& from = vertices[i];
        const WideVertex& to = vertices[(i + 1) % vertices.size()];
        const std::vector<ScenePoint> chain =
            segmentPoints({from.point.x, from.point.y}, {to.point.x, to.point.y}, from.bulge);
        const double pieces = static_cast<double>(chain.size() - 1);
        for (std::size_t k = 0; k + 1 < chain.size(); ++k) {
            const double widthAt = from.startWidth + (from.endWidth - from.startWidth) * (k / pieces);
            const double widthNext = from.startWidth + (from.endWidth - from.startWidth) * ((k + 1) / pieces);
            segments.push_back({map.place(AcGePoint3d(chain[k].x, chain[k].y, from.point.z)),
                                map.place(AcGePoint3d(chain[k + 1].x, chain[k + 1].y, from.point.z)), 0.0,
                                widthAt * map.scale(), widthNext * map.scale()});
        }
    }
    return segments;
}

bool oneWidth(const std::vector<PlacedSegment>& segments) {
    for (const PlacedSegment& segment : segments) {
        if (segment.startWidth != segments.front().startWidth || segment.endWidth != segments.front().startWidth) {
            return false;
        }
    }
    return true;
}

// The outline of a segment whose width changes: its left side forward, its right side back.
SceneFill taperedOutline(const PlacedSegment& segment, const ShapeLook& look) {
    const std::vector<ScenePoint> chain = segmentPoints(segment.from, segment.to, segment.bulge);
    const bool arc = chain.size() > 2;
    const BulgeArc circle = arc ? arcOfBulge(segment.from, segment.to, segment.bulge) : BulgeArc{};
    const double length = std::hypot(segment.to.x - segment.from.x, segment.to.y - segment.from.y);
    std::vector<ScenePoint> left;
    std::vector<ScenePoint> right;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const ScenePoint& p = chain[k];
        const double half =
            (segment.startWidth + (segment.endWidth - segment.startWidth) * k / (chain.size() - 1)) / 2.0;
        // Square to the path: the radius on an arc, else the chord turned a quarter.
        const double nx = arc ? (p.x - circle.centre.x) / circle.radius : -(segment.to.y - segment.from.y) / length;
        const double ny = arc ? (p.y - circle.centre.y) / circle.radius : (segment.to.x - segment.from.x) / length;
        left.push_back({p.x + nx * half, p.y + ny * half});
        right.push_back({p.x - nx * half, p.y - ny * half});
    }
    SceneFill fill{look, left};
    fill.outline.insert(fill.outline.end(), right.rbegin(), right.rend());
    return fill;
}

void addSegment(const PlacedSegment& segment, const ShapeLook& look, Scene& scene) {
    if (segment.startWidth != segment.endWidth &&
        (segment.from.x != segment.to.x || segment.from.y != segment.to.y)) {
        scene.fills.push_back(taperedOutline(segment, look));
        for (const ScenePoint& point : scene.fills.back().outline) scene.include(point);
        return;
    }
    scene.paths.push_back({look, {{segment.from, segment.bulge}, {segment.to, 0.0}}, false, segment.startWidth});
}

void includePath(const ScenePath& path, Scene& scene) {
    const std::size_t count = path.closed ? path.vertices.size() : path.vertices.size() - 1;
    scene.include(path.vertices.front().point);
    for (std::size_t i = 0; i < count; ++i) {
        const PathVertex& from = path.vertices[i];
        const PathVertex& to = path.vertices[(i + 1) % path.vertices.size()];
        for (const ScenePoint& point : segmentPoints(from.point, to.point, from.bulge)) scene.include(point);
    }
}

}  // namespace

void addPolylineShapes(const std::vector<WideVertex>& vertices, bool closed, const PlaneMap& map,
                       const ShapeLook& look, Scene& scene) {
    if (vertices.empty()) return;
    if (vertices.size() == 1) {
        scene.dots.push_back({look, map.place(vertices.front().point)});
        scene.include(scene.dots.back().at);
        return;
    }
    const std::vector<PlacedSegment> segments =
        map.keepsShapes() ? placeSegments(vertices, closed, map) : chordSegments(vertices, closed, map);
    const std::size_t firstPath = scene.paths.size();
    if (oneWidth(segments)) {
        ScenePath path{look, {}, closed && map.keepsShapes(), segments.front().startWidth};
        for (const PlacedSegment& segment : segments) path.vertices.push_back({segment.from, segment.bulge});
        if (!path.closed) path.vertices.push_back({segments.back().to, 0.0});
        scene.paths.push_back(std::move(path));
    } else {
        for (const PlacedSegment& segment : segments) addSegment(segment, look, scene);
    }
    for (std::size_t i = firstPath; i < scene.paths.size(); ++i) includePath(scene.paths[i], scene);
}

}  // namespace rvnhost
