#include "text_codec.h"

#include <gtest/gtest.h>

namespace {

// Text round-trips through UTF-8 in all planes; malformed bytes become replacement characters, or
// are told and shown escaped (escaping in use: tests/shell, script lines and file names).
TEST(TextCodec, Utf8RoundTripsAllPlanesAndMalformedBytesAreReplacedOrShownEscaped) {
    std::wstring text = L"Portata l/s \u00e8 \u20ac \U0001F4A7";
    EXPECT_EQ(rvnos::fromUtf8(rvnos::toUtf8(text)), text);
    EXPECT_EQ(rvnos::toUtf8(L"\u00e8"), "\xC3\xA8");
    EXPECT_EQ(rvnos::fromUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(rvnos::fromUtf8("\xC3"), L"\uFFFD");            // truncated sequence
    EXPECT_EQ(rvnos::fromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");  // overlong form
    // A replacement character written out reads back as one, so that decoding twice changes nothing.
    EXPECT_EQ(rvnos::fromUtf8(rvnos::toUtf8(rvnos::fromUtf8("x\xCC\xDFy"))), L"x\uFFFD\uFFFDy");
    EXPECT_TRUE(rvnos::isUtf8("rete \xC3\xA8 \xF0\x9F\x92\xA7"));
    EXPECT_TRUE(rvnos::isUtf8(""));
    for (const char* bad : {"a\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82"}) EXPECT_FALSE(rvnos::isUtf8(bad)) << bad;
    EXPECT_EQ(rvnos::fromUtf8Escaped("\xE2\x82"), L"\\xE2\\x82");
}

TEST(TextCodec, Utf16UsesSurrogatePairsAboveTheBasicPlane) {
    std::u16string units = rvnos::toUtf16(L"A\U0001F4A7");
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[1], 0xD83D);
    EXPECT_EQ(units[2], 0xDCA7);
    EXPECT_EQ(rvnos::fromUtf16(units), L"A\U0001F4A7");
    EXPECT_EQ(rvnos::utf16Length(L"A\U0001F4A7"), 3u);
}

}  // namespace
