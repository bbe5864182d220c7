#include "model_space_append.h"

#include "dbentity.h"
#include "dbsymtb.h"
#include "sysvars.h"

#include <memory>

namespace rvnhost {

bool appendToModelSpace(AcDbEntity* entity, AcDbObjectId* id) {
    std::unique_ptr<AcDbEntity> made(entity);
    AcDbDatabase* database = workingDatabase();
    if (database == nullptr || made == nullptr) return false;
    made->setDatabaseDefaults(database);
    AcDbBlockTable* blocks = nullptr;
    if (database->getSymbolTable(blocks, AcDb::kForRead) != Acad::eOk) return false;
    AcDbBlockTableRecord* space = nullptr;
    const Acad::ErrorStatus opened = blocks->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    blocks->close();
    if (opened != Acad::eOk) return false;
    AcDbObjectId appended;
    const Acad::ErrorStatus status = space->appendAcDbEntity(appended, made.get());
    space->close();
    if (status != Acad::eOk) return false;
    made.release()->close();
    if (id) *id = appended;
    return true;
}

}  // namespace rvnhost
