#include "network/number_text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(NumberText, IntegersAreAppendedAsPrintfWritesThem) {
    std::wstring text = L"rami: ";
    for (long long value : {0LL, 7LL, -42LL, static_cast<long long>(INT_MIN), LLONG_MAX}) {
        AppendIntegerText(text, value);
        text += L' ';
    }
    EXPECT_EQ(L"rami: 0 7 -42 -2147483648 9223372036854775807 ", text);
}
