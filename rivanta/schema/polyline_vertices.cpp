#include "schema/polyline_vertices.h"

#include "db_entity_iterator.h"

#include <memory>

bool ReadPolylineVertices(const AcDb3dPolyline& polyline, std::vector<TzRvnVertex>& vertices) {
    vertices.clear();
    const std::unique_ptr<AcDbObjectIterator> iterator(polyline.vertexIterator());
    if (iterator == nullptr) return false;
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDb3dPolylineVertex* vertex = nullptr;
        if (polyline.openVertex(vertex, iterator->objectId(), AcDb::kForRead) != Acad::eOk) return false;
        vertices.push_back({iterator->objectId(), vertex->position()});
        vertex->close();
    }
    return true;
}
