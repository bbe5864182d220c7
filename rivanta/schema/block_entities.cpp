#include "schema/block_entities.h"

#include "dbsymtb.h"
#include "host/open_object.h"

#include <memory>

bool BlockEntityIds(AcDbObjectId blockId, std::vector<AcDbObjectId>& ids) {
    ids.clear();
    TzRvnOpenObject<AcDbBlockTableRecord> block(blockId, AcDb::kForRead);
    if (!block.isOpen()) return false;
    AcDbBlockTableRecordIterator* walker = nullptr;
    if (block->newIterator(walker) != Acad::eOk) return false;
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(walker);
    for (; !iterator->done(); iterator->step()) {
        AcDbObjectId id;
        if (iterator->getEntityId(id) == Acad::eOk) ids.push_back(id);
    }
    return true;
}
