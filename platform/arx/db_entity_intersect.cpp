// AcDbEntity::intersectWith: lines and polylines turned into paths of the XY plane and met there.
#include "db_entity_iterator.h"
#include "dbentity.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "gept3dar.h"
#include "plane_intersect.h"

#include <cmath>
#include <memory>

namespace {

using rvnhost::PlanePath;

struct PolylineVertex {
    AcGePoint3d position;  // WCS
    double bulge = 0.0;    // as seen from above the XY plane
};

// True for a plane normal along the Z axis, either way up; sense is -1 for a plane turned over,
// whose arcs turn the other way seen from above.
bool lyingFlat(const AcGeVector3d& normal, double& sense) {
    sense = normal.z > 0.0 ? 1.0 : -1.0;
    return std::abs(normal.x) <= 1e-12 && std::abs(normal.y) <= 1e-12 && normal.z != 0.0;
}

PlanePath pathOfVertices(const std::vector<PolylineVertex>& vertices, bool closed, bool extended) {
    PlanePath path;
    const std::size_t count = vertices.size();
    const std::size_t pieces = closed ? count : (count == 0 ? 0 : count - 1);
    for (std::size_t i = 0; i < pieces; ++i) {
        const PolylineVertex& from = vertices[i];
        rvnhost::AppendPiece(path, rvnhost::PieceFromBulge(from.position, vertices[(i + 1) % count].position, from.bulge));
    }
    path.extendStart = path.extendEnd = extended && !closed;
    return path;
}

Acad::ErrorStatus pathOfLine(const AcDbLine& line, bool extended, PlanePath& path) {
    rvnhost::AppendPiece(path, {line.startPoint(), line.endPoint(), 0.0});
    path.extendStart = path.extendEnd = extended;
    return Acad::eOk;
}

Acad::ErrorStatus pathOfLightweight(const AcDbPolyline& polyline, bool extended, PlanePath& path) {
    double sense = 1.0;
    if (!lyingFlat(polyline.normal(), sense)) return Acad::eNotImplementedYet;
    std::vector<PolylineVertex> vertices(polyline.numVerts());
    for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
        polyline.getPointAt(i, vertices[i].position);
        polyline.getBulgeAt(i, vertices[i].bulge);
        vertices[i].bulge *= sense;
    }
    path = pathOfVertices(vertices, polyline.isClosed(), extended);
    return Acad::eOk;
}

Acad::ErrorStatus pathOf2d(const AcDb2dPolyline& polyline, bool extended, PlanePath& path) {
    double sense = 1.0;
    if (polyline.polyType() != AcDb::k2dSimplePoly || !lyingFlat(polyline.normal(), sense)) {
        return Acad::eNotImplementedYet;
    }
    std::vector<PolylineVertex> vertices;
    const std::unique_ptr<AcDbObjectIterator> walk(polyline.vertexIterator());
    for (walk->start(); !walk->done(); walk->step()) {
        const AcDb2dVertex* vertex = AcDb2dVertex::cast(walk->entity());
        AcDb2dVertex* opened = nullptr;
        if (vertex == nullptr) {
            const Acad::ErrorStatus status = polyline.openVertex(opened, walk->objectId(), AcDb::kForRead);
            if (status != Acad::eOk) return status;
            vertex = opened;
        }
        vertices.push_back({polyline.vertexPosition(*vertex), vertex->bulge() * sense});
        if (opened != nullptr) opened->close();
    }
    path = pathOfVertices(vertices, polyline.isClosed(), extended);
    return Acad::eOk;
}

Acad::ErrorStatus pathOf(const AcDbEntity* entity, bool extended, PlanePath& path) {
    if (const auto* line = AcDbLine::cast(entity)) return pathOfLine(*line, extended, path);
    if (const auto* polyline = AcDbPolyline::cast(entity)) return pathOfLightweight(*polyline, extended, path);
    if (const auto* polyline = AcDb2dPolyline::cast(entity)) return pathOf2d(*polyline, extended, path);
    return Acad::eNotImplementedYet;
}

}  // namespace

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                            Adesk::GsMarker, Adesk::GsMarker) const {
    if (ent == nullptr) return Acad::eInvalidInput;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    const bool extendThis = intType == AcDb::kExtendThis || intType == AcDb::kExtendBoth;
    const bool extendArg = intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth;
    PlanePath ours;
    PlanePath theirs;
    if ((status = pathOf(this, extendThis, ours)) != Acad::eOk) return status;
    if ((status = pathOf(ent, extendArg, theirs)) != Acad::eOk) return status;
    for (const AcGePoint3d& point : rvnhost::IntersectPaths(ours, theirs)) points.append(point);
    return Acad::eOk;
}
