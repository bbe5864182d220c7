// Result-buffer lists: building them by code and freeing them, as the plug-in does.
#include <gtest/gtest.h>

#include "acutmem.h"
#include "adscodes.h"
#include "dbmain.h"

#include <tuple>
#include <vector>

namespace {

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

}  // namespace
