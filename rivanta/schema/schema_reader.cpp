#include "schema/schema_reader.h"

#include "db3dpl.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "frame/command_line.h"
#include "host/entity_ids.h"
#include "host/open_object.h"
#include "schema/position_index.h"
#include "schema/block_attributes.h"
#include "schema/block_entities.h"
#include "schema/branch_data.h"
#include "schema/polyline_vertices.h"
#include "schema/real_text.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"

#include <string>
#include <vector>

namespace {

struct SchemaBlocks {
    AcDbObjectId node;
    AcDbObjectId tank;
};

// Both block definitions; false, with the message, when one is missing or cannot be looked up.
bool findBlocks(AcDbDatabase* database, SchemaBlocks& blocks) {
    TzRvnOpenObject<AcDbBlockTable> table;
    if (table.take(database->getSymbolTable(table.slot(), AcDb::kForRead)) != Acad::eOk) {
        PrintMessage(rvntext::kNodeBlockLookupFailed);
        return false;
    }
    Acad::ErrorStatus status = table->getAt(rvnschema::kNodeBlockName, blocks.node);
    if (status != Acad::eOk) {
        PrintMessage(status == Acad::eKeyNotFound ? rvntext::kNoNodeBlock : rvntext::kNodeBlockLookupFailed);
        return false;
    }
    status = table->getAt(rvnschema::kTankBlockName, blocks.tank);
    if (status != Acad::eOk) {
        PrintMessage(status == Acad::eKeyNotFound ? rvntext::kNoTankBlock : rvntext::kTankBlockLookupFailed);
        return false;
    }
    return true;
}

struct FoundNode {
    AcDbObjectId id;
    TzRvnName name;
    std::vector<TzRvnTaggedText> texts;
};

struct FoundBranch {
    AcDbObjectId id;
    bool excluded;
    AcGePoint3d start, end;
    bool hasVertices;
    TzRvnBranchData data;
};

struct FoundTank {
    AcDbObjectId id;
    AcGePoint3d position;
    std::vector<TzRvnTaggedText> texts;
};

struct FoundSchema {
    std::vector<FoundNode> nodes;
    std::vector<FoundBranch> branches;
    std::vector<FoundTank> tanks;
    TzRvnPositionIndex positions;
};

struct NetworkLayers {
    AcDbObjectId network;
    AcDbObjectId off;  // null when the drawing has no off layer
};

bool isBranchPolyline(const AcDbEntity& entity) {
    if (entity.isA() != AcDb3dPolyline::desc()) return false;
    const auto* polyline = static_cast<const AcDb3dPolyline*>(&entity);
    return polyline->polyType() == AcDb::k3dSimplePoly && !polyline->isClosed() && HasBranchData(entity);
}

bool takeBranch(const AcDb3dPolyline& polyline, const NetworkLayers& layers, FoundSchema& found) {
    std::vector<TzRvnVertex> vertices;
    if (!ReadPolylineVertices(polyline, vertices)) return false;
    FoundBranch branch{polyline.objectId(), polyline.layerId() != layers.network, {}, {}, !vertices.empty(), {}};
    if (branch.hasVertices) {
        branch.start = vertices.front().position;
        branch.end = vertices.back().position;
    }
    ReadBranchData(polyline, branch.data);
    found.branches.push_back(std::move(branch));
    return true;
}

bool takeReference(const AcDbBlockReference& reference, const SchemaBlocks& blocks, FoundSchema& found) {
    const bool node = reference.blockTableRecord() == blocks.node;
    if (!node && reference.blockTableRecord() != blocks.tank) return true;
    std::vector<TzRvnTaggedText> texts;
    if (!ReadAttributeTexts(reference, texts)) return false;
    if (!node) {
        found.tanks.push_back({reference.objectId(), reference.position(), std::move(texts)});
        return true;
    }
    const std::optional<std::wstring> name = FindAttributeText(texts, rvnschema::kNodeNameTag);
    if (!name) return true;
    // A name longer than a name field holds is read as an empty name, which the check reports.
    const TzRvnName field = TzRvnName::from(*name).value_or(TzRvnName());
    found.positions.insert(reference.position(), field);
    found.nodes.push_back({reference.objectId(), field, std::move(texts)});
    return true;
}

bool gather(AcDbObjectId blockId, const NetworkLayers& layers, const SchemaBlocks& blocks, FoundSchema& found) {
    std::vector<AcDbObjectId> entities;
    if (!BlockEntityIds(blockId, entities)) return false;
    for (AcDbObjectId id : entities) {
        TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
        if (!entity.isOpen()) return false;
        const AcDbObjectId layer = entity->layerId();
        if (layer != layers.network && (layers.off.isNull() || layer != layers.off)) continue;
        bool read = true;
        if (isBranchPolyline(*entity)) {
            read = takeBranch(*AcDb3dPolyline::cast(entity.get()), layers, found);
        } else if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity.get())) {
            read = takeReference(*reference, blocks, found);
        }
        if (!read) return false;
    }
    return true;
}

