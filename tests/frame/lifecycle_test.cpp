#include "acdocman.h"
#include "aced.h"
#include "afx_resources.h"
#include "dbapserv.h"
#include "dbdatabase.h"
#include "frame/command_frame.h"
#include "frame/command_table.h"
#include "frame/doc_state.h"
#include "frame/doc_state_list.h"
#include "frame/document_states.h"
#include "frame/plugin_lifecycle.h"
#include "frame/translation.h"
#include "input_queue.h"
#include "open_object_guard.h"
#include "plugin_folder.h"
#include "rxregsvc.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <new>

#include <map>
#include <string>

namespace {

using rvnhost::Transcript;
using rvnhost::TranscriptKind;

int applicationIdentity;
void* const kAppId = &applicationIdentity;

AcApDocument* newDocument() {
    acDocManagerPtr()->appContextNewDocument(nullptr);
    return acDocManagerPtr()->curDocument();
}

void closeAllDocuments() {
    AcApDocManager* manager = acDocManagerPtr();
    while (manager->curDocument()) manager->closeDocument(manager->curDocument());
}

// The commands of the group "ASDK_CMD" on the host's command stack, by global name.
std::map<std::wstring, const AcEdCommand*> registeredCommands() {
    std::map<std::wstring, const AcEdCommand*> found;
    AcEdCommandIterator* iterator = acedRegCmds->iterator();
    for (; !iterator->done(); iterator->next()) {
        if (std::wstring(iterator->commandGroup()) == kCommandGroup) {
            found[iterator->command()->globalName()] = iterator->command();
        }
    }
    delete iterator;
    return found;
}

std::wstring commandLineText() { return Transcript::instance().textOf(TranscriptKind::CommandLine); }

// The unload at the end of each test also stops the document states a test started.
class Lifecycle : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin.ready());
        Transcript::instance().clear();
    }
    void TearDown() override {
        HandleAppMessage(AcRx::kUnloadAppMsg, kAppId);
        closeAllDocuments();
        acrxDynamicLinker->forgetApplication(kAppId);
        EXPECT_TRUE(Transcript::instance().textOf(TranscriptKind::Leak).empty());
        rvntest::OpenObjectCheckedTest::TearDown();
    }

    rvntest::PluginFolderFixture plugin;
};

TEST_F(Lifecycle, LoadingRegistersTheCommandsOtherMessagesKeepThemAndUnloadingRemovesTheGroup) {
    plugin.installTranslator("complete");
    AcApDocument* drawing = newDocument();
    EXPECT_EQ(HandleAppMessage(AcRx::kInitAppMsg, kAppId), AcRx::kRetOK);
    EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(kAppId));
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(kAppId));

    const auto commands = registeredCommands();
    ASSERT_EQ(commands.size(), commandTable().size());
    for (const TzRvnCommand& entry : commandTable()) {
        SCOPED_TRACE(std::string(entry.name, entry.name + std::wcslen(entry.name)));
        ASSERT_EQ(commands.count(entry.name), 1u);
        const AcEdCommand* command = commands.at(entry.name);
        EXPECT_STREQ(command->localName(), entry.name);
        EXPECT_EQ(command->functionAddr(), entry.function);
    }
    ASSERT_NE(currentDocState(), nullptr);
    EXPECT_EQ(currentDocState()->document(), drawing);
    EXPECT_EQ(currentDatabase(), drawing->database());

    EXPECT_EQ(acedRegCmds->invoke(L"geporet"), Acad::eOk);
    EXPECT_EQ(commandLineText(), L"\n[GePoRet: non ancora disponibile in questa versione]");

    // Other messages change nothing.
    Transcript::instance().clear();
    for (AcRx::AppMsgCode message : {AcRx::kLoadDwgMsg, AcRx::kUnloadDwgMsg, AcRx::kQuitMsg, AcRx::kSaveMsg}) {
        EXPECT_EQ(HandleAppMessage(message, kAppId), AcRx::kRetOK);
    }
    EXPECT_EQ(registeredCommands().size(), commandTable().size());
    EXPECT_TRUE(Transcript::instance().entries().empty());

    // A second registration finds the names taken and says so.
    EXPECT_FALSE(RegisterCommands());
    EXPECT_NE(commandLineText().find(L"[Impossibile registrare il comando ArPoRet]"), std::wstring::npos);

    EXPECT_EQ(HandleAppMessage(AcRx::kUnloadAppMsg, kAppId), AcRx::kRetOK);
    EXPECT_TRUE(registeredCommands().empty());
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"CalcRet"), nullptr);
    EXPECT_EQ(acedRegCmds->invoke(L"CalcRet"), Acad::eKeyNotFound);
    EXPECT_FALSE(DocumentStatesStarted());
    EXPECT_EQ(currentDatabase(), nullptr);
    EXPECT_EQ(TranslateText(L"Rete"), L"Rete");
    // The reactor has left the document manager.
    newDocument();
    EXPECT_EQ(documentStates(), nullptr);
}

