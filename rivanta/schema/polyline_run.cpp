#include "schema/polyline_run.h"

#include "acutmem.h"
#include "db_entity_iterator.h"
#include "gelineseg3d.h"
#include "host/open_object.h"
#include "schema/schema_names.h"

void TzRvnResbufDeleter::operator()(resbuf* list) const { acutRelRb(list); }

namespace {

constexpr double kRunTolerance = 0.001;

struct PolylineVertex {
    AcGePoint3d position;
    AcDbObjectId id;
};

AcGeTol runTolerance() {
    AcGeTol tolerance;
    tolerance.setEqualPoint(kRunTolerance);
    return tolerance;
}

bool onSegment(const AcGePoint3d& point, const AcGePoint3d& from, const AcGePoint3d& to) {
    return AcGeLineSeg3d(from, to).isOn(point, runTolerance());
}

// The vertices in order; false when one cannot be opened.
bool readVertices(const AcDb3dPolyline& polyline, std::vector<PolylineVertex>& vertices) {
    const std::unique_ptr<AcDbObjectIterator> iterator(polyline.vertexIterator());
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDb3dPolylineVertex* vertex = nullptr;
        if (polyline.openVertex(vertex, iterator->objectId(), AcDb::kForRead) != Acad::eOk) return false;
        vertices.push_back({vertex->position(), iterator->objectId()});
        vertex->close();
    }
    return true;
}

// The segments walked: each from a vertex to the next, the closing one for a closed polyline, and
// for a closed polyline all of them once more.
std::vector<std::pair<std::size_t, std::size_t>> walkOrder(std::size_t count, bool closed) {
    std::vector<std::pair<std::size_t, std::size_t>> segments;
    const std::size_t last = closed ? count : count - 1;
    for (int pass = 0; pass < (closed ? 2 : 1); ++pass) {
        for (std::size_t i = 0; i < last; ++i) segments.push_back({i, (i + 1) % count});
    }
    return segments;
}

// The run from first to second as points (vertex index, or none for a node point); empty when none.
std::vector<std::pair<AcGePoint3d, int>> walk(const std::vector<PolylineVertex>& vertices, bool closed,
                                             const AcGePoint3d& first, const AcGePoint3d& second) {
    std::vector<std::pair<AcGePoint3d, int>> run;
    for (const auto& [from, to] : walkOrder(vertices.size(), closed)) {
        AcGePoint3d start = vertices[from].position;
        if (run.empty()) {
            if (!onSegment(first, start, vertices[to].position)) continue;
            run.push_back({first, -1});
            start = first;
        }
        if (onSegment(second, start, vertices[to].position)) {
            run.push_back({second, -1});
            return run;
        }
        if (!run.back().first.isEqualTo(vertices[to].position, runTolerance())) {
            run.push_back({vertices[to].position, static_cast<int>(to)});
        }
    }
    return {};
}

// A node point that falls on a vertex takes that vertex's data.
int vertexAt(const std::vector<PolylineVertex>& vertices, const AcGePoint3d& point) {
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        if (vertices[i].position.isEqualTo(point, runTolerance())) return static_cast<int>(i);
    }
    return -1;
}

TzRvnResbufList dataOf(const AcDb3dPolyline& polyline, const std::vector<PolylineVertex>& vertices, int index) {
    if (index >= 0) {
        AcDb3dPolylineVertex* vertex = nullptr;
        if (polyline.openVertex(vertex, vertices[static_cast<std::size_t>(index)].id, AcDb::kForRead) == Acad::eOk) {
            TzRvnResbufList data(vertex->xData(rvnschema::kPolylineVertexApplication));
            vertex->close();
            if (data) return data;
        }
    }
    return TzRvnResbufList(acutBuildList(AcDb::kDxfRegAppName, rvnschema::kPolylineVertexApplication, 0));
}

}  // namespace

TzRvnPolylineRunOutcome ExtractPolylineRun(const AcDb3dPolyline& polyline, const AcGePoint3d& first, const AcGePoint3d& second,
                                   std::vector<TzRvnRunPoint>& run) {
    std::vector<PolylineVertex> vertices;
    if (!readVertices(polyline, vertices)) return TzRvnPolylineRunOutcome::vertexNotOpened;
    if (vertices.size() < 2) return TzRvnPolylineRunOutcome::notOnPolyline;
    auto points = walk(vertices, polyline.isClosed(), first, second);
    if (points.empty() && !polyline.isClosed()) points = walk(vertices, false, second, first);
    if (points.empty()) return TzRvnPolylineRunOutcome::notOnPolyline;
    run.clear();
    for (const auto& [position, index] : points) {
        const int vertex = index >= 0 ? index : vertexAt(vertices, position);
        run.push_back({position, dataOf(polyline, vertices, vertex)});
    }
    return TzRvnPolylineRunOutcome::found;
}
