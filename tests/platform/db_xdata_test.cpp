// Extended data per registered application on database objects.
#include <gtest/gtest.h>

#include <string>

#include "acutmem.h"
#include "dbdict.h"
#include "dbsymtb.h"
#include "open_object_guard.h"
#include "table_records.h"

namespace {

class DbXDataTest : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        rvntest::registerApplication(db, L"TZ-SCHEMA_RETE-RVN");
        rvntest::registerApplication(db, L"TZ-C-TOZARI");
        auto* object = new AcDbDictionary;
        db.addAcDbObject(id, object);
        object->close();
    }
    Acad::ErrorStatus set(resbuf* list) {
        AcDbObject* object = nullptr;
        EXPECT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForWrite));
        Acad::ErrorStatus status = object->setXData(list);
        object->close();
        acutRelRb(list);
        return status;
    }
    // The codes and values of an xdata list as one text, for comparison.
    std::wstring read(const ACHAR* app) {
        AcDbObject* object = nullptr;
        EXPECT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForRead));
        resbuf* list = object->xData(app);
        object->close();
        std::wstring text;
        for (resbuf* item = list; item != nullptr; item = item->rbnext) {
            text += std::to_wstring(item->restype) + L"=";
            if (item->restype == 1070) text += std::to_wstring(item->resval.rint);
            else if (item->restype == 1040) text += std::to_wstring(item->resval.rreal);
            else if (item->restype == 1010) text += std::to_wstring(item->resval.rpoint[Y]);
            else text += item->resval.rstring;
            text += L";";
        }
        acutRelRb(list);
        return text;
    }
    AcDbDatabase db;
    AcDbObjectId id;
};

TEST_F(DbXDataTest, EachApplicationKeepsItsOwnData) {
    ads_point point = {1.0, 2.0, 3.0};
    ASSERT_EQ(Acad::eOk, set(acutBuildList(1001, L"TZ-SCHEMA_RETE-RVN", 1040, 12.5, 1000, L"nota", 0)));
    ASSERT_EQ(Acad::eOk, set(acutBuildList(1001, L"TZ-C-TOZARI", 1010, point, 1070, 230, 0)));
    EXPECT_EQ(L"1001=TZ-SCHEMA_RETE-RVN;1040=12.500000;1000=nota;", read(L"tz-schema_rete-rvn"));
    EXPECT_EQ(L"1001=TZ-C-TOZARI;1010=2.000000;1070=230;", read(L"TZ-C-TOZARI"));
    EXPECT_EQ(L"1001=TZ-SCHEMA_RETE-RVN;1040=12.500000;1000=nota;1001=TZ-C-TOZARI;1010=2.000000;1070=230;",
              read(nullptr));
    EXPECT_EQ(L"", read(L"ACAD"));
    AcDbObject* object = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(object, id, AcDb::kForRead));
    EXPECT_EQ(Acad::eNotOpenForWrite, object->setXData(nullptr));
    object->close();
}

TEST_F(DbXDataTest, NewDataReplacesAnApplicationsDataAndAnEmptyEntryRemovesIt) {
    set(acutBuildList(1001, L"TZ-SCHEMA_RETE-RVN", 1000, L"prima", 0));
    set(acutBuildList(1001, L"TZ-C-TOZARI", 1000, L"altra", 0));
    ASSERT_EQ(Acad::eOk, set(acutBuildList(1001, L"TZ-SCHEMA_RETE-RVN", 1000, L"seconda", 0)));
    EXPECT_EQ(L"1001=TZ-SCHEMA_RETE-RVN;1000=seconda;", read(L"TZ-SCHEMA_RETE-RVN"));
    ASSERT_EQ(Acad::eOk, set(acutBuildList(1001, L"TZ-SCHEMA_RETE-RVN", 1001, L"TZ-C-TOZARI", 1070, 1, 0)));
    EXPECT_EQ(L"", read(L"TZ-SCHEMA_RETE-RVN"));
    EXPECT_EQ(L"1001=TZ-C-TOZARI;1070=1;", read(nullptr));
}

TEST_F(DbXDataTest, MalformedOrUnregisteredDataChangesNothing) {
    set(acutBuildList(1001, L"TZ-C-TOZARI", 1000, L"tenuta", 0));
    EXPECT_EQ(Acad::eRegappIdNotFound, set(acutBuildList(1001, L"TZ-SCONOSCIUTA", 1000, L"x", 0)));
    EXPECT_EQ(Acad::eRegappIdNotFound,
              set(acutBuildList(1001, L"TZ-C-TOZARI", 1000, L"y", 1001, L"TZ-SCONOSCIUTA", 1000, L"x", 0)));
    EXPECT_EQ(Acad::eInvalidResBuf, set(acutBuildList(1000, L"senza applicazione", 0)));
    EXPECT_EQ(Acad::eInvalidResBuf, set(acutBuildList(1001, L"TZ-C-TOZARI", 8, L"0", 0)));
    EXPECT_EQ(Acad::eInvalidResBuf, set(acutBuildList(1001, L"TZ-C-TOZARI", 1002, L"{", 0)));
    EXPECT_EQ(Acad::eInvalidResBuf, set(acutBuildList(1001, L"TZ-C-TOZARI", 1002, L"}", 1002, L"{", 0)));
    EXPECT_EQ(Acad::eOk, set(acutBuildList(1001, L"TZ-C-TOZARI", 1002, L"{", 1070, 1, 1002, L"}", 0)));
    EXPECT_EQ(Acad::eInvalidResBuf, set(nullptr));
    EXPECT_EQ(L"1001=TZ-C-TOZARI;1002={;1070=1;1002=};", read(nullptr));
}

}  // namespace