TEST_F(Lifecycle, DocumentStatesFollowTheHostsDocuments) {
    plugin.installTranslator("complete");
    AcApDocument* before = newDocument();
    AcApDocument* first = newDocument();
    HandleAppMessage(AcRx::kInitAppMsg, kAppId);
    // Only the current document has a state at load; the other gets one when activated.
    ASSERT_EQ(documentStates()->size(), 1u);
    EXPECT_EQ(currentDocState()->document(), first);

    AcApDocument* second = newDocument();
    EXPECT_EQ(documentStates()->size(), 2u);
    EXPECT_EQ(currentDocState()->document(), second);
    acDocManagerPtr()->activateDocument(first);
    EXPECT_EQ(documentStates()->size(), 2u);
    EXPECT_EQ(currentDocState()->document(), first);
    acDocManagerPtr()->activateDocument(before);
    EXPECT_EQ(documentStates()->size(), 3u);
    EXPECT_EQ(currentDatabase(), before->database());

    acDocManagerPtr()->closeDocument(before);
    EXPECT_EQ(documentStates()->size(), 2u);
    EXPECT_EQ(documentStates()->find(before), nullptr);
    ASSERT_NE(currentDocState(), nullptr);
    EXPECT_EQ(currentDocState()->document(), acDocManagerPtr()->curDocument());

    closeAllDocuments();
    EXPECT_EQ(documentStates()->size(), 0u);
    EXPECT_EQ(currentDatabase(), nullptr);
}

TEST_F(Lifecycle, WithoutTheTranslatorTheLoadStopsAndTheFirstCommandCompletesIt) {
    AcApDocument* drawing = newDocument();
    {
        rvntest::QueuedInput answers({L"ok"});
        HandleAppMessage(AcRx::kInitAppMsg, kAppId);
        EXPECT_FALSE(answers.ranOut());
    }
    // The translator's message is the only report.
    EXPECT_EQ(Transcript::instance().textOf(TranscriptKind::MessageBox),
              L"[error] Rivanta: Error while loading " + plugin.widePath() + L"/TZTranslatorDll.dll");
    EXPECT_TRUE(commandLineText().empty());
    EXPECT_FALSE(DocumentStatesStarted());
    EXPECT_EQ(registeredCommands().size(), commandTable().size());

    EXPECT_EQ(acedRegCmds->invoke(L"GePoRet"), Acad::eOk);
    EXPECT_TRUE(DocumentStatesStarted());
    EXPECT_EQ(currentDatabase(), drawing->database());
    EXPECT_EQ(commandLineText(), L"\nGePoRet: non ancora disponibile in questa versione");
}

TEST_F(Lifecycle, UnloadingWithoutACommandStackLeavesTheGroupAndFinishesTheRest) {
    plugin.installTranslator("complete");
    newDocument();
    HandleAppMessage(AcRx::kInitAppMsg, kAppId);

    AcRxObject* stack = acrxSysRegistry()->remove(ACRX_COMMAND_DOCK);
    ASSERT_NE(stack, nullptr);
    HandleAppMessage(AcRx::kUnloadAppMsg, kAppId);
    acrxSysRegistry()->atPut(ACRX_COMMAND_DOCK, stack);

    EXPECT_FALSE(DocumentStatesStarted());
    EXPECT_EQ(TranslateText(L"Ramo"), L"Ramo");
    EXPECT_EQ(registeredCommands().size(), commandTable().size());
    acedRegCmds->removeGroup(kCommandGroup);
}

HINSTANCE resourcesSeenByTheCommand = nullptr;
void noteResourceModule() { resourcesSeenByTheCommand = AfxGetResourceHandle(); }

TEST_F(Lifecycle, CommandsThatAskForItRunWithThePluginsResources) {
    newDocument();
    StartDocumentStates();
    const HINSTANCE before = AfxGetResourceHandle();
    ASSERT_NE(before, ModuleInstance());

    RunCommand(L"Prova", TzRvnResources::pluginFirst, &noteResourceModule);
    EXPECT_EQ(resourcesSeenByTheCommand, ModuleInstance());
    EXPECT_EQ(AfxGetResourceHandle(), before);

    RunCommand(L"Prova", TzRvnResources::unchanged, &noteResourceModule);
    EXPECT_EQ(resourcesSeenByTheCommand, before);
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST_F(Lifecycle, ACommandRefusesWithoutACurrentDocument) {
    StartDocumentStates();
    resourcesSeenByTheCommand = nullptr;
    RunCommand(L"Prova", TzRvnResources::pluginFirst, &noteResourceModule);
    EXPECT_EQ(resourcesSeenByTheCommand, nullptr);
    EXPECT_EQ(commandLineText(), L"\nImpossibile eseguire Prova: nessun disegno corrente");
}

Adesk::Int16 attributeDisplaySeenByTheCommand = -1;
void noteAttributeDisplay() { attributeDisplaySeenByTheCommand = acdbHostApplicationServices()->workingDatabase()->attmode(); }

void runOutOfMemory() {
    noteAttributeDisplay();
    resourcesSeenByTheCommand = AfxGetResourceHandle();
    throw std::bad_alloc();
}

// Also when the command runs out of memory, which ends it with a message and its resources restored.
TEST_F(Lifecycle, EditingCommandsShowAttributesWhileTheyRunAndLeaveTheDrawingsDisplayAsItWas) {
    newDocument();
    StartDocumentStates();
    AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
    ASSERT_EQ(drawing->setAttmode(0), Acad::eOk);
    const HINSTANCE before = AfxGetResourceHandle();
    for (TzRvnCommandBody body : {&noteAttributeDisplay, &runOutOfMemory}) {
        RunCommand(L"Prova", TzRvnResources::pluginFirst, body, TzRvnDrawingSettings::attributesShown);
        EXPECT_EQ(attributeDisplaySeenByTheCommand, 1);
        EXPECT_EQ(drawing->attmode(), 0);
        EXPECT_EQ(AfxGetResourceHandle(), before);
    }
    EXPECT_EQ(resourcesSeenByTheCommand, ModuleInstance());
    EXPECT_EQ(commandLineText(), L"\nImpossibile completare Prova: memoria insufficiente");
    RunCommand(L"Prova", TzRvnResources::unchanged, &noteAttributeDisplay);
    EXPECT_EQ(attributeDisplaySeenByTheCommand, 0);
}

}  // namespace
