// Which vertices the pipe on a profile gets and which of them carry the data of a branch: the
// grade line's vertices walked in order against the boundaries of the branches.
#pragma once

#include "gepnt3d.h"
#include "profiles/pipe_segments.h"

#include <cstddef>
#include <vector>

enum class TzRvnPipeVertexData {
    none,     // a plain vertex
    segment,  // the data of segment `segment`
    closing   // the end of the last branch: all values zero
};

struct TzRvnPipeVertex {
    AcGePoint3d position;
    TzRvnPipeVertexData data = TzRvnPipeVertexData::none;
    std::size_t segment = 0;
};

// The pipe's vertices from the grade line's (WCS) and the segments with their grade points. The
// first vertex carries segment 0. A later vertex within the boundary tolerance of the grade point
// of the current segment s moves onto that point and carries segment s + 1, which becomes the
// current one; at the last segment's grade point it carries zeros instead. Other vertices carry
// nothing. Empty when there are no vertices or no segments.
std::vector<TzRvnPipeVertex> PlanPipeVertices(const std::vector<AcGePoint3d>& gradeVertices,
                                              const std::vector<TzRvnPipeSegment>& segments);
