// The command stack: registering commands in groups, finding them and removing them, running them
// as the user types them, and the end-of-command check: objects a command leaves open are reported
// as leaks and closed, and the test guard fails a test that leaves objects open.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <string>
#include <tuple>

#include "acdocman.h"
#include "aced.h"
#include "dbsymtb.h"
#include "open_object_guard.h"
#include "transcript.h"

namespace {

int calcRuns = 0;
void calcRet() { ++calcRuns; }
void otherCalc() {}

AcDbDatabase* drawing = nullptr;
AcDbObject* leaked = nullptr;

void leakLayer() { acdbOpenObject(leaked, drawing->clayer(), AcDb::kForWrite); }

void readTwiceAndLeak() {
    AcDbObject* first = nullptr;
    acdbOpenObject(first, drawing->layerTableId(), AcDb::kForRead);
    acdbOpenObject(leaked, drawing->layerTableId(), AcDb::kForRead);
}

void closeWhatTheInnerCommandLeft() {
    acedRegCmds->invoke(L"LeakRet");
    leaked->close();
}

class CmdStackTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = &db;
        rvnhost::Transcript::instance().clear();
        stack->addCommand(L"RVN_LEAK_TEST", L"LeakRet", nullptr, ACRX_CMD_MODAL, leakLayer);
        stack->addCommand(L"RVN_LEAK_TEST", L"ReadRet", nullptr, ACRX_CMD_MODAL, readTwiceAndLeak);
        stack->addCommand(L"RVN_LEAK_TEST", L"OuterRet", nullptr, ACRX_CMD_MODAL, closeWhatTheInnerCommandLeft);
    }
    void TearDown() override {
        for (const ACHAR* group : {L"RVN_TEST_A", L"RVN_TEST_B", L"RVN_LEAK_TEST"}) stack->removeGroup(group);
        rvntest::expectAllObjectsClosed();
    }
    static std::wstring leaks() { return rvnhost::Transcript::instance().textOf(rvnhost::TranscriptKind::Leak); }
    AcEdCommandStack* stack = acedRegCmds;
    AcDbDatabase db;
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

// Each object left open is one line with its class, handle and how often it was opened; it is then closed.
TEST_F(CmdStackTest, AnObjectLeftOpenIsReportedWithItsClassHandleAndOpensAndThenClosed) {
    EXPECT_EQ(Acad::eDatabaseObjectsOpen, acedRegCmds->invoke(L"LeakRet"));
    EXPECT_EQ(Acad::eDatabaseObjectsOpen, acedRegCmds->invoke(L"ReadRet"));
    EXPECT_EQ(L"Object left open at the end of command LEAKRET: AcDbLayerTableRecord, handle #" +
                  db.clayer().handle().text() + L", open for write" +
                  L"Object left open at the end of command READRET: AcDbLayerTable, handle #" +
                  db.layerTableId().handle().text() + L", open for read (2 times)",
              leaks());
    EXPECT_FALSE(leaked->isReadEnabled());
}

TEST_F(CmdStackTest, ACommandRunInsideAnotherIsCheckedWhenTheOuterOneEnds) {
    EXPECT_EQ(Acad::eOk, acedRegCmds->invoke(L"OuterRet"));
    EXPECT_TRUE(leaks().empty());
}

TEST_F(CmdStackTest, ClosingADocumentReportsWhatItsDrawingStillHasOpen) {
    acDocManager->appContextNewDocument(nullptr);
    AcApDocument* document = acDocManager->curDocument();
    AcDbObject* layer = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(layer, document->database()->clayer(), AcDb::kForRead));
    const std::wstring expected = L"Object left open at the end of the drawing " + std::wstring(document->docTitle()) +
                                  L": AcDbLayerTableRecord, handle #" + layer->objectId().handle().text() +
                                  L", open for read";
    acDocManager->closeDocument(document);
    EXPECT_EQ(expected, leaks());
}

TEST_F(CmdStackTest, TheTestGuardFailsATestThatLeavesAnObjectOpen) {
    AcDbObject* layer = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(layer, db.clayer(), AcDb::kForRead));
    EXPECT_NONFATAL_FAILURE(rvntest::expectAllObjectsClosed("the check"),
                            "Object still open at the check: AcDbLayerTableRecord");
    EXPECT_FALSE(layer->isReadEnabled());
    EXPECT_NONFATAL_FAILURE(
        {
            rvntest::OpenObjectGuard guard("the guarded scope");
            acdbOpenObject(layer, db.clayer(), AcDb::kForWrite);
        },
        "Object still open at the guarded scope");
    EXPECT_TRUE(rvnhost::openObjects().empty());
}

}  // namespace
