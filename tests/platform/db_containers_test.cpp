// The containers of a drawing. Symbol tables: the default content, adding and finding records, layer
// properties, blocks holding entities, the drawing's header values and the C interface's table search.
// Dictionaries: the operations the plug-in's network dictionary relies on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "acdbads.h"
#include "acutmem.h"
#include "dbdict.h"
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

// The record class of a table.
template <class Record, class Iterator>
std::type_identity<Record> recordOf(const AcDbSymbolTableOf<Record, Iterator>*);
template <class Table>
using RecordOf = typename decltype(recordOf(static_cast<Table*>(nullptr)))::type;

// The records of a table in a new drawing.
template <class Table>
std::vector<std::wstring> defaultRecords() {
    if constexpr (std::is_same_v<Table, AcDbBlockTable>) return {L"*Model_Space", L"*Paper_Space"};
    else if constexpr (std::is_same_v<Table, AcDbLayerTable>) return {L"0"};
    else if constexpr (std::is_same_v<Table, AcDbLinetypeTable>) return {L"ByBlock", L"ByLayer", L"Continuous"};
    else if constexpr (std::is_same_v<Table, AcDbTextStyleTable>) return {L"Standard"};
    else return {L"ACAD"};
}

template <class Table>
class SymbolTables : public rvntest::OpenObjectCheckedTest {
protected:
    // Adds a record of that name; the status of the add.
    Acad::ErrorStatus add(const ACHAR* name, AcDbObjectId* id = nullptr) {
        Table* table = nullptr;
        EXPECT_EQ(Acad::eOk, db.getSymbolTable(table, AcDb::kForWrite));
        auto* record = new RecordOf<Table>;
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
    EXPECT_EQ(defaultRecords<TypeParam>(), recordNames<TypeParam>(this->db));
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
    RecordOf<TypeParam>* record = nullptr;
    ASSERT_EQ(Acad::eOk, table->getAt(L"tz-rv-rete1", record, AcDb::kForWrite));
    EXPECT_EQ(table->objectId(), record->ownerId());
    EXPECT_EQ(Acad::eDuplicateRecordName, record->setName(defaultRecords<TypeParam>().back().c_str()));
    EXPECT_EQ(Acad::eOk, record->setName(L"Renamed"));
    record->close();
    EXPECT_TRUE(table->has(L"renamed"));
    table->close();
}

class DbContainerTest : public rvntest::OpenObjectCheckedTest {
protected:
    AcDbObjectId addLayer(const ACHAR* name) { return rvntest::addLayer(db, name); }
    // Adds a new empty dictionary under key in the named-object dictionary; returns its id.
    AcDbObjectId addEntry(const ACHAR* key) {
        AcDbDictionary* named = nullptr;
        EXPECT_EQ(Acad::eOk, db.getNamedObjectsDictionary(named, AcDb::kForWrite));
        auto* entry = new AcDbDictionary;
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, OpenedObject<AcDbDictionary>(named)->setAt(key, entry, id));
        entry->close();
        return id;
    }
    std::vector<std::wstring> keys(AcRx::DictIterType order) {
        AcDbDictionary* named = nullptr;
        db.getNamedObjectsDictionary(named, AcDb::kForRead);
        std::vector<std::wstring> found;
        const std::unique_ptr<AcDbDictionaryIterator> iterator(OpenedObject<AcDbDictionary>(named)->newIterator(order));
        for (; !iterator->done(); iterator->next()) found.push_back(iterator->name());
        return found;
    }
    AcDbDatabase db;
};

TEST_F(DbContainerTest, TablesTakeOnlyTheirOwnKindOfRecord) {
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

TEST_F(DbContainerTest, LayerPropertiesAreKeptAndChecked) {
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
    EXPECT_EQ(5, layer->colorIndex());
    EXPECT_TRUE(layer->isFrozen() && layer->isOff() && layer->isLocked() && layer->VPDFLT());
    EXPECT_EQ(db.byLayerLinetype(), layer->linetypeObjectId());
}

TEST_F(DbContainerTest, HeaderValuesTakeOnlyValidValues) {
    AcDbObjectId layer = addLayer(L"Current");
    EXPECT_EQ(Acad::eOk, db.setClayer(layer));
    AcDbDatabase other;
    EXPECT_EQ(std::vector<Acad::ErrorStatus>(7, Acad::eInvalidInput),
              (std::vector<Acad::ErrorStatus>{db.setClayer(db.continuousLinetype()), db.setClayer(AcDbObjectId::kNull),
                                              db.setClayer(other.clayer()), db.setLuprec(-1), db.setLunits(0),
                                              db.setTextsize(0.0), db.setTextstyle(db.clayer())}));
    EXPECT_EQ(layer, db.clayer());
    EXPECT_EQ(Acad::eCannotBeErasedByCaller, OpenedObject<AcDbLayerTableRecord>(layer, AcDb::kForWrite)->erase());
}

TEST_F(DbContainerTest, IteratorsAndSearchesSkipErasedRecords) {
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

TEST_F(DbContainerTest, BlocksHoldEntitiesAndErasingABlockErasesThem) {
    const AcDbObjectId nodeBlock = rvntest::addBlock(db, L"TZ-RV-NODO", AcGePoint3d(1, 2, 3));
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, db.getSymbolTable(blocks, AcDb::kForRead));
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(Acad::eOk, blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForWrite));
    blocks->close();
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

    OpenedObject<AcDbBlockTableRecord> block(nodeBlock, AcDb::kForWrite);
    entity = new TestEntity;
    ASSERT_EQ(Acad::eOk, block->appendAcDbEntity(entityId, entity));
    entity->close();
    EXPECT_EQ(AcGePoint3d(1, 2, 3), block->origin());
    EXPECT_EQ(Acad::eOk, block->erase());
    EXPECT_TRUE(entityId.isErased());
}

