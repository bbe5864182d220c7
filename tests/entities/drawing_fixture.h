// A drawing of the tests' own, made the working drawing for each test, with helpers to fill it.
// Every test also checks that it left no object open.
#pragma once

#include <gtest/gtest.h>

#include "dbapserv.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "open_object_guard.h"

namespace enttest {

class DrawingTest : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        previous_ = acdbHostApplicationServices()->workingDatabase();
        acdbHostApplicationServices()->setWorkingDatabase(&db_);
    }
    void TearDown() override {
        acdbHostApplicationServices()->setWorkingDatabase(previous_);
        OpenObjectCheckedTest::TearDown();
    }

    // Appends a new entity to the block (model space by default) and closes it.
    AcDbObjectId append(AcDbEntity* entity, AcDbObjectId block = AcDbObjectId()) {
        if (block.isNull()) block = blockNamed(ACDB_MODEL_SPACE);
        AcDbBlockTableRecord* record = nullptr;
        EXPECT_EQ(acdbOpenObject(record, block, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        record->close();
        return id;
    }

    AcDbObjectId blockNamed(const ACHAR* name) {
        AcDbBlockTable* blocks = nullptr;
        EXPECT_EQ(db_.getSymbolTable(blocks, AcDb::kForRead), Acad::eOk);
        AcDbObjectId id;
        blocks->getAt(name, id);
        blocks->close();
        return id;
    }

    AcDbObjectId addBlock(const ACHAR* name, const AcGePoint3d& origin = AcGePoint3d::kOrigin) {
        auto* record = new AcDbBlockTableRecord;
        record->setName(name);
        record->setOrigin(origin);
        AcDbBlockTable* blocks = nullptr;
        EXPECT_EQ(db_.getSymbolTable(blocks, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(blocks->add(id, record), Acad::eOk);
        record->close();
        blocks->close();
        return id;
    }

    AcDbObjectId addLayer(const ACHAR* name, bool off = false, bool frozen = false) {
        auto* layer = new AcDbLayerTableRecord;
        layer->setName(name);
        layer->setIsOff(off);
        layer->setIsFrozen(frozen);
        AcDbLayerTable* layers = nullptr;
        EXPECT_EQ(db_.getSymbolTable(layers, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(layers->add(id, layer), Acad::eOk);
        layer->close();
        layers->close();
        return id;
    }

    void registerApplication(const ACHAR* name) {
        auto* application = new AcDbRegAppTableRecord;
        application->setName(name);
        AcDbRegAppTable* table = nullptr;
        EXPECT_EQ(db_.getSymbolTable(table, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(table->add(application), Acad::eOk);
        application->close();
        table->close();
    }

    AcDbDatabase db_;
    AcDbDatabase* previous_ = nullptr;
};

}  // namespace enttest
