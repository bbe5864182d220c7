// The command stack: registering commands in groups, finding them and removing them,
// and running them as the user types them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "aced.h"
#include "transcript.h"

namespace {

int calcRuns = 0;
int otherRuns = 0;
void calcRet() { ++calcRuns; }
void otherCalc() { ++otherRuns; }

class CmdStackTest : public ::testing::Test {
protected:
    void SetUp() override { rvnhost::Transcript::instance().clear(); }
    void TearDown() override {
        for (const ACHAR* group : {L"RVN_TEST_A", L"RVN_TEST_B"}) stack->removeGroup(group);
    }
    AcEdCommandStack* stack = acedRegCmds;
};

TEST_F(CmdStackTest, CommandsAreFoundByEitherNameWithoutRegardToCaseAndRegisteredOnce) {
    ASSERT_EQ(Acad::eOk, stack->addCommand(L"RVN_TEST_A", L"CalcRet", L"CalcoloRete", ACRX_CMD_MODAL, calcRet));
    AcEdCommand* command = stack->lookupGlobalCmd(L"CALCRET");
    ASSERT_NE(nullptr, command);
    EXPECT_STREQ(L"CalcoloRete", command->localName());
    EXPECT_EQ(&calcRet, command->functionAddr());
    EXPECT_EQ(Acad::eOk, stack->addCommand(L"RVN_TEST_A", L"NodoRet", nullptr, 0, calcRet));
    EXPECT_STREQ(L"NodoRet", stack->lookupGlobalCmd(L"NodoRet")->localName());
    for (const auto& [group, global, local] : {std::tuple(L"rvn_test_a", L"NODORET", L"Other"),
                                               std::tuple(L"RVN_TEST_A", L"Other", L"nodoret")}) {
        EXPECT_EQ(Acad::eDuplicateKey, stack->addCommand(group, global, local, 0, calcRet));
    }
    EXPECT_EQ(Acad::eInvalidInput, stack->addCommand(L"RVN_TEST_A", L"Two words", nullptr, 0, calcRet));
    EXPECT_EQ(Acad::eInvalidInput, stack->addCommand(L"", L"X", nullptr, 0, calcRet));
    EXPECT_EQ(Acad::eInvalidInput, stack->addCommand(L"RVN_TEST_A", L"X", nullptr, 0, nullptr));
}

TEST_F(CmdStackTest, TheLatestGroupIsSearchedFirstAndGroupsAreRemovedWhole) {
    stack->addCommand(L"RVN_TEST_A", L"CalcRet", L"CalcRet", 0, calcRet);
    stack->addCommand(L"RVN_TEST_A", L"RamoRet", L"RamoRet", 0, calcRet);
    stack->addCommand(L"RVN_TEST_B", L"CalcRet", L"CalcRet", 0, otherCalc);
    EXPECT_EQ(&otherCalc, stack->lookupGlobalCmd(L"CalcRet")->functionAddr());
    EXPECT_EQ(Acad::eOk, stack->removeGroup(L"rvn_test_b"));
    EXPECT_EQ(&calcRet, stack->lookupGlobalCmd(L"CalcRet")->functionAddr());
    EXPECT_EQ(Acad::eOk, stack->removeGroup(L"RVN_TEST_A"));
    EXPECT_EQ(nullptr, stack->lookupGlobalCmd(L"RamoRet"));
    EXPECT_EQ(Acad::eKeyNotFound, stack->removeGroup(L"RVN_TEST_A"));
}

TEST_F(CmdStackTest, InvokeRunsTheCommandTypedAndRefusesUnknownNames) {
    stack->addCommand(L"RVN_TEST_A", L"CalcRet", L"Calcola", 0, calcRet);
    int before = calcRuns;
    EXPECT_EQ(Acad::eOk, stack->invoke(L"calcola"));
    EXPECT_EQ(Acad::eOk, stack->invoke(L"_CALCRET"));
    EXPECT_EQ(before + 2, calcRuns);
    EXPECT_EQ(Acad::eKeyNotFound, stack->invoke(L"_Calcola")) << "an underscore asks for the global name";
    EXPECT_EQ(Acad::eKeyNotFound, stack->invoke(L"Sconosciuto"));
    EXPECT_EQ(before + 2, calcRuns);
    EXPECT_EQ(L"\nUnknown command \"CALCOLA\".  Press F1 for help.\nUnknown command \"SCONOSCIUTO\".  Press F1 for help.",
              rvnhost::Transcript::instance().textOf(rvnhost::TranscriptKind::CommandLine));
}

}  // namespace
