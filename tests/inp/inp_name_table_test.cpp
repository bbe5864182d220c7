#include "analysis/exchange/inp_name_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Short names are held whole in the table and long ones by their text: names that share a prefix,
// differ only in length or only in their last byte stay apart across that border and a rehash.
TEST(InpNameTable, NamesAroundTheInlineLengthStayApartAndAreFoundAfterGrowing) {
    const std::vector<std::string> names = {"",         "1",         "123456",     "1234567", "1234568",
                                            "12345678", "12345679",  "123456789",  "\xC3\xA9", "A\xC3\xA9",
                                            "LONGNAME_A", "LONGNAME_B", std::string("a\0", 2), "a"};
    std::vector<std::string> many;
    for (int i = 0; i < 500; ++i) many.push_back("N" + std::to_string(i));
    TzRvnInpNameTable table;
    std::uint32_t number = 0;
    for (const std::string& name : names) EXPECT_TRUE(table.insert(name)) << name;
    for (const std::string& name : many) EXPECT_TRUE(table.insert(name)) << name;
    for (const std::string& name : names) EXPECT_EQ(number++, table.find(name)) << name;
    for (const std::string& name : many) EXPECT_EQ(number++, table.find(name)) << name;
    for (const std::string& name : names) EXPECT_FALSE(table.insert(name)) << name;
    EXPECT_FALSE(table.find("123457").has_value());
    EXPECT_FALSE(table.find("LONGNAME_C").has_value());
    EXPECT_FALSE(table.find("N500").has_value());
}
