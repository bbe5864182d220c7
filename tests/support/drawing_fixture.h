// A drawing of the tests' own, made the working drawing for each test, with helpers to fill it.
// Every test also checks that it left no object open.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "dbents.h"
#include "editor_open_object.h"
#include "object_access.h"
#include "open_object_guard.h"
#include "table_records.h"
#include "working_database.h"

namespace enttest {

// Appends a new entity to the block of database named block and closes it.
inline AcDbObjectId appendTo(AcDbDatabase& database, const ACHAR* block, AcDbEntity* entity) {
    AcDbBlockTable* blocks = nullptr;
    EXPECT_EQ(database.getSymbolTable(blocks, AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecord* record = nullptr;
    EXPECT_EQ(blocks->getAt(block, record, AcDb::kForWrite), Acad::eOk);
    blocks->close();
    AcDbObjectId id;
    EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    record->close();
    return id;
}

// The record of that name in a table of the database (its block table by default), null when none.
inline AcDbObjectId recordOf(AcDbDatabase& database, const ACHAR* name, bool layer = false) {
    const AcDbObjectId table = layer ? database.layerTableId() : database.blockTableId();
    return AcDbSymbolTable::cast(rvnhost::ObjectAccess::peek(table))->findRecord(name, false);
}

// The entities of a block not erased, in their order.
inline std::vector<AcDbObjectId> entitiesOf(AcDbObjectId block) {
    rvnhost::OpenedObject<AcDbBlockTableRecord> record(block, AcDb::kForRead);
    std::vector<AcDbObjectId> live;
    for (AcDbObjectId id : record ? record->entityIds() : std::vector<AcDbObjectId>{}) {
        if (!id.isErased()) live.push_back(id);
    }
    return live;
}

class DrawingTest : public rvntest::OpenObjectCheckedTest {
protected:
    // Appends a new entity to the block (model space by default) and closes it.
    AcDbObjectId append(AcDbEntity* entity, AcDbObjectId block = AcDbObjectId()) {
        if (block.isNull()) return appendTo(db_, ACDB_MODEL_SPACE, entity);
        AcDbBlockTableRecord* record = nullptr;
        EXPECT_EQ(acdbOpenObject(record, block, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        record->close();
        return id;
    }

    AcDbObjectId addBlock(const ACHAR* name, const AcGePoint3d& origin = AcGePoint3d::kOrigin) {
        return rvntest::addBlock(db_, name, origin);
    }
    AcDbObjectId addLayer(const ACHAR* name, bool off = false, bool frozen = false) {
        return rvntest::addLayer(db_, name, off, frozen);
    }

    AcDbDatabase db_;
    rvntest::WorkingDatabase working_{&db_};
};

}  // namespace enttest
