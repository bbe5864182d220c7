#include "schema/locate_point.h"

#include "db3dpl.h"
#include "db_entity_extents.h"
#include "gelineseg3d.h"
#include "host/open_object.h"
#include "schema/open_attribute.h"
#include "schema/polyline_vertices.h"

namespace {

enum class Hit { no, yes, unreadable };

Hit hitsNode(const TzRvnSchemaNode& node, const AcGePoint3d& point) {
    if (node.position.isEqualTo(point)) return Hit::yes;
    TzRvnOpenObject<AcDbBlockReference> reference(node.id, AcDb::kForRead);
    if (!reference.isOpen()) return Hit::unreadable;
    for (AcDbObjectId id : AttributeIds(*reference)) {
        auto attribute = OpenAttribute(*reference, id, AcDb::kForRead);
        if (!attribute.isOpen()) return Hit::unreadable;
        if (attribute->position().isEqualTo(point)) return Hit::yes;
    }
    return Hit::no;
}

// The segment of the branch on which the point lies, or -1.
Hit hitsBranch(AcDbObjectId id, const AcGePoint3d& point, int& segment) {
    const double margin = AcGeContext::gTol.equalPoint();
    TzRvnOpenObject<AcDb3dPolyline> polyline(id, AcDb::kForRead);
    if (!polyline.isOpen()) return Hit::unreadable;
    AcDbExtents extents;
    if (polyline->getGeomExtents(extents) != Acad::eOk || !extents.contains(point, margin)) return Hit::no;
    std::vector<TzRvnVertex> vertices;
    if (!ReadPolylineVertices(*polyline, vertices)) return Hit::unreadable;
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        AcDbExtents box;
        box.addPoint(vertices[i - 1].position);
        box.addPoint(vertices[i].position);
        const AcGeLineSeg3d line(vertices[i - 1].position, vertices[i].position);
        if (box.contains(point, margin) && line.isOn(point)) {
            segment = static_cast<int>(i - 1);
            return Hit::yes;
        }
    }
    return Hit::no;
}

}  // namespace

bool LocatePoint(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, const TzRvnSchemaLists& lists,
                 TzRvnLocatedPoint& located) {
    located = TzRvnLocatedPoint();
    const AcGePoint3d point = ucsToWorld * ucsPoint;
    for (std::size_t i = 0; i < lists.nodes.size(); ++i) {
        const Hit hit = hitsNode(lists.nodes[i], point);
        if (hit == Hit::unreadable) return false;
        if (hit == Hit::yes) {
            located = {TzRvnPointKind::node, static_cast<int>(i), -1, ucsToWorld.inverse() * lists.nodes[i].position};
            return true;
        }
    }
    for (std::size_t i = 0; i < lists.branches.size(); ++i) {
        int segment = -1;
        const Hit hit = hitsBranch(lists.branches[i], point, segment);
        if (hit == Hit::unreadable) return false;
        if (hit == Hit::yes) {
            located = {TzRvnPointKind::branch, static_cast<int>(i), segment, ucsPoint};
            return true;
        }
    }
    return true;
}
