// The labels of the title block template, read into buffers of 20 characters.
#include "profiles/title_block_labels.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleBlockLabels, SixLinesGiveSixLabelsWithoutTheirLineEnds) {
    const TzRvnTitleBlockLabels labels = ReadTitleBlockLabels("Rete\r\nProfilo\nProgr. iniziale\n\nScala\nVert\nsettima\n");
    EXPECT_EQ(labels, (TzRvnTitleBlockLabels{L"Rete", L"Profilo", L"Progr. iniziale", L"", L"Scala", L"Vert"}));
}

TEST(TitleBlockLabels, FewerLinesLeaveTheLastRowsWithoutLabels) {
    EXPECT_EQ(ReadTitleBlockLabels("Rete\nProfilo\n"), (TzRvnTitleBlockLabels{L"Rete", L"Profilo", L"", L"", L"", L""}));
    EXPECT_EQ(ReadTitleBlockLabels(""), TzRvnTitleBlockLabels{});
}

// A line of more than 18 characters is cut after 19, the 19th dropped as if it were the line end,
// and its rest is the next row's label; the last line without its line end loses its last letter.
TEST(TitleBlockLabels, ALongLineGoesOnAsTheNextLabel) {
    const TzRvnTitleBlockLabels labels = ReadTitleBlockLabels("Quota di riferimento m\nàèìòù é\nultima");
    EXPECT_EQ(labels[0], L"Quota di riferimen");
    EXPECT_EQ(labels[1], L"o m");
    EXPECT_EQ(labels[2], L"àèìòù é");
    EXPECT_EQ(labels[3], L"ultim");
    EXPECT_EQ(labels[4], L"");
}

TEST(TitleBlockLabels, ALabelOfEighteenCharactersIsKeptWhole) {
    EXPECT_EQ(ReadTitleBlockLabels("Scala orizzontale1\nB\n")[0], L"Scala orizzontale1");
    EXPECT_EQ(ReadTitleBlockLabels("Scala orizzontale1\nB\n")[1], L"B");
}

}  // namespace
