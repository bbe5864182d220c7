#include "frame/plugin_lifecycle.h"

#include "frame/class_registration.h"
#include "frame/command_table.h"
#include "frame/document_states.h"
#include "frame/translator_loader.h"
#include "network/settings_units.h"
#include "profiles/title_block.h"
#include "rxclass.h"
#include "rxregsvc.h"

AcRx::AppRetCode HandleAppMessage(AcRx::AppMsgCode message, void* appId) {
    switch (message) {
    case AcRx::kInitAppMsg:
        acrxUnlockApplication(appId);
        acrxRegisterAppMDIAware(appId);
        RunLoadSequence();
        RegisterCommands();
        break;
    case AcRx::kUnloadAppMsg:
        RunUnloadSequence();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}

bool RunLoadSequence() {
    if (!LoadTranslator(kModuleFileName)) return false;
    StartPluginServices();
    return true;
}

void StartPluginServices() {
    StartDocumentStates();
    TzRvnAskNextTitleBlockPoint();
    FillUnitFactorTables();
    RegisterPluginClasses();
    acrxBuildClassHierarchy();
}

void RunUnloadSequence() {
    UnloadTranslator();
    RemoveCommandGroup();
    UnregisterPluginClasses();
    StopDocumentStates();
}
