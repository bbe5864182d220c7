// The editor's prompts: answers read as points, integers, handles and keywords, then asked for
// through the C calls with their flags, entities selected, and text printed.
#include "acedads.h"
#include "acutads.h"
#include "dbmain.h"
#include "drawing_fixture.h"
#include "editor_answers.h"
#include "editor_keywords.h"
#include "editor_printf.h"
#include "editor_state.h"
#include "input_queue.h"
#include "text_codec.h"
#include "sysvars.h"
#include "transcript.h"
#include "zaf_acad_mgr.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

namespace {

using rvnhost::KeywordList;
using rvnhost::Transcript;
using rvnhost::TranscriptKind;

TEST(EditorAnswers, PointsAbsoluteRelativeAndPolarAndTextsThatAreNone) {
    const AcGePoint3d last(10.0, 20.0, 5.0);
    const std::tuple<const wchar_t*, int, AcGePoint3d> cases[] = {
        {L"1,2", 0, {1.0, 2.0, 0.0}}, {L" -1.5 , 2e1 ,3 ", 0, {-1.5, 20.0, 3.0}}, {L"@1,2", 0, {11.0, 22.0, 5.0}},
        {L"@", 0, last}, {L"@2<90", 0, {10.0, 22.0, 5.0}}, {L"1<3.14159265358979r", 3, {-1.0, 0.0, 0.0}}};
    for (const auto& [text, angleUnit, point] : cases) {
        const AcGePoint3d read = rvnhost::parsePoint(text, last, angleUnit).value_or(AcGePoint3d(-99, -99, -99));
        EXPECT_TRUE(read.isEqualTo(point)) << rvnos::toUtf8(text) << ": " << read.x << "," << read.y << "," << read.z;
    }
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

// A working drawing of the test's own; selecting opens an entity to check it, and the fixture checks
// that it is closed again.
class EditorPrompts : public enttest::DrawingTest {
protected:
    void SetUp() override { Transcript::instance().clear(); }
};

std::wstring keyword() {
    ACHAR text[ACED_MAX_INPUT];
    return acedGetInput(text) == RTNORM ? text : L"<none>";
}

TEST_F(EditorPrompts, PointsReturnCancelAndKeywords) {
    rvntest::QueuedInput input({L"10,20", L"@5,5,1", L"", L"*Cancel*", L"Rete", L"Nodo"});
    ads_point point;
    ASSERT_EQ(acedGetPoint(nullptr, L"\nPunto: ", point), RTNORM);
    EXPECT_EQ(std::pair(point[X], point[Y]), std::pair(10.0, 20.0));
    ASSERT_EQ(acedGetPoint(point, L"\nPunto successivo: ", point), RTNORM);
    EXPECT_EQ(std::pair(point[X], point[Z]), std::pair(15.0, 1.0));
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPunto: ", point), RTNONE);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPunto: ", point), RTCAN);
    EXPECT_EQ(keyword(), L"<none>");

    acedInitGet(RSG_OTHER, nullptr);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPunto o nome rete: ", point), RTKWORD);
    EXPECT_EQ(keyword(), L"Rete");
    ACHAR viaMaker[ZafAcadMgr::kBufferLength];
    EXPECT_EQ(ZafAcadMgr::zaf_acedGetInput(viaMaker), RTNORM);
    EXPECT_STREQ(viaMaker, L"Rete");

    acedInitGet(0, L"Nodo Serbatoio");
    EXPECT_EQ(acedGetPoint(nullptr, L"\n[Nodo/Serbatoio]: ", point), RTKWORD);
    EXPECT_EQ(keyword(), L"Nodo");
    EXPECT_FALSE(input.ranOut());
}

TEST_F(EditorPrompts, UnmatchedTextIsAskedAgainAndFlagsLastOneCall) {
    rvntest::QueuedInput input({L"Rete", L"", L"1,1", L"", L"Rete"});
    ads_point point;
    acedInitGet(RSG_NONULL, L"Nodo");
    ASSERT_EQ(acedGetPoint(nullptr, L"\nPunto: ", point), RTNORM);
    EXPECT_EQ(input.remaining(), 2u);
    // Return under "no null" and "other" is an empty keyword.
    acedInitGet(RSG_NONULL | RSG_OTHER, nullptr);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPunto: ", point), RTKWORD);
    EXPECT_EQ(keyword(), L"");
    EXPECT_NE(Transcript::instance().textOf(TranscriptKind::CommandLine).find(L"Point or option keyword required."),
              std::wstring::npos);
    // The flags and keywords of acedInitGet were for that call only.
    Transcript::instance().clear();
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPunto: ", point), RTCAN);
    EXPECT_TRUE(input.ranOut());
    EXPECT_TRUE(Transcript::instance().contains(L"No more input in the test's input queue for the prompt \"Punto:\""));
}

