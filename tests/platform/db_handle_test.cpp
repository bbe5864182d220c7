// Handles: allocation order, the handle seed, lookup, reserved handles, their text, and entity names.
#include <gtest/gtest.h>

#include "dbdict.h"
#include "dbsymtb.h"
#include "open_object_guard.h"

#include <tuple>

namespace {

class DbHandleTest : public rvntest::OpenObjectCheckedTest {
protected:
    AcDbDatabase db;
};

AcDbObjectId addClosed(AcDbDatabase& db, AcDbObject* object) {
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, db.addAcDbObject(id, object));
    object->close();
    return id;
}

TEST_F(DbHandleTest, HandlesIncreaseFromTheSeedAndFindTheirObjects) {
    AcDbHandle seed = db.handseed();
    AcDbObjectId first = addClosed(db, new AcDbDictionary);
    AcDbObjectId second = addClosed(db, new AcDbDictionary);
    EXPECT_EQ(std::tuple(seed.value(), seed.value() + 1, seed.value() + 2),
              std::tuple(first.handle().value(), second.handle().value(), db.handseed().value()));

    AcDbObjectId found;
    EXPECT_EQ(Acad::eOk, db.getAcDbObjectId(found, false, second.handle()));
    EXPECT_TRUE(found == second && found.database() == &db && found.isValid());
    EXPECT_EQ(Acad::eUnknownHandle, db.getAcDbObjectId(found, false, db.handseed()));
    EXPECT_TRUE(found.isNull());
    EXPECT_EQ(Acad::eNullHandle, db.getAcDbObjectId(found, false, AcDbHandle()));
}

TEST_F(DbHandleTest, AReaderPlacesObjectsUnderTheirFileHandles) {
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
    EXPECT_EQ(0x900u, addClosed(db, new AcDbDictionary).handle().value());
}

TEST(DbHandleText, HandlesReadAndWriteAsHexadecimal) {
    EXPECT_EQ(L"1F", AcDbHandle(0x1F).text());
    EXPECT_EQ(L"0", AcDbHandle().text());
    EXPECT_EQ(0xABCDu, AcDbHandle(L"abcd").value());
    EXPECT_TRUE(AcDbHandle(L"12G").isNull());
    EXPECT_TRUE(AcDbHandle(L"").isNull());
    EXPECT_TRUE(AcDbHandle(L"12345678901234567").isNull());
}

TEST_F(DbHandleTest, EntityNamesLeadBackToTheirObjects) {
    AcDbObjectId id = addClosed(db, new AcDbDictionary);
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

}  // namespace
