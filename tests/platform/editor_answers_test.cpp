#include "editor_answers.h"
#include "editor_keywords.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <utility>

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

TEST(EditorAnswers, ShortIntegersHandlesAndCancelWords) {
    const std::pair<const wchar_t*, std::optional<int>> integers[] = {
        {L"42", 42}, {L" -32768 ", -32768}, {L"+32767", 32767}, {L"32768", std::nullopt},
        {L"99999999999999999999", std::nullopt}, {L"3.5", std::nullopt}, {L"-", std::nullopt}};
    for (const auto& [text, value] : integers) EXPECT_EQ(rvnhost::parseShortInteger(text), value) << rvnos::toUtf8(text);
    EXPECT_TRUE(rvnhost::looksLikeInteger(L"99999999999999999999"));
    EXPECT_FALSE(rvnhost::looksLikeInteger(L"1e3"));
    const std::pair<const wchar_t*, std::optional<std::uint64_t>> handles[] = {
        {L"#1A", 0x1A}, {L"#ff", 0xFF}, {L"#", std::nullopt}, {L"1A", std::nullopt}, {L"#1G", std::nullopt},
        {L"#12345678901234567", std::nullopt}};
    for (const auto& [text, value] : handles) EXPECT_EQ(rvnhost::parseHandle(text), value) << rvnos::toUtf8(text);
    for (const wchar_t* word : {L"*Cancel*", L"esc", L" ^C "}) EXPECT_TRUE(rvnhost::isCancelWord(word));
    EXPECT_FALSE(rvnhost::isCancelWord(L"Cancel"));
}

// Capital letters mark a keyword's abbreviation, or a comma gives it; a keyword is also matched
// whole. Local keywords before "_" answer their global ones (empty when they have none).
TEST(EditorKeywords, AbbreviationsWholeWordsAndGlobalKeywords) {
    const struct {
        const wchar_t* list;
        const wchar_t* typed;
        const wchar_t* matched;  // null: no keyword
    } cases[] = {
        {L"LType eXit Width", L"lt", L"LType"},   {L"LType eXit Width", L"LTYP", L"LType"},
        {L"LType eXit Width", L"l", nullptr},      {L"LType eXit Width", L"ltypes", nullptr},
        {L"LType eXit Width", L"x", L"eXit"},      {L"LType eXit Width", L"", nullptr},
        {L"LTYPE,LT nodo", L"lty", L"LTYPE"},      {L"LTYPE,LT nodo", L"l", nullptr},
        {L"LTYPE,LT nodo", L"NODO", L"nodo"},      {L"LTYPE,LT nodo", L"no", nullptr},
        {L"S\u00ec No Annulla _ Yes No", L"s", L"Yes"},  {L"S\u00ec No Annulla _ Yes No", L"NO", L"No"},
        {L"S\u00ec No Annulla _ Yes No", L"a", L""},     {L"S\u00ec No Annulla _ Yes No", L"_yes", L"Yes"},
        {L"S\u00ec No Annulla _ Yes No", L"_si", nullptr},
    };
    for (const auto& test : cases) {
        const std::optional<std::wstring> found = KeywordList(test.list).match(test.typed);
        EXPECT_EQ(found, test.matched ? std::optional<std::wstring>(test.matched) : std::nullopt)
            << rvnos::toUtf8(test.list) << " / " << rvnos::toUtf8(test.typed);
    }
    EXPECT_TRUE(KeywordList().empty());
    EXPECT_TRUE(KeywordList(L"   ").empty());
}

}  // namespace
