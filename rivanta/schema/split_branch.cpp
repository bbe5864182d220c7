#include "schema/split_branch.h"

#include "frame/translation.h"
#include "db3dpl.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/branch_data.h"
#include "schema/node_elevation.h"
#include "schema/polyline_vertices.h"
#include "schema/rounding.h"
#include "schema/schema_entities.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"
#include "sysvars.h"

#include <algorithm>

namespace {

struct SplitParts {
    std::vector<AcGePoint3d> first;
    std::vector<AcGePoint3d> second;
};

double length3d(const std::vector<AcGePoint3d>& points) {
    double length = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i) length += points[i - 1].distanceTo(points[i]);
    return length;
}

SplitParts partsAt(const std::vector<TzRvnVertex>& vertices, std::size_t segment, const AcGePoint3d& node) {
    SplitParts parts;
    for (std::size_t i = 0; i <= segment && i < vertices.size(); ++i) parts.first.push_back(vertices[i].position);
    if (parts.first.empty() || !parts.first.back().isEqualTo(node)) parts.first.push_back(node);
    parts.second.push_back(node);
    for (std::size_t i = segment + 1; i < vertices.size(); ++i) parts.second.push_back(vertices[i].position);
    return parts;
}

// The branch's vertices, data and layer; false, said, when they cannot be read.
bool readBranch(AcDbObjectId id, AcDbDatabase* database, std::vector<TzRvnVertex>& vertices, TzRvnBranchData& data,
                AcDbObjectId& layerId) {
    TzRvnOpenObject<AcDb3dPolyline> branch(id, AcDb::kForWrite);
    if (!branch.isOpen()) return PrintMessage(rvntext::kSplitBranchNotOpened), false;
    if (!ReadPolylineVertices(*branch, vertices)) return PrintMessage(rvntext::kVertexNotOpened), false;
    if (vertices.size() < 2) return PrintMessage(rvntext::kVerticesNotWalked), false;
    if (RegisterSchemaApplication(database) != Acad::eOk || !ReadBranchData(*branch, data)) {
        PrintMessage(FormatTranslated(rvntext::kNoBranchData, {std::wstring(rvnschema::kSchemaApplication)}));
        return false;
    }
    layerId = branch->layerId();
    return true;
}

bool eraseEntity(AcDbObjectId id) {
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForWrite);
    return entity.isOpen() && entity->erase() == Acad::eOk;
}

}  // namespace

bool SplitBranchAtNode(const AcGePoint3d& ucsNodePoint, const AcGeMatrix3d& ucsToWorld, const TzRvnLocatedPoint& located,
                       AcDbDatabase* database, std::vector<AcDbObjectId>& branches) {
    if (located.index < 0 || located.index >= static_cast<int>(branches.size()) || located.segment < 0) return false;
    const AcDbObjectId split = branches[static_cast<std::size_t>(located.index)];
    std::vector<TzRvnVertex> vertices;
    TzRvnBranchData data;
    AcDbObjectId layerId;
    if (!readBranch(split, database, vertices, data, layerId)) return false;
    const AcGePoint3d node = ucsToWorld * AcGePoint3d(ucsNodePoint.x, ucsNodePoint.y, LastNodeElevation());
    const SplitParts parts = partsAt(vertices, static_cast<std::size_t>(located.segment), node);
    TzRvnBranchData firstData = data;
    firstData.length = RoundToDecimals(length3d(parts.first), rvnhost::integerVariable(L"LUPREC", 4));
    TzRvnBranchData secondData = data;
    secondData.length = data.length - firstData.length;
    AcDbObjectId firstId;
    AcDbObjectId secondId;
    if (AppendBranchPolyline(database, parts.first, layerId, firstData, firstId) != Acad::eOk) return false;
    if (AppendBranchPolyline(database, parts.second, layerId, secondData, secondId) != Acad::eOk) {
        eraseEntity(firstId);
        return false;
    }
    if (!eraseEntity(split)) {
        eraseEntity(firstId);
        eraseEntity(secondId);
        return false;
    }
    branches.erase(branches.begin() + located.index);
    branches.push_back(firstId);
    branches.push_back(secondId);
    return true;
}
