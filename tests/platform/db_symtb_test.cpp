// Symbol tables of a drawing: the default content, adding and finding records, layer properties,
// blocks holding entities, the drawing's header values and the C interface's table search.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "acdbads.h"
#include "acutmem.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "table_records.h"
#include "working_database.h"

namespace {

using rvnhost::OpenedObject;

class TestEntity : public AcDbEntity {};

// The names a table holds, in its order.
template <class Table>
std::vector<std::wstring> recordNames(AcDbDatabase& db) {
    Table* table = nullptr;
    db.getSymbolTable(table, AcDb::kForRead);
    AcDbSymbolTableIterator* iterator = nullptr;
    OpenedObject<Table>(table)->newIterator(iterator);
    std::vector<std::wstring> found;
    for (std::unique_ptr<AcDbSymbolTableIterator> owned(iterator); !iterator->done(); iterator->step()) {
        AcDbSymbolTableRecord* record = nullptr;
        iterator->getRecord(record, AcDb::kForRead);
        OpenedObject<AcDbSymbolTableRecord>(record)->getName(found.emplace_back());
    }
    return found;
}

// Every table: its records in a new drawing, adding once, finding without regard to case.
template <class Table>
struct TableCase;
template <>
struct TableCase<AcDbBlockTable> {
    using Record = AcDbBlockTableRecord;
    static inline const std::vector<std::wstring> defaults{L"*Model_Space", L"*Paper_Space"};
};
template <>
struct TableCase<AcDbLayerTable> {
    using Record = AcDbLayerTableRecord;
    static inline const std::vector<std::wstring> defaults{L"0"};
};
template <>
struct TableCase<AcDbLinetypeTable> {
    using Record = AcDbLinetypeTableRecord;
    static inline const std::vector<std::wstring> defaults{L"ByBlock", L"ByLayer", L"Continuous"};
};
template <>
struct TableCase<AcDbTextStyleTable> {
    using Record = AcDbTextStyleTableRecord;
    static inline const std::vector<std::wstring> defaults{L"Standard"};
};
template <>
struct TableCase<AcDbRegAppTable> {
    using Record = AcDbRegAppTableRecord;
    static inline const std::vector<std::wstring> defaults{L"ACAD"};
};

template <class Table>
class SymbolTables : public rvntest::OpenObjectCheckedTest {
protected:
    // Adds a record of that name; the status of the add.
    Acad::ErrorStatus add(const ACHAR* name, AcDbObjectId* id = nullptr) {
        Table* table = nullptr;
        EXPECT_EQ(Acad::eOk, db.getSymbolTable(table, AcDb::kForWrite));
        auto* record = new typename TableCase<Table>::Record;
        Acad::ErrorStatus status = record->setName(name);
        AcDbObjectId added;
        if (status == Acad::eOk) status = table->add(added, record);
        if (status == Acad::eOk) record->close();
        else delete record;
        table->close();
        if (id != nullptr) *id = added;
        return status;
    }
    AcDbDatabase db;
};

using TableTypes = ::testing::Types<AcDbBlockTable, AcDbLayerTable, AcDbLinetypeTable, AcDbTextStyleTable,
                                    AcDbRegAppTable>;
TYPED_TEST_SUITE(SymbolTables, TableTypes);

TYPED_TEST(SymbolTables, HoldTheHostsRecordsAndAddEachNameOnceWithoutRegardToCase) {
    EXPECT_EQ(TableCase<TypeParam>::defaults, recordNames<TypeParam>(this->db));
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, this->add(L"TZ-RV-Rete1", &id));
    EXPECT_EQ(Acad::eDuplicateRecordName, this->add(L"tz-rv-rete1"));
    EXPECT_EQ(Acad::eInvalidSymbolTableName, this->add(L"a<b"));
    EXPECT_EQ(Acad::eInvalidSymbolTableName, this->add(L""));

    TypeParam* table = nullptr;
    ASSERT_EQ(Acad::eOk, this->db.getSymbolTable(table, AcDb::kForRead));
    EXPECT_TRUE(table->has(L"TZ-RV-RETE1"));
    EXPECT_TRUE(table->has(id));
    AcDbObjectId found;
    EXPECT_EQ(Acad::eKeyNotFound, table->getAt(L"TZ-RV-Rete2", found));
    typename TableCase<TypeParam>::Record* record = nullptr;
    ASSERT_EQ(Acad::eOk, table->getAt(L"tz-rv-rete1", record, AcDb::kForWrite));
    EXPECT_EQ(table->objectId(), record->ownerId());
    EXPECT_EQ(Acad::eDuplicateRecordName, record->setName(TableCase<TypeParam>::defaults.back().c_str()));
    EXPECT_EQ(Acad::eOk, record->setName(L"Renamed"));
    record->close();
    EXPECT_TRUE(table->has(L"renamed"));
    table->close();
}

