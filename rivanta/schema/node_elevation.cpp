#include "schema/node_elevation.h"

#include "db3dpl.h"
#include "dbblkref.h"
#include "frame/command_line.h"
#include "host/entity_ids.h"
#include "host/open_object.h"
#include "netobj/network_dictionary.h"
#include "schema/model_space.h"
#include "schema/open_attribute.h"
#include "schema/polyline_vertices.h"
#include "schema/schema_reader.h"
#include "schema/schema_layers.h"
#include "schema/schema_texts.h"

namespace {

double lastNodeElevation = 0.0;

void liftTo(AcGePoint3d& point, double z) { point.z = z; }

// Gives each attribute of the reference (open for write) the elevation; false when one cannot be
// opened.
bool liftAttributes(const AcDbBlockReference& reference, double z) {
    for (AcDbObjectId id : AttributeIds(reference)) {
        auto attribute = OpenAttribute(reference, id, AcDb::kForWrite);
        if (!attribute.isOpen()) return false;
        AcGePoint3d position = attribute->position();
        liftTo(position, z);
        attribute->setPosition(position);
        if (!attribute->isDefaultAlignment()) {
            AcGePoint3d alignment = attribute->alignmentPoint();
            liftTo(alignment, z);
            attribute->setAlignmentPoint(alignment);
        }
    }
    return true;
}

// Moves the reference at position to (P.x, P.y, z) with its attributes.
bool liftNode(AcDbObjectId id, const AcGePoint3d& position, double z) {
    TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForWrite);
    if (!reference.isOpen()) return true;
    if (!reference->position().isEqualTo(position)) return true;
    if (reference->setPosition(AcGePoint3d(position.x, position.y, z)) != Acad::eOk) {
        PrintMessage(rvntext::kNodeReferenceNotMoved);
        return false;
    }
    if (!liftAttributes(*reference, z)) {
        PrintMessage(rvntext::kAttributesNotWalked);
        return false;
    }
    return true;
}

void liftBranchEnds(AcDbObjectId id, const AcGePoint3d& position, double z) {
    TzRvnOpenObject<AcDb3dPolyline> polyline(id, AcDb::kForWrite);
    std::vector<TzRvnVertex> vertices;
    if (!polyline.isOpen() || !ReadPolylineVertices(*polyline, vertices)) return;
    for (const TzRvnVertex& vertex : vertices) {
        if (!vertex.position.isEqualTo(position)) continue;
        TzRvnOpenObject<AcDb3dPolylineVertex> opened(vertex.id, AcDb::kForWrite);
        if (opened.isOpen()) opened->setPosition(AcGePoint3d(position.x, position.y, z));
    }
}

std::vector<AcDbObjectId> nodeIdsOf(const TzRvnNetwork& network) {
    std::vector<AcDbObjectId> ids;
    for (int i = 0; i < network.numNodes(); ++i) ids.push_back(ObjectIdOf(network.getNode(i).entityId));
    return ids;
}

// The node ids of the current network read again from the schema; false, with the message, when
// it cannot be read. A drawing without that network gives no ids.
bool rereadCurrentNetwork(AcDbDatabase* database, std::wstring_view currentLayer, std::vector<AcDbObjectId>& ids) {
    ids.clear();
    TzRvnOpenObject<TzRvnNetwork> network;
    const Acad::ErrorStatus status =
        OpenNetwork(database, NetworkNameOfLayer(currentLayer), AcDb::kForWrite, network);
    if (status == Acad::eKeyNotFound || status == Acad::eInvalidKey) return true;
    AcDbObjectId modelSpace;
    if (status != Acad::eOk || ModelSpaceId(database, modelSpace) != Acad::eOk ||
        !ReadNetworkFromSchema(*network, database, modelSpace, currentLayer)) {
        PrintMessage(rvntext::kNetworkNotUpdated);
        return false;
    }
    ids = nodeIdsOf(*network);
    return true;
}

}  // namespace

double LastNodeElevation() { return lastNodeElevation; }

void SetLastNodeElevation(double elevation) { lastNodeElevation = elevation; }

bool CarryNodeElevation(const std::vector<AcDbObjectId>& networkNodes, const std::vector<AcDbObjectId>& branches,
                        AcDbObjectId nodeId) {
    AcGePoint3d position;
    {
        TzRvnOpenObject<AcDbBlockReference> node(nodeId, AcDb::kForRead);
        if (!node.isOpen()) {
            PrintMessage(rvntext::kNodeReferenceNotOpened);
            return false;
        }
        position = node->position();
    }
    const double z = lastNodeElevation;
    for (AcDbObjectId id : networkNodes) {
        if (id != nodeId && !liftNode(id, position, z)) return false;
    }
    if (!liftNode(nodeId, position, z)) return false;
    for (AcDbObjectId id : branches) liftBranchEnds(id, position, z);
    return true;
}

bool ApplyNodeElevation(AcDbDatabase* database, std::wstring_view currentLayer, const std::vector<AcDbObjectId>& branches,
                        AcDbObjectId nodeId, TzRvnElevationMode mode, const TzRvnNetwork* network) {
    std::vector<AcDbObjectId> networkNodes;
    if (mode == TzRvnElevationMode::rereadCurrentNetwork) {
        if (!rereadCurrentNetwork(database, currentLayer, networkNodes)) return false;
    } else if (network != nullptr) {
        networkNodes = nodeIdsOf(*network);
    }
    return CarryNodeElevation(networkNodes, branches, nodeId);
}
