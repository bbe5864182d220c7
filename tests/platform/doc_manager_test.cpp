// The document manager: documents and their drawings, the current document, and the
// notifications the plug-in listens to.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "acdocman.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "open_object_guard.h"

namespace {

// Records the notifications the plug-in listens to as "event:title".
class RecordingReactor : public AcApDocManagerReactor {
public:
    void documentToBeDestroyed(AcApDocument* d) override { events.push_back(L"toBeDestroyed:" + title(d)); }
    void documentActivated(AcApDocument* d) override { events.push_back(L"activated:" + title(d)); }
    static std::wstring title(const AcApDocument* document) { return document->docTitle(); }
    std::vector<std::wstring> events;
};

// A reactor that stops listening when it is told of an activation.
class OneShotReactor : public AcApDocManagerReactor {
public:
    void documentActivated(AcApDocument*) override {
        ++count;
        acDocManager->removeReactor(this);
    }
    int count = 0;
};

class DocManagerTest : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        previousCurrent = manager->curDocument();
        manager->addReactor(&reactor);
    }
    void TearDown() override {
        manager->removeReactor(&reactor);
        // A document the test closed is refused by its pointer alone, never touched.
        for (AcApDocument* document : opened) manager->closeDocument(document);
        if (previousCurrent != nullptr) manager->activateDocument(previousCurrent);
        rvntest::OpenObjectCheckedTest::TearDown();
    }
    AcApDocument* open(const std::wstring& fileName) {
        AcApDocument* document = manager->addDocument(std::make_unique<AcDbDatabase>(), fileName);
        opened.push_back(document);
        return document;
    }
    AcApDocManager* manager = acDocManagerPtr();
    RecordingReactor reactor;
    AcApDocument* previousCurrent = nullptr;
    std::vector<AcApDocument*> opened;
};

TEST_F(DocManagerTest, ANewDocumentIsActivatedAndMadeCurrent) {
    AcApDocument* first = open(L"/disegni/rete.dwg");
    EXPECT_EQ(std::pair(std::wstring(L"rete.dwg"), std::wstring(L"/disegni/rete.dwg")),
              std::pair(std::wstring(first->docTitle()), std::wstring(first->fileName())));
    EXPECT_EQ(std::tuple(first, first->database(), first),
              std::tuple(manager->curDocument(), acdbHostApplicationServices()->workingDatabase(),
                         manager->document(first->database())));
    EXPECT_EQ(std::vector<std::wstring>{L"activated:rete.dwg"}, reactor.events);
}

// Closing the current document activates the one active before it, not the one listed before it;
// closing another leaves the current one.
TEST_F(DocManagerTest, ClosingTheCurrentDocumentActivatesTheOneActiveBeforeIt) {
    AcApDocument* first = open(L"uno.dwg");
    AcApDocument* second = open(L"due.dwg");
    AcApDocument* third = open(L"tre.dwg");
    manager->activateDocument(first);
    manager->activateDocument(third);
    reactor.events.clear();
    EXPECT_EQ(Acad::eOk, manager->closeDocument(third));
    EXPECT_EQ((std::vector<std::wstring>{L"toBeDestroyed:tre.dwg", L"activated:uno.dwg"}), reactor.events);
    EXPECT_EQ(Acad::eInvalidInput, manager->closeDocument(third));
    reactor.events.clear();
    EXPECT_EQ(Acad::eOk, manager->closeDocument(second));
    EXPECT_EQ(std::vector<std::wstring>{L"toBeDestroyed:due.dwg"}, reactor.events);
    EXPECT_EQ(first, manager->curDocument());
}

TEST_F(DocManagerTest, AReactorRemovedDuringANotificationIsNotToldAgain) {
    OneShotReactor oneShot;
    manager->addReactor(&oneShot);
    manager->addReactor(&oneShot);
    open(L"uno.dwg");
    open(L"due.dwg");
    EXPECT_EQ(1, oneShot.count);
    manager->removeReactor(&reactor);
    AcApDocument* third = open(L"tre.dwg");
    EXPECT_EQ(L"activated:due.dwg", reactor.events.back());
    EXPECT_EQ(third, manager->curDocument());
}

}  // namespace
