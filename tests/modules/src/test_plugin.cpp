// A small host application for the host program's tests: it registers commands that prompt, read
// the program folder, show a message box, and leave an object open, and reports its load and unload.
#include "acedads.h"
#include "aced.h"
#include "acutads.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "dbdict.h"
#include "message_box.h"
#include "rxdefs.h"
#include "rxregsvc.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const ACHAR* kGroup = L"RVN_TEST";

void hello() {
    ads_point point;
    acedInitGet(0, L"Fine");
    const int status = acedGetPoint(nullptr, L"\nPunto o [Fine]: ", point);
    if (status == RTNORM) acutPrintf(L"\nCiao da %.2f,%.2f", point[X], point[Y]);
    else if (status == RTKWORD) acutPrintf(L"\nParola chiave");
    else acutPrintf(L"\nNessun punto (%d)", status);
}

void programFolder() {
    resbuf* value = nullptr;
    if (acedGetSym(L"tz-cpath", &value) == RTNORM && value && value->restype == RTSTR) {
        acutPrintf(L"\nCartella: %s", value->resval.rstring);
    } else {
        acutPrintf(L"\nCartella assente");
    }
    acutRelRb(value);
}

void ask() {
    const int answer = MessageBoxW(nullptr, L"Continuare?", L"Messaggio Prova", MB_YESNO | MB_ICONQUESTION);
    acutPrintf(answer == IDYES ? L"\nSi continua" : L"\nCi si ferma");
}

// Opens the named-object dictionary and does not close it: the host must report the leak.
void leaky() {
    AcDbDictionary* dictionary = nullptr;
    acdbHostApplicationServices()->workingDatabase()->getNamedObjectsDictionary(dictionary, AcDb::kForRead);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int acrxEntryPoint(int message, void* appId) {
    if (message == AcRx::kInitAppMsg) {
        acrxUnlockApplication(appId);
        acrxRegisterAppMDIAware(appId);
        acedRegCmds->addCommand(kGroup, L"HELLO", L"HELLO", ACRX_CMD_MODAL, hello);
        acedRegCmds->addCommand(kGroup, L"FOLDER", L"FOLDER", ACRX_CMD_MODAL, programFolder);
        acedRegCmds->addCommand(kGroup, L"ASK", L"ASK", ACRX_CMD_MODAL, ask);
        acedRegCmds->addCommand(kGroup, L"LEAKY", L"LEAKY", ACRX_CMD_MODAL, leaky);
        acutPrintf(L"\nTest plug-in loaded.");
    } else if (message == AcRx::kUnloadAppMsg) {
        acedRegCmds->removeGroup(kGroup);
        acutPrintf(L"\nTest plug-in unloaded.");
    }
    return AcRx::kRetOK;
}

#ifdef RVN_TEST_PLUGIN_JOBS
// Jobs: "echo ARGS..." prints its arguments and succeeds; "fail" answers 3; others are unknown (2).
extern "C" __attribute__((visibility("default"))) int rivantaRunTool(int argc, const char* const* argv) {
    const std::string_view job = argc > 0 ? argv[0] : "";
    if (job == "echo") {
        for (int i = 1; i < argc; ++i) std::printf("%s%s", i > 1 ? " " : "", argv[i]);
        std::printf("\n");
        return 0;
    }
    if (job == "fail") return 3;
    std::fprintf(stderr, "rivanta: unknown job \"%s\"\n", argv[0]);
    return 2;
}
#endif
