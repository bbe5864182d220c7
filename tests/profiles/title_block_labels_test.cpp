// The labels of the title block template, read into buffers of 20 characters.
#include "profiles/title_block_labels.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleBlockLabels, EachLineIsALabelWithoutItsLineEndAndMissingLinesGiveEmptyLabels) {
    EXPECT_EQ(ReadTitleBlockLabels("Rete\r\nProfilo\nProgr. iniziale\n\nScala\nVert\nsettima\n"),
              (TzRvnTitleBlockLabels{L"Rete", L"Profilo", L"Progr. iniziale", L"", L"Scala", L"Vert"}));
    EXPECT_EQ(ReadTitleBlockLabels("Rete\nProfilo\n"), (TzRvnTitleBlockLabels{L"Rete", L"Profilo", L"", L"", L"", L""}));
}

// 18 characters are kept whole; a longer line is cut after 19, the 19th dropped as if it were the
// line end, and its rest is the next row's label; the last line without its line end loses its
// last letter.
TEST(TitleBlockLabels, ALongLineGoesOnAsTheNextLabel) {
    EXPECT_EQ(ReadTitleBlockLabels("Scala orizzontale1\nB\n")[0], L"Scala orizzontale1");
    EXPECT_EQ(ReadTitleBlockLabels("Quota di riferimento m\nàèìòù é\nultima"),
              (TzRvnTitleBlockLabels{L"Quota di riferimen", L"o m", L"àèìòù é", L"ultim", L"", L""}));
}

}  // namespace
