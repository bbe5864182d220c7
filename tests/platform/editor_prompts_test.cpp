#include "acedads.h"
#include "acutads.h"
#include "editor_printf.h"
#include "editor_state.h"
#include "input_queue.h"
#include "text_codec.h"
#include "transcript.h"
#include "zaf_acad_mgr.h"

#include <gtest/gtest.h>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

class EditorPrompts : public ::testing::Test {
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

}  // namespace
