// A drawing of the tests' own, made the working drawing for each test, with helpers to fill it.
// Every test also checks that it left no object open.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "dbents.h"
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
