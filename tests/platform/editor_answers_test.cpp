#include "editor_answers.h"
#include "editor_keywords.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using rvnhost::KeywordList;

TEST(EditorAnswers, PointsAbsoluteRelativeAndPolar) {
    const AcGePoint3d last(10.0, 20.0, 5.0);
    EXPECT_EQ(rvnhost::parsePoint(L"1,2", last, 0), AcGePoint3d(1.0, 2.0, 0.0));
    EXPECT_EQ(rvnhost::parsePoint(L" -1.5 , 2e1 ,3 ", last, 0), AcGePoint3d(-1.5, 20.0, 3.0));
    EXPECT_EQ(rvnhost::parsePoint(L"@1,2", last, 0), AcGePoint3d(11.0, 22.0, 5.0));
    EXPECT_EQ(rvnhost::parsePoint(L"@", last, 0), last);
    const std::optional<AcGePoint3d> polar = rvnhost::parsePoint(L"@2<90", last, 0);
    ASSERT_TRUE(polar);
    EXPECT_NEAR(polar->x, 10.0, 1e-12);
    EXPECT_NEAR(polar->y, 22.0, 1e-12);
    const std::optional<AcGePoint3d> inRadians = rvnhost::parsePoint(L"1<3.14159265358979r", last, 3);
    ASSERT_TRUE(inRadians);
    EXPECT_NEAR(inRadians->x, -1.0, 1e-12);
}

TEST(EditorAnswers, TextsThatAreNoPoints) {
    const AcGePoint3d last;
    for (const wchar_t* text : {L"", L"1", L"1,", L",1", L"1,2,3,4", L"a,b", L"1,2x", L"Nodo", L"1<", L"1<2<3", L"@@1,2"}) {
        EXPECT_FALSE(rvnhost::parsePoint(text, last, 0)) << text;
    }
}

TEST(EditorAnswers, ShortIntegersAndTheirRange) {
    EXPECT_EQ(rvnhost::parseShortInteger(L"42"), 42);
    EXPECT_EQ(rvnhost::parseShortInteger(L" -32768 "), -32768);
    EXPECT_EQ(rvnhost::parseShortInteger(L"+32767"), 32767);
    EXPECT_FALSE(rvnhost::parseShortInteger(L"32768"));
    EXPECT_TRUE(rvnhost::looksLikeInteger(L"99999999999999999999"));
    EXPECT_FALSE(rvnhost::parseShortInteger(L"99999999999999999999"));
    EXPECT_FALSE(rvnhost::parseShortInteger(L"3.5"));
    EXPECT_FALSE(rvnhost::parseShortInteger(L"-"));
    EXPECT_FALSE(rvnhost::looksLikeInteger(L"1e3"));
}

TEST(EditorAnswers, CancelWordsAndHandles) {
    EXPECT_TRUE(rvnhost::isCancelWord(L"*Cancel*"));
    EXPECT_TRUE(rvnhost::isCancelWord(L"esc"));
    EXPECT_TRUE(rvnhost::isCancelWord(L" ^C "));
    EXPECT_FALSE(rvnhost::isCancelWord(L"Cancel"));
    EXPECT_EQ(rvnhost::parseHandle(L"#1A"), 0x1Au);
    EXPECT_EQ(rvnhost::parseHandle(L"#ff"), 0xFFu);
    EXPECT_FALSE(rvnhost::parseHandle(L"#"));
    EXPECT_FALSE(rvnhost::parseHandle(L"1A"));
    EXPECT_FALSE(rvnhost::parseHandle(L"#1G"));
    EXPECT_FALSE(rvnhost::parseHandle(L"#12345678901234567"));
}

TEST(EditorKeywords, CapitalLettersAreTheAbbreviation) {
    const KeywordList list(L"LType eXit Width");
    EXPECT_EQ(list.match(L"lt"), L"LType");
    EXPECT_EQ(list.match(L"LTYP"), L"LType");
    EXPECT_EQ(list.match(L"ltype"), L"LType");
    EXPECT_FALSE(list.match(L"l"));
    EXPECT_FALSE(list.match(L"ltypes"));
    EXPECT_EQ(list.match(L"x"), L"eXit");
    EXPECT_EQ(list.match(L"Exit"), L"eXit");
    EXPECT_EQ(list.match(L"w"), L"Width");
    EXPECT_FALSE(list.match(L""));
}

TEST(EditorKeywords, CommaAbbreviationsAndWholeWords) {
    const KeywordList list(L"LTYPE,LT nodo");
    EXPECT_EQ(list.match(L"lt"), L"LTYPE");
    EXPECT_EQ(list.match(L"lty"), L"LTYPE");
    EXPECT_FALSE(list.match(L"l"));
    EXPECT_EQ(list.match(L"NODO"), L"nodo");
    EXPECT_FALSE(list.match(L"no"));
}

TEST(EditorKeywords, LocalKeywordsAnswerTheirGlobalOnes) {
    const KeywordList list(L"S\u00ec No Annulla _ Yes No");
    EXPECT_EQ(list.match(L"s"), L"Yes");
    EXPECT_EQ(list.match(L"NO"), L"No");
    EXPECT_EQ(list.match(L"a"), L"");
    EXPECT_EQ(list.match(L"_yes"), L"Yes");
    EXPECT_FALSE(list.match(L"_si"));
    EXPECT_TRUE(KeywordList().empty());
    EXPECT_TRUE(KeywordList(L"   ").empty());
}

}  // namespace
