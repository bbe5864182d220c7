// Inserting a drawing as a block definition: the model space of another database becomes a new
// block of this one.
#include "block_insert_copy.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "object_access.h"

namespace {

using rvnhost::DatabaseCopier;
using rvnhost::OpenedObject;

Acad::ErrorStatus checkInsert(const AcDbDatabase& target, const ACHAR* blockName, const AcDbDatabase* source) {
    if (source == nullptr || source == &target || blockName == nullptr || *blockName == L'\0') return Acad::eInvalidInput;
    if (blockName[0] == L'*') return Acad::eInvalidInput;
    const auto* blocks = AcDbSymbolTable::cast(rvnhost::ObjectAccess::peek(target.blockTableId()));
    if (blocks == nullptr) return Acad::eMissingSymbolTable;
    return blocks->findRecord(blockName, false).isNull() ? Acad::eOk : Acad::eDuplicateRecordName;
}

// A new empty block of that name in the target, noted with the copier.
Acad::ErrorStatus addBlock(AcDbDatabase& target, const ACHAR* blockName, AcDbObjectId& block, DatabaseCopier& copier) {
    AcDbBlockTable* opened = nullptr;
    Acad::ErrorStatus status = target.getSymbolTable(opened, AcDb::kForWrite);
    OpenedObject<AcDbBlockTable> blocks(opened);
    if (!blocks) return status;
    auto* record = new AcDbBlockTableRecord;
    status = record->setName(blockName);
    if (status == Acad::eOk) status = blocks->add(block, record);
    if (status != Acad::eOk) {
        delete record;
        return status;
    }
    copier.noteMade(block);
    return record->close();
}

// The live entities of the source's model space.
Acad::ErrorStatus modelSpaceEntities(AcDbDatabase& source, std::vector<AcDbObjectId>& entities) {
    AcDbBlockTable* opened = nullptr;
    Acad::ErrorStatus status = source.getSymbolTable(opened, AcDb::kForRead);
    OpenedObject<AcDbBlockTable> blocks(opened);
    if (!blocks) return status;
    AcDbBlockTableRecord* modelSpace = nullptr;
    status = blocks->getAt(ACDB_MODEL_SPACE, modelSpace, AcDb::kForRead);
    OpenedObject<AcDbBlockTableRecord> model(modelSpace);
    if (!model) return status;
    for (AcDbObjectId id : model->entityIds()) {
        if (!id.isErased()) entities.push_back(id);
    }
    return Acad::eOk;
}

Acad::ErrorStatus copyEntities(DatabaseCopier& copier, const std::vector<AcDbObjectId>& entities, AcDbObjectId block) {
    for (AcDbObjectId entity : entities) {
        AcDbObjectId copy;
        Acad::ErrorStatus status = copier.copyObject(entity, block, copy);
        if (status != Acad::eOk) return status;
        OpenedObject<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
        status = record ? record->attachEntity(copy) : record.status();
        if (status != Acad::eOk) return status;
    }
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDbDatabase::insert(AcDbObjectId& blockId, const ACHAR* blockName, AcDbDatabase* source, bool) {
    blockId.setNull();
    Acad::ErrorStatus status = checkInsert(*this, blockName, source);
    if (status != Acad::eOk) return status;
    std::vector<AcDbObjectId> entities;
    status = modelSpaceEntities(*source, entities);
    if (status != Acad::eOk) return status;
    DatabaseCopier copier(*source, *this);
    AcDbObjectId block;
    status = addBlock(*this, blockName, block, copier);
    if (status == Acad::eOk) status = copier.copyApplications();
    if (status == Acad::eOk) status = copyEntities(copier, entities, block);
    if (status != Acad::eOk) {
        copier.discard();
        return status;
    }
    blockId = block;
    return Acad::eOk;
}
