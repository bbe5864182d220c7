// Adds records to a drawing's symbol tables for a test's set-up; a failure fails the test.
#pragma once

#include <gtest/gtest.h>

#include "dbsymtb.h"

namespace rvntest {

// Names the record, adds it to its table in database and closes it; the record's id.
template <class Table, class Record>
AcDbObjectId addRecord(AcDbDatabase& database, Record* record, const ACHAR* name) {
    EXPECT_EQ(Acad::eOk, record->setName(name));
    Table* table = nullptr;
    EXPECT_EQ(Acad::eOk, database.getSymbolTable(table, AcDb::kForWrite));
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, table->add(id, record));
    record->close();
    table->close();
    return id;
}

inline AcDbObjectId addLayer(AcDbDatabase& database, const ACHAR* name, bool off = false, bool frozen = false) {
    auto* layer = new AcDbLayerTableRecord;
    layer->setIsOff(off);
    layer->setIsFrozen(frozen);
    return addRecord<AcDbLayerTable>(database, layer, name);
}

inline AcDbObjectId addBlock(AcDbDatabase& database, const ACHAR* name,
                             const AcGePoint3d& origin = AcGePoint3d::kOrigin) {
    auto* block = new AcDbBlockTableRecord;
    block->setOrigin(origin);
    return addRecord<AcDbBlockTable>(database, block, name);
}

inline AcDbObjectId registerApplication(AcDbDatabase& database, const ACHAR* name) {
    return addRecord<AcDbRegAppTable>(database, new AcDbRegAppTableRecord, name);
}

}  // namespace rvntest
