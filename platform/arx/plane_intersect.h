// Where two paths of the XY plane meet: chains of straight segments and circular arcs, either of
// which may go on beyond its ends. This is the geometry under AcDbEntity::intersectWith.
#pragma once

#include <vector>

#include "gepnt3d.h"

namespace rvnhost {

// A straight segment (sweep 0) or an arc from start to end turning by sweep radians about its
// centre (positive counter-clockwise). Only x and y take part; z is carried along.
struct PathPiece {
    AcGePoint3d start;
    AcGePoint3d end;
    double sweep = 0.0;
};

// A chain of pieces, each starting where the one before ended. extendStart lets the first piece go
// on backwards beyond the start (a segment as a ray, an arc round its whole circle), extendEnd the
// last piece forwards beyond the end; a path of one extended segment is an infinite line.
struct PlanePath {
    std::vector<PathPiece> pieces;
    bool extendStart = false;
    bool extendEnd = false;
};

// The piece from a to b with the bulge of a polyline vertex (the tangent of a quarter of the
// included angle, positive counter-clockwise); a bulge of 0 gives a straight segment.
PathPiece PieceFromBulge(const AcGePoint3d& a, const AcGePoint3d& b, double bulge);

// Appends the piece to the path unless it has no length (its ends closer than the tolerance of the
// path's scale): such pieces have no direction and meet nothing.
void AppendPiece(PlanePath& path, const PathPiece& piece);

// The points of the first path that the second one meets, in their order along the first, each
// once. Tangent contacts give their one point; parallel and overlapping pieces give none. A
// point's z is the first path's there.
std::vector<AcGePoint3d> IntersectPaths(const PlanePath& first, const PlanePath& second);

}  // namespace rvnhost