class DbSymbolTableTest : public rvntest::OpenObjectCheckedTest {
protected:
    // Adds a layer with that name, its id.
    AcDbObjectId addLayer(const ACHAR* name) { return rvntest::addLayer(db, name); }
    AcDbDatabase db;
};

TEST_F(DbSymbolTableTest, TablesTakeOnlyTheirOwnKindOfRecord) {
    AcDbLayerTable* layers = nullptr;
    ASSERT_EQ(Acad::eOk, db.getSymbolTable(layers, AcDb::kForWrite));
    auto* layer = new AcDbLayerTableRecord;
    EXPECT_EQ(Acad::eInvalidSymbolTableName, layers->add(layer));
    layer->setName(L"Layer");
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, layers->add(id, layer));
    EXPECT_EQ(Acad::eAlreadyInDb, layers->add(layer));
    EXPECT_EQ(Acad::eDuplicateRecordName, layers->attachRecord(id));
    layer->close();
    layers->close();

    AcDbTextStyleTable* styles = nullptr;
    ASSERT_EQ(Acad::eOk, db.getSymbolTable(styles, AcDb::kForWrite));
    EXPECT_EQ(Acad::eWrongObjectType, styles->attachRecord(id));
    AcDbDatabase other;
    EXPECT_EQ(Acad::eWrongDatabase, styles->attachRecord(other.textstyle()));
    styles->close();
}

TEST_F(DbSymbolTableTest, LayerPropertiesAreKeptAndChecked) {
    AcDbObjectId id = addLayer(L"TZ-RV-Off");
    OpenedObject<AcDbLayerTableRecord> layer(id, AcDb::kForWrite);
    ASSERT_TRUE(layer);
    EXPECT_EQ(7, layer->colorIndex());
    EXPECT_EQ((std::vector<Acad::ErrorStatus>{Acad::eBadColorIndex, Acad::eBadColorIndex, Acad::eOk, Acad::eOk, Acad::eOk,
                                              Acad::eOk, Acad::eOk, Acad::eInvalidInput, Acad::eOk}),
              (std::vector<Acad::ErrorStatus>{layer->setColorIndex(0), layer->setColorIndex(256), layer->setColorIndex(5),
                                              layer->setIsFrozen(true), layer->setIsOff(true), layer->setIsLocked(true),
                                              layer->setVPDFLT(true), layer->setLinetypeObjectId(db.clayer()),
                                              layer->setLinetypeObjectId(db.byLayerLinetype())}));
    ASSERT_EQ(Acad::eOk, layer->downgradeOpen());
    EXPECT_EQ(5, layer->colorIndex());
    EXPECT_TRUE(layer->isFrozen() && layer->isOff() && layer->isLocked() && layer->VPDFLT());
    EXPECT_EQ(db.byLayerLinetype(), layer->linetypeObjectId());
}

TEST_F(DbSymbolTableTest, HeaderValuesTakeOnlyValidValues) {
    AcDbObjectId layer = addLayer(L"Current");
    EXPECT_EQ(Acad::eOk, db.setClayer(layer));
    EXPECT_EQ(layer, db.clayer());
    EXPECT_EQ(Acad::eInvalidInput, db.setClayer(db.continuousLinetype()));
    EXPECT_EQ(Acad::eInvalidInput, db.setClayer(AcDbObjectId::kNull));
    AcDbDatabase other;
    EXPECT_EQ(Acad::eInvalidInput, db.setClayer(other.clayer()));

    EXPECT_EQ(Acad::eCannotBeErasedByCaller, OpenedObject<AcDbLayerTableRecord>(layer, AcDb::kForWrite)->erase());

    EXPECT_EQ(std::vector<Acad::ErrorStatus>(4, Acad::eInvalidInput),
              (std::vector<Acad::ErrorStatus>{db.setLuprec(-1), db.setLunits(0), db.setTextsize(0.0),
                                              db.setTextstyle(db.clayer())}));
}