double realOf(const std::vector<TzRvnTaggedText>& texts, const wchar_t* tag) {
    return ParseDrawingReal(FindAttributeText(texts, tag).value_or(L""));
}

std::wstring textOf(const std::vector<TzRvnTaggedText>& texts, const wchar_t* tag) {
    return FindAttributeText(texts, tag).value_or(L"");
}

// The name of the node at the point, "--" for none.
TzRvnName nameAt(const FoundSchema& found, const AcGePoint3d& point, bool hasPoint) {
    if (hasPoint) return found.positions.lookup(point);
    return TzRvnName::from(L"--").value_or(TzRvnName());
}

void fill(const FoundSchema& found, TzRvnNetworkData& data) {
    data.setNumNodes(static_cast<int>(found.nodes.size()));
    for (std::size_t i = 0; i < found.nodes.size(); ++i) {
        TzRvnNode& node = data.nodes()[i];
        node.entityId = EntityIdOf(found.nodes[i].id);
        node.name = found.nodes[i].name;
        node.demand = realOf(found.nodes[i].texts, rvnschema::kNodeDemandTag);
        node.elevation = realOf(found.nodes[i].texts, rvnschema::kNodeElevationTag);
        node.note.set(textOf(found.nodes[i].texts, rvnschema::kNodeNoteTag));
    }
    data.setNumEdges(static_cast<int>(found.branches.size()));
    for (std::size_t i = 0; i < found.branches.size(); ++i) {
        const FoundBranch& branch = found.branches[i];
        TzRvnEdge& edge = data.edges()[i];
        edge.entityId = EntityIdOf(branch.id);
        edge.excluded = branch.excluded ? 1 : 0;
        edge.startNode = nameAt(found, branch.start, branch.hasVertices);
        edge.endNode = nameAt(found, branch.end, branch.hasVertices);
        edge.length = branch.data.length;
        edge.diameter = branch.data.diameter;
        edge.roughness = branch.data.roughness;
        edge.csi = branch.data.csi;
        edge.note.set(branch.data.note);
    }
    data.setNumTanks(static_cast<int>(found.tanks.size()));
    for (std::size_t i = 0; i < found.tanks.size(); ++i) {
        TzRvnTank& tank = data.tanks()[i];
        tank.entityId = EntityIdOf(found.tanks[i].id);
        tank.nodeName = found.positions.lookup(found.tanks[i].position);
        tank.head = realOf(found.tanks[i].texts, rvnschema::kTankHeadTag);
        tank.note.set(textOf(found.tanks[i].texts, rvnschema::kTankNoteTag));
    }
}

}  // namespace

bool ReadSchemaInto(AcDbDatabase* database, AcDbObjectId blockId, std::wstring_view layerName, TzRvnNetworkData& data) {
    if (database == nullptr) return false;
    NetworkLayers layers;
    if (FindLayer(database, layerName, layers.network) != Acad::eOk) return false;
    FindLayer(database, OffLayerName(layerName), layers.off);
    SchemaBlocks blocks;
    if (!findBlocks(database, blocks)) return false;
    if (RegisterSchemaApplication(database) != Acad::eOk) return false;
    FoundSchema found;
    if (!gather(blockId, layers, blocks, found)) return false;
    fill(found, data);
    return true;
}

bool ReadNetworkFromSchema(TzRvnNetwork& network, AcDbDatabase* database, AcDbObjectId blockId,
                           std::wstring_view layerName) {
    TzRvnNetworkData* data = network.workingData(AcDb::kForWrite);
    if (data == nullptr) return false;
    if (!data->hasSchema()) return true;
    return ReadSchemaInto(database, blockId, layerName, *data);
}
