#include "schema/model_space.h"

#include "dbsymtb.h"
#include "host/open_object.h"

Acad::ErrorStatus ModelSpaceId(AcDbDatabase* database, AcDbObjectId& blockId) {
    blockId.setNull();
    if (database == nullptr) return Acad::eNoDatabase;
    TzRvnOpenObject<AcDbBlockTable> blocks;
    const Acad::ErrorStatus status = blocks.take(database->getSymbolTable(blocks.slot(), AcDb::kForRead));
    if (status != Acad::eOk) return status;
    return blocks->getAt(ACDB_MODEL_SPACE, blockId);
}

Acad::ErrorStatus AppendToModelSpace(AcDbDatabase* database, AcDbEntity* entity, AcDbObjectId& entityId) {
    AcDbObjectId blockId;
    Acad::ErrorStatus status = ModelSpaceId(database, blockId);
    if (status != Acad::eOk) return status;
    TzRvnOpenObject<AcDbBlockTableRecord> modelSpace(blockId, AcDb::kForWrite);
    if (!modelSpace.isOpen()) return modelSpace.status();
    return modelSpace->appendAcDbEntity(entityId, entity);
}
