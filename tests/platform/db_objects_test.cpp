// Database objects: their classes (what the registry refuses, and what stops the host), opening and
// closing them (modes, conflicts, erase, what a new object may do), and their handles (allocation
// order, the handle seed, lookup, reserved handles, their text, entity names).
#include <gtest/gtest.h>

#include "dbdict.h"
#include "dbsymtb.h"
#include "open_object_guard.h"
#include "rxregsvc.h"

#include <tuple>

namespace {

class RegistryTestObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(RegistryTestObject);
};

ACRX_DXF_DEFINE_MEMBERS(RegistryTestObject, AcDbObject, 33, 4, 0, L"RVNREGISTRYTEST", L"Tozari_Works")

// Registering, creating and removing an application's class are the plug-in's class tests
// (tests/netobj), kinds and casts what every drawing read relies on; here the registry's refusals and
// a descriptor that outlives its removal.
TEST(ClassRegistry, RefusesASecondOrNamelessClassKeepsTheHostsAndKeepsARemovedDescriptor) {
    RegistryTestObject::rxInit();
    AcRxClass* descriptor = RegistryTestObject::desc();
    ASSERT_NE(nullptr, descriptor);
    EXPECT_EQ(nullptr, newAcRxClass(L"RegistryTestObject", L"AcDbObject", 0, 0));
    EXPECT_EQ(nullptr, newAcRxClass(L"", L"AcDbObject", 0, 0));
    deleteAcRxClass(AcDbDictionary::desc());
    EXPECT_EQ(AcDbDictionary::desc(), acrxClassDictionary->at(L"AcDbDictionary")) << "a host class stays";
    deleteAcRxClass(descriptor);
    EXPECT_EQ(nullptr, acrxClassDictionary->at(L"RegistryTestObject"));
    EXPECT_STREQ(L"RegistryTestObject", descriptor->name());
}

TEST(ClassRegistryDeathTest, ADifferentClassUnderTheSameNameStopsTheHost) {
    EXPECT_DEATH(
        {
            RegistryTestObject::rxInit();
            RegistryTestObject::gpDesc = newAcRxClass(L"RvnImpostor", L"AcDbObject", 0, 0);
            RegistryTestObject::rxInit();
        },
        "Class mismatch");
}

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
    AcDbDictionary* dictionary = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(dictionary, id, AcDb::kForWrite));
    dictionary->close();
    AcDbObject* object = nullptr;
    EXPECT_EQ(Acad::eNullObjectId, acdbOpenObject(object, AcDbObjectId::kNull, AcDb::kForRead));
}

// Handles are the drawing readers' and writers': finding an object by its handle is every drawing
// test's (tests/drawing); here the seed, the refusals, and a handle named in a file before its object.
TEST_F(DbOpenTest, HandlesIncreaseFromTheSeedAndAReaderPlacesObjectsUnderTheirFileHandles) {
    const AcDbHandle seed = db.handseed();
    const AcDbObjectId first = addDictionary();
    EXPECT_EQ(std::tuple(seed.value(), seed.value() + 1), std::tuple(first.handle().value(), db.handseed().value()));
    AcDbObjectId found;
    EXPECT_EQ(Acad::eUnknownHandle, db.getAcDbObjectId(found, false, db.handseed()));
    EXPECT_TRUE(found.isNull());
    EXPECT_EQ(Acad::eNullHandle, db.getAcDbObjectId(found, false, AcDbHandle()));

    AcDbObjectId reserved;
    ASSERT_EQ(Acad::eOk, db.getAcDbObjectId(reserved, true, AcDbHandle(0x400)));
    EXPECT_FALSE(reserved.isValid());
    EXPECT_EQ(0x401u, db.handseed().value());
    AcDbObject* nothing = nullptr;
    EXPECT_EQ(Acad::eUnknownHandle, acdbOpenObject(nothing, reserved, AcDb::kForRead));
    auto* dictionary = new AcDbDictionary;
    AcDbObjectId placed;
    ASSERT_EQ(Acad::eOk, db.addAcDbObjectWithHandle(placed, dictionary, AcDbHandle(0x400)));
    dictionary->close();
    EXPECT_EQ(reserved, placed);
    EXPECT_TRUE(reserved.isValid());
    auto* another = new AcDbDictionary;
    EXPECT_EQ(Acad::eHandleInUse, db.addAcDbObjectWithHandle(placed, another, AcDbHandle(0x400)));
    EXPECT_EQ(Acad::eNullHandle, db.addAcDbObjectWithHandle(placed, another, AcDbHandle()));
    delete another;

    db.setHandseed(AcDbHandle(0x100));
    EXPECT_EQ(0x401u, db.handseed().value());
    db.setHandseed(AcDbHandle(0x900));
    EXPECT_EQ(0x900u, addDictionary().handle().value());
}

TEST(DbHandleText, HandlesReadAndWriteAsHexadecimal) {
    EXPECT_EQ(L"1F", AcDbHandle(0x1F).text());
    EXPECT_EQ(L"0", AcDbHandle().text());
    EXPECT_EQ(0xABCDu, AcDbHandle(L"abcd").value());
    EXPECT_TRUE(AcDbHandle(L"12G").isNull());
    EXPECT_TRUE(AcDbHandle(L"").isNull());
    EXPECT_TRUE(AcDbHandle(L"12345678901234567").isNull());
}

TEST_F(DbOpenTest, EntityNamesLeadBackToTheirObjects) {
    AcDbObjectId id = addDictionary();
    ads_name name;
    ASSERT_EQ(Acad::eOk, acdbGetAdsName(name, id));
    AcDbObjectId back;
    EXPECT_EQ(Acad::eOk, acdbGetObjectId(back, name));
    EXPECT_EQ(id, back);

    ads_name stale = {name[0], name[1] + 16};
    EXPECT_EQ(Acad::eInvalidAdsName, acdbGetObjectId(back, stale));
    ads_name unknown = {0x7FFFFF, name[1]};
    EXPECT_EQ(Acad::eUnknownHandle, acdbGetObjectId(back, unknown));
    EXPECT_EQ(Acad::eNullObjectId, acdbGetAdsName(name, AcDbObjectId::kNull));
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
