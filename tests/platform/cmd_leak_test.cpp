// The end-of-command check: objects a command leaves open are reported as leaks and closed, and
// the test guard fails a test that leaves objects open.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "acdocman.h"
#include "aced.h"
#include "dbsymtb.h"
#include "open_object_guard.h"
#include "transcript.h"

namespace {

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

class CmdLeakTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = &db;
        rvnhost::Transcript::instance().clear();
        struct Command {
            const ACHAR* name;
            AcRxFunctionPtr function;
        };
        for (Command command : {Command{L"LeakRet", leakLayer}, Command{L"ReadRet", readTwiceAndLeak},
                                Command{L"OuterRet", closeWhatTheInnerCommandLeft}}) {
            acedRegCmds->addCommand(L"RVN_LEAK_TEST", command.name, command.name, ACRX_CMD_MODAL, command.function);
        }
    }
    void TearDown() override {
        acedRegCmds->removeGroup(L"RVN_LEAK_TEST");
        rvntest::expectAllObjectsClosed();
    }
    std::vector<std::wstring> leaks() const {
        std::vector<std::wstring> found;
        for (const auto& entry : rvnhost::Transcript::instance().entries()) {
            if (entry.kind == rvnhost::TranscriptKind::Leak) found.push_back(entry.text);
        }
        return found;
    }
    AcDbDatabase db;
};

// Each object left open is one line with its class, handle and how often it was opened; it is then closed.
TEST_F(CmdLeakTest, AnObjectLeftOpenIsReportedWithItsClassHandleAndOpensAndThenClosed) {
    EXPECT_EQ(Acad::eDatabaseObjectsOpen, acedRegCmds->invoke(L"LeakRet"));
    EXPECT_EQ(Acad::eDatabaseObjectsOpen, acedRegCmds->invoke(L"ReadRet"));
    EXPECT_EQ((std::vector<std::wstring>{L"Object left open at the end of command LEAKRET: AcDbLayerTableRecord, handle #" +
                                             db.clayer().handle().text() + L", open for write",
                                         L"Object left open at the end of command READRET: AcDbLayerTable, handle #" +
                                             db.layerTableId().handle().text() + L", open for read (2 times)"}),
              leaks());
    EXPECT_FALSE(leaked->isReadEnabled());
}

TEST_F(CmdLeakTest, ACommandRunInsideAnotherIsCheckedWhenTheOuterOneEnds) {
    EXPECT_EQ(Acad::eOk, acedRegCmds->invoke(L"OuterRet"));
    EXPECT_TRUE(leaks().empty());
}

TEST_F(CmdLeakTest, ClosingADocumentReportsWhatItsDrawingStillHasOpen) {
    acDocManager->appContextNewDocument(nullptr);
    AcApDocument* document = acDocManager->curDocument();
    AcDbObject* layer = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(layer, document->database()->clayer(), AcDb::kForRead));
    std::wstring title = document->docTitle();
    acDocManager->closeDocument(document);
    ASSERT_EQ(1u, leaks().size());
    EXPECT_EQ(0u, leaks()[0].find(L"Object left open at the end of the drawing " + title + L": AcDbLayerTableRecord"));
}

TEST_F(CmdLeakTest, TheTestGuardFailsATestThatLeavesAnObjectOpen) {
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
