#include "profiles/pipe_vertices.h"

#include "profiles/pipe_on_profile_texts.h"

std::vector<TzRvnPipeVertex> PlanPipeVertices(const std::vector<AcGePoint3d>& gradeVertices,
                                              const std::vector<TzRvnPipeSegment>& segments) {
    std::vector<TzRvnPipeVertex> pipe;
    if (gradeVertices.empty() || segments.empty()) return pipe;
    pipe.push_back({gradeVertices.front(), TzRvnPipeVertexData::segment, 0});
    std::size_t current = 0;
    for (std::size_t i = 1; i < gradeVertices.size(); ++i) {
        const AcGePoint3d& vertex = gradeVertices[i];
        const TzRvnPipeSegment& segment = segments[current];
        const AcGePoint3d boundary(segment.gradeX, segment.gradeY, segment.gradeZ);
        if (vertex.distanceTo(boundary) > rvnprofile::kBoundaryTolerance) {
            pipe.push_back({vertex, TzRvnPipeVertexData::none, 0});
        } else if (current + 1 == segments.size()) {
            pipe.push_back({vertex, TzRvnPipeVertexData::closing, 0});
        } else {
            ++current;
            pipe.push_back({boundary, TzRvnPipeVertexData::segment, current});
        }
    }
    return pipe;
}
