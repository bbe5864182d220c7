// Several doubles compared in one line, each as EXPECT_DOUBLE_EQ compares (to four units in the
// last place), the failing one named by its place in the list.
#pragma once

#include <gtest/gtest.h>

#include <vector>

namespace rvntest {

inline void ExpectDoublesEq(const std::vector<double>& expected, const std::vector<double>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_DOUBLE_EQ(expected[i], actual[i]) << "value " << i;
}

}  // namespace rvntest
