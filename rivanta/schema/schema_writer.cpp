#include "schema/schema_writer.h"

#include "db3dpl.h"
#include "dbblkref.h"
#include "frame/command_line.h"
#include "host/entity_ids.h"
#include "host/open_object.h"
#include "schema/block_attributes.h"
#include "schema/branch_data.h"
#include "schema/node_elevation.h"
#include "schema/real_text.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"

#include <vector>

namespace {

template <class Record>
std::vector<AcDbObjectId> entityIdsOf(const std::vector<Record>& records) {
    std::vector<AcDbObjectId> ids;
    for (const Record& record : records) ids.push_back(ObjectIdOf(record.entityId));
    return ids;
}

// Writes the node's texts; true when its elevation text changed.
bool writeNode(const TzRvnNode& node, std::wstring& elevationText) {
    TzRvnOpenObject<AcDbBlockReference> reference(ObjectIdOf(node.entityId), AcDb::kForWrite);
    std::vector<TzRvnTaggedText> old;
    if (!reference.isOpen() || !ReadAttributeTexts(*reference, old)) return false;
    elevationText = FormatDrawingReal(node.elevation);
    WriteAttributeTexts(*reference, {{rvnschema::kNodeDemandTag, FormatDrawingReal(node.demand)},
                                     {rvnschema::kNodeElevationTag, elevationText},
                                     {rvnschema::kNodeNoteTag, node.note.text()}});
    return FindAttributeText(old, rvnschema::kNodeElevationTag).value_or(L"") != elevationText;
}

void writeNodes(const TzRvnNetworkData& data) {
    const std::vector<AcDbObjectId> nodes = entityIdsOf(data.nodes());
    const std::vector<AcDbObjectId> branches = entityIdsOf(data.edges());
    for (const TzRvnNode& node : data.nodes()) {
        std::wstring elevationText;
        if (!writeNode(node, elevationText)) continue;
        SetLastNodeElevation(ParseDrawingReal(elevationText));
        if (!CarryNodeElevation(nodes, branches, ObjectIdOf(node.entityId))) PrintMessage(rvntext::kVerticesNotMoved);
    }
}

struct BranchLayers {
    AcDbObjectId network;
    AcDbObjectId off;
};

bool writeBranches(AcDbDatabase* database, std::wstring_view layerName, const TzRvnNetworkData& data) {
    BranchLayers layers;
    if (GetOrCreateLayer(database, layerName, layers.network) != Acad::eOk) return false;
    for (const TzRvnEdge& edge : data.edges()) {
        TzRvnOpenObject<AcDb3dPolyline> polyline(ObjectIdOf(edge.entityId), AcDb::kForWrite);
        if (!polyline.isOpen()) continue;
        if (edge.excluded != 0 && layers.off.isNull() &&
            GetOrCreateOffLayer(database, OffLayerName(layerName), layers.off) != Acad::eOk) {
            return false;
        }
        polyline->setLayer(edge.excluded != 0 ? layers.off : layers.network);
        WriteBranchData(*polyline, {edge.length, edge.diameter, edge.roughness, edge.csi, edge.note.text()});
    }
    return true;
}

void writeTanks(const TzRvnNetworkData& data) {
    for (const TzRvnTank& tank : data.tanks()) {
        TzRvnOpenObject<AcDbBlockReference> reference(ObjectIdOf(tank.entityId), AcDb::kForWrite);
        if (!reference.isOpen()) continue;
        WriteAttributeTexts(*reference, {{rvnschema::kTankHeadTag, FormatDrawingReal(tank.head)},
                                         {rvnschema::kTankNoteTag, tank.note.text()}});
    }
}

}  // namespace

bool WriteSchemaFrom(AcDbDatabase* database, std::wstring_view layerName, const TzRvnNetworkData& data) {
    if (database == nullptr || RegisterSchemaApplication(database) != Acad::eOk) return false;
    writeNodes(data);
    if (!writeBranches(database, layerName, data)) return false;
    writeTanks(data);
    return true;
}

bool WriteSchemaFromNetwork(const TzRvnNetwork& network) {
    if (!network.isReadEnabled()) return false;
    const TzRvnNetworkData& data = network.data();
    if (!data.hasSchema()) return true;
    const std::optional<std::wstring> name = network.nameInOwner();
    if (!name) return false;
    return WriteSchemaFrom(network.database(), NetworkLayerName(*name), data);
}
