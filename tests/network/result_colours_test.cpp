// The colours of results outside the network's thresholds, shared by the grids and the pictures.
#include "network/result_colours.h"

#include <gtest/gtest.h>

namespace {

TzRvnSettings thresholds() {
    TzRvnSettings settings;
    settings.minPressureHead = 10.0;
    settings.maxPressureHead = 70.0;
    settings.minVelocity = 0.3;
    settings.maxVelocity = 2.0;
    settings.colourLowHead = 1;
    settings.colourHighHead = 2;
    settings.colourLowVelocity = 3;
    settings.colourHighVelocity = 4;
    return settings;
}

TEST(ResultColours, PressureHeadsBelowOrAboveTheirThresholdsOnly) {
    const TzRvnSettings settings = thresholds();
    for (double low : {9.99, -5.0}) EXPECT_EQ(PressureHeadColour(settings, low), 1u) << low;
    EXPECT_EQ(PressureHeadColour(settings, 70.01), 2u);
    // On a threshold is within, and no result has no colour.
    for (double within : {10.0, 70.0, 40.0, NO_RESULT}) EXPECT_EQ(PressureHeadColour(settings, within), std::nullopt) << within;
    // Thresholds the wrong way round: the low colour wins, as the grid has always shown it.
    TzRvnSettings crossed = settings;
    crossed.minPressureHead = 80.0;
    EXPECT_EQ(PressureHeadColour(crossed, 75.0), 1u);
}

TEST(ResultColours, VelocitiesByTheirSizeWhicheverTheirDirection) {
    const TzRvnSettings settings = thresholds();
    for (double low : {0.2, -0.2}) EXPECT_EQ(VelocityColour(settings, low), 3u) << low;
    for (double high : {-5.0, 2.5}) EXPECT_EQ(VelocityColour(settings, high), 4u) << high;
    for (double within : {-1.0, NO_RESULT}) EXPECT_EQ(VelocityColour(settings, within), std::nullopt) << within;
}

TEST(ResultColours, ANetworkHasResultsOnceANodeOrABranchHasOne) {
    TzRvnNetworkData data;
    data.setNumNodes(2);
    data.setNumEdges(1);
    EXPECT_FALSE(HasResults(data));
    data.edges()[0].velocity = 0.0;
    EXPECT_TRUE(HasResults(data));
    data.edges()[0].velocity = NO_RESULT;
    data.nodes()[1].pressureHead = -3.0;
    EXPECT_TRUE(HasResults(data));
}

TEST(ResultColours, TheKeysNameEachColourWithItsThresholdThroughTheTranslation) {
    const auto marked = [](std::wstring_view text) { return L"[" + std::wstring(text) + L"]"; };
    const std::vector<TzRvnColourKey> keys = ResultColourKeys(thresholds(), marked);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].colour, 1u);
    EXPECT_EQ(keys[0].text, L"[h < hmin = 10.00 m]");
    EXPECT_EQ(keys[1].text, L"[h > hmax = 70.00 m]");
    EXPECT_EQ(keys[2].text, L"[V < Vmin = 0.30 m/s]");
    EXPECT_EQ(keys[3].colour, 4u);
    EXPECT_EQ(keys[3].text, L"[V > Vmax = 2.00 m/s]");
}

}  // namespace
