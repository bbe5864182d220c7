// The drawing side of the pipe on a profile: the working copy of the grade line, the grade points
// at the branch boundaries, and the pipe polyline with its vertex data.
#pragma once

#include "dbmain.h"
#include "profiles/pipe_segments.h"
#include "profiles/pipe_vertices.h"

#include <vector>

// A straight copy of the grade line (a 2D polyline through its vertices, bulges and widths 0) in
// model space for as long as the guard lives: it is erased again on every path.
class TzRvnWorkingCopy {
public:
    TzRvnWorkingCopy(AcDbDatabase* database, const std::vector<AcGePoint3d>& vertices);
    ~TzRvnWorkingCopy();
    TzRvnWorkingCopy(const TzRvnWorkingCopy&) = delete;
    TzRvnWorkingCopy& operator=(const TzRvnWorkingCopy&) = delete;

    // False (said) when the copy could not be appended.
    bool made() const { return !id_.isNull(); }
    AcDbObjectId id() const { return id_; }

private:
    AcDbObjectId id_;
};

// Gives each segment its grade point: where the vertical at the end of its branch (x0, the copy's
// first vertex, plus the lengths so far) meets the copy, both taken beyond their ends; the first
// such point along the copy. False (said, naming the node) when a vertical meets nothing.
bool FindGradePoints(AcDbObjectId workingCopy, std::vector<TzRvnPipeSegment>& segments);

// Makes the pipe in model space on the layer "TUBAZIONI" (created when missing): a simple 2D
// polyline through the vertices, each carrying the data the plan gives it. False (said) when the
// layer, the polyline or a vertex cannot be made; nothing is left of the pipe then.
bool DrawPipe(AcDbDatabase* database, const std::vector<TzRvnPipeVertex>& vertices,
              const std::vector<TzRvnPipeSegment>& segments);