// Reals are read by the host's commands (INSERT, ZOOM: tests/shell); here integers and their flags.
TEST_F(EditorPrompts, IntegersWithTheirFlags) {
    rvntest::QueuedInput input({L"abc", L"40000", L"0", L"-3", L"12", L"Tutti"});
    int integer = 0;
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    ASSERT_EQ(acedGetInt(L"\nNumero: ", &integer), RTNORM);
    EXPECT_EQ(integer, 12);
    for (const wchar_t* message : {L"Requires an integer value.", L"Requires an integer between -32768 and 32767.",
                                   L"Value must be nonzero.", L"Value must be positive."}) {
        EXPECT_TRUE(Transcript::instance().contains(message)) << rvnos::toUtf8(message);
    }
    acedInitGet(0, L"Tutti");
    EXPECT_EQ(acedGetInt(L"\nNumero o [Tutti]: ", &integer), RTKWORD);
    EXPECT_EQ(keyword(), L"Tutti");
    EXPECT_EQ(integer, 12);
}

TEST_F(EditorPrompts, StringsEndAtABlankUnlessBlanksAreAllowed) {
    rvntest::QueuedInput input({L"Rete uno", L"Rete  due tre", L"", L"esc", L"0123456789"});
    ACHAR text[64];
    const auto answer = [&](int blanks) {
        const int status = acedGetString(blanks, L"\nNome: ", text);
        return status == RTNORM ? std::wstring(text) : L"status " + std::to_wstring(status);
    };
    EXPECT_EQ(answer(1), L"Rete uno");
    EXPECT_EQ(answer(0), L"Rete");
    // The rest of the line answers the next prompt, as a blank ends an answer.
    ASSERT_EQ(ZafAcadMgr::zaf_acedGetString(1, L"\nNome: ", text, 64), RTNORM);
    EXPECT_STREQ(text, L"due tre");
    EXPECT_EQ(answer(0), L"");
    EXPECT_EQ(answer(0), L"status " + std::to_wstring(RTCAN));
    ACHAR small[5];
    EXPECT_EQ(acedGetString(0, L"\nNome: ", small), RTINPUTTRUNCATED);
    EXPECT_STREQ(small, L"0123");
}

TEST_F(EditorPrompts, PrintfTakesTheHostsWideConversions) {
    EXPECT_EQ(rvnhost::platformFormat(L"%s %c %hs %S %ls %5.2f %% %I64d %-10s"),
              L"%ls %lc %s %s %ls %5.2f %% %lld %-10ls");
    EXPECT_EQ(rvnhost::platformFormat(L"100%"), L"100%");
    const wchar_t* name = L"N\u00f2do";
    EXPECT_EQ(acutPrintf(L"\nNodo %s (%d) %c %.3f %hs", name, 12, L'x', 1.5, "narrow"), 30);
    EXPECT_EQ(Transcript::instance().textOf(TranscriptKind::CommandLine), L"\nNodo N\u00f2do (12) x 1.500 narrow");
    Transcript::instance().clear();
    const std::wstring longText(5000, L'a');
    EXPECT_EQ(acutPrintf(L"%s", longText.c_str()), 5000);
    EXPECT_EQ(Transcript::instance().textOf(TranscriptKind::CommandLine), longText);
}

// An entity of no particular kind, enough to be selected.
class PlainEntity : public AcDbEntity {};

// Points picked through the drawing's picker are the entity tests' (tests/entities/picking_test.cpp);
// here a handle, each way of finding nothing, and what ERRNO then says.
TEST_F(EditorPrompts, AHandleNamesTheEntityAndAnythingElseFindsNothing) {
    const AcDbObjectId entity = append(new PlainEntity);
    rvntest::QueuedInput input({L"#" + entity.handle().text(), L"#FFFF",
                                L"#" + db_.namedObjectsDictionaryId().handle().text(), L"5,5", L"", L"garbage"});
    ads_name name;
    ads_point point = {9.0, 9.0, 9.0};
    ASSERT_EQ(acedEntSel(L"\nSeleziona il ramo: ", name, point), RTNORM);
    AcDbObjectId selected;
    ASSERT_EQ(acdbGetObjectId(selected, name), Acad::eOk);
    EXPECT_EQ(selected, entity);
    EXPECT_EQ(point[X], 0.0);
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Seleziona il ramo: "));
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 7);
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"No entity with handle #FFFF."));
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "a handle of an object that is no entity";
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Select object: "));
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "no picker";
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "Return";
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 52);
    // Text that is neither a point nor a handle is asked again, until the input ends.
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTCAN);
    EXPECT_TRUE(input.ranOut());
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Select an object, or give its handle as #handle."));
}

}  // namespace
