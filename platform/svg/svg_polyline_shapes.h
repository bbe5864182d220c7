// Polylines in the picture: a chain of vertices with bulges and widths, placed by a map.
#pragma once

#include "svg_geometry.h"
#include "svg_scene.h"

#include <vector>

namespace rvnhost {

// A vertex before the map (WCS of the block it lies in) and the segment that leaves it.
struct WideVertex {
    AcGePoint3d point;
    double bulge = 0.0;
    double startWidth = 0.0;
    double endWidth = 0.0;
};

// One path of one width when all segments share it; else each segment apart, those whose width
// changes as filled outlines. A map that does not keep shapes turns arcs into short chords.
void addPolylineShapes(const std::vector<WideVertex>& vertices, bool closed, const PlaneMap& map,
                       const ShapeLook& look, Scene& scene);

}  // namespace rvnhost
