#include "schema/collect_schema.h"

#include "db3dpl.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "host/open_object.h"
#include "frame/command_line.h"
#include "schema/block_entities.h"
#include "schema/model_space.h"
#include "schema/schema_texts.h"
#include "ucs.h"
#include "schema/branch_data.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"

namespace {

// The node block of the drawing; null when it has none.
AcDbObjectId nodeBlockOf(AcDbDatabase* database) {
    AcDbObjectId blockId;
    TzRvnOpenObject<AcDbBlockTable> blocks;
    if (blocks.take(database->getSymbolTable(blocks.slot(), AcDb::kForRead)) == Acad::eOk) {
        blocks->getAt(rvnschema::kNodeBlockName, blockId);
    }
    return blockId;
}

void gather(const AcDbEntity& entity, AcDbObjectId nodeBlock, TzRvnSchemaLists& lists) {
    if (const AcDbBlockReference* reference = AcDbBlockReference::cast(&entity)) {
        if (!nodeBlock.isNull() && reference->blockTableRecord() == nodeBlock) {
            lists.nodes.push_back({entity.objectId(), reference->position()});
        }
        return;
    }
    const AcDb3dPolyline* polyline = AcDb3dPolyline::cast(&entity);
    if (polyline != nullptr && polyline->polyType() == AcDb::k3dSimplePoly && HasBranchData(entity)) {
        lists.branches.push_back(entity.objectId());
    }
}

}  // namespace

bool CollectSchema(AcDbDatabase* database, AcDbObjectId blockId, TzRvnSchemaLists& lists) {
    lists = TzRvnSchemaLists();
    if (database == nullptr) return false;
    const AcDbObjectId nodeBlock = nodeBlockOf(database);
    std::vector<AcDbObjectId> entities;
    if (!BlockEntityIds(blockId, entities)) return false;
    for (AcDbObjectId id : entities) {
        TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
        if (!entity.isOpen()) return false;
        if (!IsLayerHidden(entity->layerId())) gather(*entity, nodeBlock, lists);
    }
    return true;
}

bool StartSchemaCommand(AcDbDatabase* database, AcGeMatrix3d& ucsToWorld, TzRvnSchemaLists& lists) {
    if (!acdbUcsMatrix(ucsToWorld, database)) {
        PrintMessage(rvntext::kNoUcsMatrix);
        return false;
    }
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk || !CollectSchema(database, modelSpace, lists)) {
        PrintMessage(rvntext::kSchemaNotCollected);
        return false;
    }
    return true;
}
