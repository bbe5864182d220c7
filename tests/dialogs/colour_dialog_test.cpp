// The colours typed in the colour picker. The picker itself, opened by a right click on a swatch,
// is played through the settings dialog (tests/elements).
#include "afx_color_dialog.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ColourPicker, ColoursAreTypedAsIntensitiesOrBasicColours) {
    EXPECT_EQ(rvnhost::colourOfText(L" 10, 20 ,30"), RGB(10, 20, 30));
    EXPECT_EQ(rvnhost::colourOfText(L"255,255,255"), RGB(255, 255, 255));
    EXPECT_EQ(rvnhost::colourOfText(L"0"), RGB(0, 0, 0));
    EXPECT_EQ(rvnhost::colourOfText(L"9"), RGB(255, 0, 0));
    EXPECT_EQ(rvnhost::colourOfText(L"15"), RGB(255, 255, 255));
    for (const wchar_t* wrong : {L"16", L"256,0,0", L"1,2", L"1,2,3,4", L"-1,0,0", L"a,b,c", L"", L"1,,3", L"1.5"}) {
        EXPECT_EQ(rvnhost::colourOfText(wrong), std::nullopt) << rvnos::toUtf8(wrong);
    }
}

}  // namespace
