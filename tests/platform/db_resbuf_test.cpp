// Result-buffer lists: building them by code and freeing them, as the plug-in does.
#include <gtest/gtest.h>

#include "acutmem.h"
#include "adscodes.h"
#include "dbmain.h"

namespace {

TEST(DbResbuf, BuildListTakesEachValueByItsCode) {
    ads_point point = {1.0, 2.0, 3.0};
    ads_point flat = {4.0, 5.0, 99.0};
    resbuf* list = acutBuildList(RTDXF0, L"INSERT", 8, L"TZ-RV-Rete", 10, point, 40, 2.5, 70, 7, 90, 70000,
                                 1001, L"TZ-TOZARI-TZ-RR", 1070, 210, 1071, -5, RTPOINT, flat, RTLB, RTT, RTLE,
                                 RTINT64, 1LL << 40, RTNONE);
    ASSERT_NE(nullptr, list);
    resbuf* item = list;
    EXPECT_EQ(0, item->restype);
    EXPECT_STREQ(L"INSERT", item->resval.rstring);
    item = item->rbnext;
    EXPECT_STREQ(L"TZ-RV-Rete", item->resval.rstring);
    item = item->rbnext;
    EXPECT_EQ(10, item->restype);
    EXPECT_DOUBLE_EQ(3.0, item->resval.rpoint[Z]);
    item = item->rbnext;
    EXPECT_DOUBLE_EQ(2.5, item->resval.rreal);
    item = item->rbnext;
    EXPECT_EQ(7, item->resval.rint);
    item = item->rbnext;
    EXPECT_EQ(70000, item->resval.rlong);
    item = item->rbnext->rbnext;
    EXPECT_EQ(210, item->resval.rint);
    item = item->rbnext;
    EXPECT_EQ(-5, item->resval.rlong);
    item = item->rbnext;
    EXPECT_EQ(RTPOINT, item->restype);
    EXPECT_DOUBLE_EQ(5.0, item->resval.rpoint[Y]);
    EXPECT_DOUBLE_EQ(0.0, item->resval.rpoint[Z]);
    item = item->rbnext;
    EXPECT_EQ(RTLB, item->restype);
    item = item->rbnext->rbnext->rbnext;
    EXPECT_EQ(RTINT64, item->restype);
    EXPECT_EQ(1LL << 40, item->resval.mnInt64);
    EXPECT_EQ(nullptr, item->rbnext);
    EXPECT_EQ(RTNORM, acutRelRb(list));
}

TEST(DbResbuf, BuildListRefusesWhatItCannotCarry) {
    EXPECT_EQ(nullptr, acutBuildList(1000, L"ok", 4242, 1, 0));
    EXPECT_EQ(nullptr, acutBuildList(1000, L"ok", 1000, static_cast<const ACHAR*>(nullptr), 0));
    EXPECT_EQ(nullptr, acutBuildList(0));
    EXPECT_EQ(RTERROR, acutRelRb(nullptr));
}

TEST(DbResbuf, BinaryChunksAndNamesAreCopied) {
    char bytes[] = {1, 2, 3};
    ads_binary chunk = {3, bytes};
    ads_name name = {11, 22};
    resbuf* list = acutBuildList(1004, &chunk, RTENAME, name, 0);
    ASSERT_NE(nullptr, list);
    bytes[0] = 9;
    EXPECT_EQ(3, list->resval.rbinary.clen);
    EXPECT_EQ(1, list->resval.rbinary.buf[0]);
    EXPECT_EQ(22, list->rbnext->resval.rlname[1]);
    acutRelRb(list);
}

}  // namespace
