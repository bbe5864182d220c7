// The run of a 3D polyline between two nodes lying on it: the nodes' points and the vertices
// between them, each vertex with its per-vertex data.
#pragma once

#include "adsdef.h"
#include "db3dpl.h"
#include "gepnt3d.h"

#include <memory>
#include <vector>

// A resbuf list, released with the point that holds it.
struct TzRvnResbufDeleter {
    void operator()(resbuf* list) const;
};
using TzRvnResbufList = std::unique_ptr<resbuf, TzRvnResbufDeleter>;

struct TzRvnRunPoint {
    AcGePoint3d position;  // WCS
    TzRvnResbufList data;  // the vertex's "TZ-C-TOZARI" data; a node inside a segment: the name alone
};

enum class TzRvnPolylineRunOutcome { found, notOnPolyline, vertexNotOpened };

// Walks the polyline (open for read) from its first vertex for the segment holding first, then on
// until second (tolerance 0.001); a closed polyline is walked on once more from its start through
// its closing segment. On an open polyline that gives no run, the nodes are swapped and the walk
// made again; that run goes from second to first.
TzRvnPolylineRunOutcome ExtractPolylineRun(const AcDb3dPolyline& polyline, const AcGePoint3d& first, const AcGePoint3d& second,
                                   std::vector<TzRvnRunPoint>& run);
