// Opening and closing database objects: modes, conflicts, erase, and what a new object may do.
#include <gtest/gtest.h>

#include "dbdict.h"
#include "dbsymtb.h"
#include "open_object_guard.h"

namespace {

class DbOpenTest : public rvntest::OpenObjectCheckedTest {
protected:
    AcDbObjectId addDictionary() {
        auto* dictionary = new AcDbDictionary;
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, db.addAcDbObject(id, dictionary));
        EXPECT_EQ(Acad::eOk, dictionary->close());
        return id;
    }
    AcDbDatabase db;
};

TEST_F(DbOpenTest, NewObjectIsFreeUntilAddedThenOpenForWriteUntilClosed) {
    auto* dictionary = new AcDbDictionary;
    EXPECT_TRUE(dictionary->objectId().isNull());
    EXPECT_TRUE(dictionary->isWriteEnabled());
    EXPECT_EQ(Acad::eNotInDatabase, dictionary->close());

    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, db.addAcDbObject(id, dictionary));
    EXPECT_EQ(id, dictionary->objectId());
    EXPECT_EQ(&db, dictionary->database());
    EXPECT_TRUE(dictionary->isWriteEnabled());
    EXPECT_EQ(Acad::eAlreadyInDb, db.addAcDbObject(dictionary));
    EXPECT_EQ(Acad::eOk, dictionary->close());
    EXPECT_FALSE(dictionary->isReadEnabled());
    EXPECT_EQ(Acad::eNotOpenForRead, dictionary->close());
    EXPECT_EQ(Acad::eNullObjectPointer, db.addAcDbObject(nullptr));
}

TEST_F(DbOpenTest, ReadersShareWritersAreAlone) {
    AcDbObjectId id = addDictionary();
    AcDbObject *first = nullptr, *second = nullptr, *writer = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(first, id, AcDb::kForRead));
    ASSERT_EQ(Acad::eOk, acdbOpenObject(second, id, AcDb::kForRead));
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->isWriteEnabled());
    EXPECT_EQ(Acad::eWasOpenedForRead, acdbOpenObject(writer, id, AcDb::kForWrite));
    EXPECT_EQ(nullptr, writer);
    EXPECT_EQ(Acad::eHadMultipleReaders, first->upgradeOpen());
    first->close();
    EXPECT_EQ(Acad::eOk, second->upgradeOpen());
    EXPECT_TRUE(second->isWriteEnabled());

    AcDbObject* other = nullptr;
    EXPECT_EQ(Acad::eWasOpenedForWrite, acdbOpenObject(other, id, AcDb::kForRead));
    EXPECT_EQ(Acad::eWasOpenedForWrite, acdbOpenObject(other, id, AcDb::kForWrite));
    EXPECT_EQ(Acad::eInvalidOpenState, acdbOpenObject(other, id, AcDb::kNotOpen));
    EXPECT_EQ(Acad::eOk, second->downgradeOpen());
    EXPECT_FALSE(second->isWriteEnabled());
    EXPECT_EQ(Acad::eOk, second->close());
}

TEST_F(DbOpenTest, MethodsAnswerTheModeTheyNeed) {
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(Acad::eOk, db.getSymbolTable(table, AcDb::kForRead));
    AcDbLayerTableRecord* layer = nullptr;
    ASSERT_EQ(Acad::eOk, table->getAt(L"0", layer, AcDb::kForRead));
    EXPECT_EQ(Acad::eNotOpenForWrite, layer->setColorIndex(3));
    EXPECT_EQ(Acad::eNotOpenForWrite, layer->setName(L"Other"));
    AcDbLayerTableRecord refused;
    refused.setName(L"Refused");
    EXPECT_EQ(Acad::eNotOpenForWrite, table->add(&refused));
    layer->close();
    table->close();
    const ACHAR* name = nullptr;
    EXPECT_EQ(Acad::eNotOpenForRead, layer->getName(name));
    EXPECT_EQ(nullptr, name);
}

TEST_F(DbOpenTest, ErasedObjectsOpenOnlyWhenAsked) {
    AcDbObjectId id = addDictionary();
    AcDbObject* object = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForRead));
    EXPECT_EQ(Acad::eNotOpenForWrite, object->erase());
    object->close();

    ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite));
    EXPECT_EQ(Acad::eWasNotErased, object->erase(false));
    EXPECT_EQ(Acad::eOk, object->erase());
    EXPECT_EQ(Acad::eWasErased, object->erase());
    object->close();
    EXPECT_TRUE(id.isErased());

    EXPECT_EQ(Acad::eWasErased, acdbOpenObject(object, id, AcDb::kForRead));
    ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite, true));
    EXPECT_EQ(Acad::eOk, object->erase(false));
    object->close();
    EXPECT_FALSE(id.isErased());
}

TEST_F(DbOpenTest, TheDrawingsOwnStructureCannotBeErased) {
    for (AcDbObjectId id : {db.namedObjectsDictionaryId(), db.layerTableId(), db.clayer(), db.continuousLinetype()}) {
        AcDbObject* object = nullptr;
        ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite));
        EXPECT_EQ(Acad::eCannotBeErasedByCaller, object->erase()) << rvnos::toUtf8(object->isA()->name());
        object->close();
        EXPECT_FALSE(id.isErased());
    }
}

TEST_F(DbOpenTest, OpeningAsAClassChecksTheClass) {
    AcDbObjectId id = addDictionary();
    AcDbLayerTableRecord* layer = nullptr;
    EXPECT_EQ(Acad::eNotThatKindOfClass, acdbOpenObject(layer, id, AcDb::kForWrite));
    EXPECT_EQ(nullptr, layer);
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(Acad::eNotAnEntity, acdbOpenAcDbEntity(entity, id, AcDb::kForRead));
    AcDbDictionary* dictionary = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(dictionary, id, AcDb::kForWrite));
    dictionary->close();
    AcDbObject* object = nullptr;
    EXPECT_EQ(Acad::eNullObjectId, acdbOpenObject(object, AcDbObjectId::kNull, AcDb::kForRead));
}

TEST(DbOpenDeathTest, DeletingAnObjectOfADatabaseStopsTheHost) {
    EXPECT_DEATH(
        {
            AcDbDatabase db;
            auto* dictionary = new AcDbDictionary;
            db.addAcDbObject(dictionary);
            delete dictionary;
        },
        "Object with handle #[0-9A-F]+ deleted while in a database");
}

}  // namespace