TEST_F(DbSymbolTableTest, IteratorsAndSearchesSkipErasedRecords) {
    const AcDbObjectId a = addLayer(L"A");
    addLayer(L"B");
    ASSERT_EQ(Acad::eOk, OpenedObject<AcDbLayerTableRecord>(a, AcDb::kForWrite)->erase());
    EXPECT_EQ((std::vector<std::wstring>{L"0", L"B"}), recordNames<AcDbLayerTable>(db));

    AcDbLayerTable* table = nullptr;
    db.getSymbolTable(table, AcDb::kForRead);
    OpenedObject<AcDbLayerTable> layers(table);
    AcDbObjectId erased;
    EXPECT_EQ(Acad::eKeyNotFound, layers->getAt(L"A", erased));
    EXPECT_EQ(Acad::eOk, layers->getAt(L"A", erased, true));
    EXPECT_EQ(a, erased);
}

TEST_F(DbSymbolTableTest, BlocksHoldEntities) {
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, db.getSymbolTable(blocks, AcDb::kForWrite));
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(Acad::eOk, blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForWrite));
    EXPECT_TRUE(model->isLayout());
    auto* entity = new TestEntity;
    AcDbObjectId entityId;
    ASSERT_EQ(Acad::eOk, model->appendAcDbEntity(entityId, entity));
    EXPECT_EQ(db.clayer(), entity->layerId());
    EXPECT_EQ(model->objectId(), entity->ownerId());
    EXPECT_EQ(Acad::eAlreadyInDb, model->appendAcDbEntity(entity));
    entity->close();
    EXPECT_EQ(Acad::eCannotBeErasedByCaller, model->erase());

    EXPECT_EQ(std::vector<AcDbObjectId>{entityId}, model->entityIds());
    model->close();
    blocks->close();
}

TEST_F(DbSymbolTableTest, ErasingABlockErasesItsEntities) {
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, db.getSymbolTable(blocks, AcDb::kForWrite));
    auto* block = new AcDbBlockTableRecord;
    block->setName(L"TZ-RV-NODO");
    block->setOrigin(AcGePoint3d(1, 2, 3));
    ASSERT_EQ(Acad::eOk, blocks->add(block));
    blocks->close();
    auto* entity = new TestEntity;
    AcDbObjectId entityId;
    block->appendAcDbEntity(entityId, entity);
    entity->close();
    EXPECT_EQ(AcGePoint3d(1, 2, 3), block->origin());
    EXPECT_EQ(Acad::eOk, block->erase());
    block->close();
    EXPECT_TRUE(entityId.isErased());
}

TEST_F(DbSymbolTableTest, EntitiesTakeLayersByNameOrId) {
    AcDbObjectId layer = addLayer(L"TZ-RV-Rete");
    TestEntity loose;
    EXPECT_EQ(nullptr, loose.layer());
    {
        rvntest::WorkingDatabase none(nullptr);
        EXPECT_EQ(Acad::eNoDatabase, loose.setLayer(L"TZ-RV-Rete"));
    }
    rvntest::WorkingDatabase working(&db);
    EXPECT_EQ(Acad::eKeyNotFound, loose.setLayer(L"Missing"));
    EXPECT_EQ(Acad::eOk, loose.setLayer(L"tz-rv-rete"));
    EXPECT_EQ(layer, loose.layerId());
    ACHAR* name = loose.layer();
    EXPECT_STREQ(L"TZ-RV-Rete", name);
    acutDelString(name);
    loose.setDatabaseDefaults();
    EXPECT_EQ(db.clayer(), loose.layerId());
    EXPECT_EQ(Acad::eInvalidInput, loose.setLayer(db.continuousLinetype()));
}

// Table search, application registration and name checks are the stand-in's own: one test.
TEST_F(DbSymbolTableTest, TheCInterfaceSearchesRegistersAndChecksNamesInTheWorkingDatabase) {
    rvntest::WorkingDatabase working(&db);
    EXPECT_EQ(nullptr, acdbTblSearch(L"APPID", L"TZ-SCHEMA_RETE-RVN", 0));
    EXPECT_EQ(RTNORM, acdbRegApp(L"TZ-SCHEMA_RETE-RVN"));
    EXPECT_EQ(RTERROR, acdbRegApp(L"bad;name"));
    resbuf* app = acdbTblSearch(L"appid", L"tz-schema_rete-rvn", 0);
    ASSERT_NE(nullptr, app);
    EXPECT_STREQ(L"APPID", app->resval.rstring);
    EXPECT_STREQ(L"TZ-SCHEMA_RETE-RVN", app->rbnext->resval.rstring);
    acutRelRb(app);
    EXPECT_EQ(RTNORM, acdbSNValid(L"TZ-RV-Rete 1", 0));
    EXPECT_EQ(RTERROR, acdbSNValid(L"a<b", 0));
}

}  // namespace