TEST_F(DbContainerTest, EntitiesTakeLayersByNameOrId) {
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
TEST_F(DbContainerTest, TheCInterfaceSearchesRegistersAndChecksNamesInTheWorkingDatabase) {
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

TEST_F(DbContainerTest, EntriesAreFoundByKeyWithoutRegardToCaseAndReplacedUnderTheirKey) {
    AcDbObjectId id = addEntry(L"TZ-RVN");
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(Acad::eOk, db.getNamedObjectsDictionary(named, AcDb::kForRead));
    AcDbObjectId found;
    EXPECT_EQ(Acad::eOk, named->getAt(L"tz-rvn", found));
    EXPECT_EQ(id, found);
    EXPECT_EQ(Acad::eKeyNotFound, named->getAt(L"TZ-RVN2", found));
    EXPECT_TRUE(found.isNull());
    EXPECT_TRUE(named->has(L"Tz-Rvn") && named->has(id) && !named->has(L"other"));

    AcDbObject* opened = nullptr;
    ASSERT_EQ(Acad::eOk, named->getAt(L"TZ-RVN", opened, AcDb::kForWrite));
    EXPECT_EQ(named->objectId(), OpenedObject<AcDbObject>(opened)->ownerId());
    EXPECT_EQ(Acad::eKeyNotFound, named->getAt(L"missing", opened, AcDb::kForRead));
    EXPECT_EQ(nullptr, opened);

    std::wstring name;
    EXPECT_EQ(Acad::eOk, named->nameAt(id, name));
    EXPECT_EQ(L"TZ-RVN", name);
    EXPECT_EQ(Acad::eKeyNotFound, named->nameAt(named->objectId(), name));
    named->close();

    // Setting a key again replaces the entry, erasing the old one, and takes the new spelling.
    const AcDbObjectId replacing = addEntry(L"tz-rvn");
    EXPECT_TRUE(id.isErased() && !replacing.isErased());
    EXPECT_EQ(std::vector<std::wstring>{L"tz-rvn"}, keys(AcRx::kDictSorted));
}

TEST_F(DbContainerTest, SetAtRefusesWhatTheHostRefuses) {
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(Acad::eOk, db.getNamedObjectsDictionary(named, AcDb::kForRead));
    auto* entry = new AcDbDictionary;
    AcDbObjectId id;
    EXPECT_EQ(Acad::eNotOpenForWrite, named->setAt(L"A", entry, id));
    ASSERT_EQ(Acad::eOk, named->upgradeOpen());
    EXPECT_EQ(Acad::eInvalidKey, named->setAt(L"", entry, id));
    EXPECT_EQ(Acad::eNullObjectPointer, named->setAt(L"A", nullptr, id));
    EXPECT_EQ(Acad::eInvalidInput, named->setAt(L"Self", named, id));
    AcDbDatabase other;
    AcDbDictionary* foreign = nullptr;
    ASSERT_EQ(Acad::eOk, other.getNamedObjectsDictionary(foreign, AcDb::kForWrite));
    EXPECT_EQ(Acad::eWrongDatabase, named->setAt(L"A", foreign, id));
    foreign->close();
    named->close();
    EXPECT_TRUE(entry->objectId().isNull());

    auto* loose = new AcDbDictionary;
    EXPECT_EQ(Acad::eNoDatabase, loose->setAt(L"A", entry, id));
    delete loose;
    delete entry;
}

TEST_F(DbContainerTest, IterationIsSortedOrInTheOrderOfAddition) {
    for (const ACHAR* key : {L"b", L"C", L"a"}) addEntry(key);
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"C"}), keys(AcRx::kDictSorted));
    EXPECT_EQ((std::vector<std::wstring>{L"b", L"C", L"a"}), keys(AcRx::kDictCollated));
}

TEST_F(DbContainerTest, ErasedEntriesAreNotFoundAndErasingADictionaryErasesItsEntries) {
    AcDbObjectId outer = addEntry(L"Outer");
    AcDbDictionary* dictionary = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(dictionary, outer, AcDb::kForWrite));
    auto* inner = new AcDbDictionary;
    AcDbObjectId innerId;
    ASSERT_EQ(Acad::eOk, dictionary->setAt(L"Inner", inner, innerId));
    EXPECT_EQ(Acad::eOk, inner->erase());
    inner->close();
    EXPECT_FALSE(dictionary->has(L"Inner"));
    AcDbObject* object = nullptr;
    EXPECT_EQ(Acad::eKeyNotFound, dictionary->getAt(L"Inner", object, AcDb::kForRead));

    ASSERT_EQ(Acad::eOk, acdbOpenObject(inner, innerId, AcDb::kForWrite, true));
    inner->erase(false);
    inner->close();
    EXPECT_TRUE(dictionary->has(L"Inner"));
    EXPECT_EQ(Acad::eOk, dictionary->erase());
    dictionary->close();
    EXPECT_TRUE(innerId.isErased());

    AcDbDictionary* named = nullptr;
    db.getNamedObjectsDictionary(named, AcDb::kForRead);
    EXPECT_FALSE(OpenedObject<AcDbDictionary>(named)->has(L"Outer"));
}

}  // namespace
