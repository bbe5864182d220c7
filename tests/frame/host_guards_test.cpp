#include "acedads.h"
#include "dbdict.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "host/open_object.h"
#include "host/resbuf_list.h"
#include "open_object_guard.h"
#include "open_objects.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

class OpenObjectGuards : public rvntest::OpenObjectCheckedTest {
protected:
    std::size_t openCount() const { return rvnhost::openObjects(database).size(); }

    AcDbDatabase database;
};

TEST_F(OpenObjectGuards, AnObjectOpenedByIdIsClosedAtTheEndOfTheScope) {
    {
        TzRvnOpenObject<AcDbDictionary> named(database.namedObjectsDictionaryId(), AcDb::kForWrite);
        ASSERT_TRUE(named.isOpen());
        EXPECT_EQ(named.status(), Acad::eOk);
        EXPECT_TRUE(named->isWriteEnabled());
        EXPECT_EQ(openCount(), 1u);
        // Open for write, it cannot be opened again for write.
        TzRvnOpenObject<AcDbDictionary> again(database.namedObjectsDictionaryId(), AcDb::kForWrite);
        EXPECT_FALSE(again.isOpen());
        EXPECT_EQ(again.status(), Acad::eWasOpenedForWrite);
    }
    EXPECT_EQ(openCount(), 0u);
    TzRvnOpenObject<AcDbDictionary> afterwards(database.namedObjectsDictionaryId(), AcDb::kForWrite);
    EXPECT_TRUE(afterwards.isOpen());
}

TEST_F(OpenObjectGuards, AFailedOpenLeavesNothingOpen) {
    TzRvnOpenObject<AcDbBlockTable> wrongClass(database.namedObjectsDictionaryId(), AcDb::kForRead);
    EXPECT_FALSE(wrongClass.isOpen());
    EXPECT_EQ(wrongClass.status(), Acad::eNotThatKindOfClass);
    TzRvnOpenObject<AcDbObject> noObject(AcDbObjectId(), AcDb::kForRead);
    EXPECT_EQ(noObject.status(), Acad::eNullObjectId);
    EXPECT_EQ(openCount(), 0u);
}

TEST_F(OpenObjectGuards, ObjectsHandedBackByHostCallsAreTakenOver) {
    TzRvnOpenObject<AcDbDictionary> named;
    ASSERT_EQ(named.take(database.getNamedObjectsDictionary(named.slot(), AcDb::kForRead)), Acad::eOk);
    ASSERT_TRUE(named.isOpen());

    TzRvnOpenObject<AcDbObject> entry;
    EXPECT_EQ(entry.take(named->getAt(L"TZ-RVN", entry.slot(), AcDb::kForRead)), Acad::eKeyNotFound);
    EXPECT_FALSE(entry.isOpen());
    EXPECT_EQ(openCount(), 1u);

    // Filling the slot again closes what the guard held.
    named.take(database.getNamedObjectsDictionary(named.slot(), AcDb::kForRead));
    EXPECT_EQ(openCount(), 1u);
    EXPECT_EQ(named.close(), Acad::eOk);
    EXPECT_EQ(openCount(), 0u);
    EXPECT_EQ(named.close(), Acad::eOk);
}

TEST_F(OpenObjectGuards, AMovedGuardClosesOnce) {
    TzRvnOpenObject<AcDbLayerTable> kept;
    {
        TzRvnOpenObject<AcDbLayerTable> opened(database.layerTableId(), AcDb::kForRead);
        kept = std::move(opened);
        EXPECT_FALSE(opened.isOpen());
    }
    ASSERT_TRUE(kept.isOpen());
    EXPECT_EQ(openCount(), 1u);
    TzRvnOpenObject<AcDbLayerTable> last(std::move(kept));
    EXPECT_EQ(openCount(), 1u);
    EXPECT_EQ(last.close(), Acad::eOk);
    EXPECT_EQ(openCount(), 0u);
}

TEST(ResbufList, AListIsFreedOrHandedOver) {
    TzRvnResbufList value(acutBuildList(RTSTR, L"/opt/rivanta/", 0));
    ASSERT_NE(value.get(), nullptr);
    ASSERT_EQ(acedPutSym(L"tz-cpath", value.get()), RTNORM);

    TzRvnResbufList read;
    ASSERT_EQ(acedGetSym(L"tz-cpath", &read.slot()), RTNORM);
    ASSERT_NE(read.get(), nullptr);
    EXPECT_STREQ(read.get()->resval.rstring, L"/opt/rivanta/");

    resbuf* handedOver = read.release();
    EXPECT_EQ(read.get(), nullptr);
    EXPECT_EQ(acutRelRb(handedOver), RTNORM);
    value.reset();
    EXPECT_EQ(value.get(), nullptr);
}

}  // namespace
