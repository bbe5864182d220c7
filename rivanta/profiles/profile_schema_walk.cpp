#include "profiles/profile_schema_walk.h"

#include "dbblkref.h"
#include "frame/command_line.h"
#include "host/entity_ids.h"
#include "host/open_object.h"
#include "profiles/profile_texts.h"
#include "schema/polyline_vertices.h"

#include <algorithm>

namespace Text = TzRvnProfileText;

namespace {

bool WalkLeg(TzRvnProfileLeg& leg) {
    AcGePoint3d start;
    {
        TzRvnOpenObject<AcDbBlockReference> node(ObjectIdOf(leg.from.entityId), AcDb::kForRead);
        if (!node.isOpen()) return PrintMessage(Text::kEntityNotReadable), false;
        start = node->position();
    }
    std::vector<TzRvnVertex> vertices;
    TzRvnOpenObject<AcDb3dPolyline> polyline(ObjectIdOf(leg.branch.entityId), AcDb::kForRead);
    if (!polyline.isOpen() || !ReadPolylineVertices(*polyline, vertices)) {
        return PrintMessage(Text::kPolylineNotOpened), false;
    }
    if (!vertices.empty() && !vertices.front().position.isEqualTo(start)) std::reverse(vertices.begin(), vertices.end());
    leg.vertices.clear();
    for (const TzRvnVertex& vertex : vertices) leg.vertices.push_back({vertex.position.x, vertex.position.y, vertex.position.z});
    return true;
}

}  // namespace

bool WalkLegsAlongSchema(std::vector<TzRvnProfileLeg>& legs) {
    return std::all_of(legs.begin(), legs.end(), WalkLeg);
}
