// Result-buffer lists built by code and freed, as the plug-in does, and extended data per registered
// application on database objects.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "acutmem.h"
#include "adscodes.h"
#include "dbdict.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "table_records.h"

namespace {

using rvnhost::OpenedObject;

TEST(DbResbuf, BuildListTakesEachValueByItsCode) {
    ads_point point = {1.0, 2.0, 3.0};
    ads_point flat = {4.0, 5.0, 99.0};
    resbuf* list = acutBuildList(RTDXF0, L"INSERT", 8, L"TZ-RV-Rete", 10, point, 40, 2.5, 70, 7, 90, 70000,
                                 1001, L"TZ-TOZARI-TZ-RR", 1070, 210, 1071, -5, RTPOINT, flat, RTLB, RTT, RTLE, RTNONE);
    ASSERT_NE(nullptr, list);
    std::vector<resbuf*> items;
    for (resbuf* item = list; item != nullptr; item = item->rbnext) items.push_back(item);
    std::vector<int> types;
    for (const resbuf* item : items) types.push_back(item->restype);
    EXPECT_EQ((std::vector<int>{0, 8, 10, 40, 70, 90, 1001, 1070, 1071, RTPOINT, RTLB, RTT, RTLE}), types);
    ASSERT_EQ(13u, items.size());
    EXPECT_STREQ(L"INSERT", items[0]->resval.rstring);
    EXPECT_STREQ(L"TZ-RV-Rete", items[1]->resval.rstring);
    EXPECT_EQ(std::tuple(3.0, 2.5, 5.0, 0.0), std::tie(items[2]->resval.rpoint[Z], items[3]->resval.rreal,
                                                       items[9]->resval.rpoint[Y], items[9]->resval.rpoint[Z]));
    EXPECT_EQ((std::vector<long>{7, 70000, 210, -5}), (std::vector<long>{items[4]->resval.rint, items[5]->resval.rlong,
                                                                        items[7]->resval.rint, items[8]->resval.rlong}));
    EXPECT_EQ(RTNORM, acutRelRb(list));
}

TEST(DbResbuf, BuildListRefusesWhatItCannotCarry) {
    EXPECT_EQ(nullptr, acutBuildList(1000, L"ok", 4242, 1, 0));
    EXPECT_EQ(nullptr, acutBuildList(1000, L"ok", 1000, static_cast<const ACHAR*>(nullptr), 0));
    EXPECT_EQ(nullptr, acutBuildList(0));
    EXPECT_EQ(RTERROR, acutRelRb(nullptr));
}

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
        const Acad::ErrorStatus status = OpenedObject<AcDbObject>(id, AcDb::kForWrite)->setXData(list);
        acutRelRb(list);
        return status;
    }
    // The codes and values of an xdata list as one text, for comparison.
    std::wstring read(const ACHAR* app) {
        resbuf* list = OpenedObject<AcDbObject>(id, AcDb::kForRead)->xData(app);
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
    EXPECT_EQ(Acad::eNotOpenForWrite, OpenedObject<AcDbObject>(id, AcDb::kForRead)->setXData(nullptr));
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
