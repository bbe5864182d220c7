// The module Rivanta.arx: its attachment to the process and the entry points the host calls.
#include "afx_resources.h"
#include "frame/command_line_tool.h"
#include "frame/plugin_lifecycle.h"
#include "host/module_instance.h"
#include "module_loader.h"
#include "rxdefs.h"

#include <iostream>

extern "C" {
AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
int acrxGetApiVersion();
int rivantaRunTool(int argc, const char* const* argv);
}

namespace {

// The host SDK's API version: 22, written 0x160000.
constexpr int kApiVersion = 0x160000;

AFX_EXTENSION_MODULE rivantaExtension;

// When the module attaches it joins the resource chain as an extension module and records its
// instance handle; when it detaches it leaves the chain.
class ModuleAttachment {
public:
    ModuleAttachment() {
        HMODULE self = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&acrxEntryPoint), &self);
        if (!AfxInitExtensionModule(rivantaExtension, self)) return;
        new CDynLinkLibrary(rivantaExtension);
        RecordModuleInstance(self);
    }
    ~ModuleAttachment() {
        AfxTermExtensionModule(rivantaExtension);
        RecordModuleInstance(nullptr);
    }
    ModuleAttachment(const ModuleAttachment&) = delete;
    ModuleAttachment& operator=(const ModuleAttachment&) = delete;
};

const ModuleAttachment attachment;

}  // namespace

AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) { return HandleAppMessage(msg, appId); }

int acrxGetApiVersion() { return kApiVersion; }

int rivantaRunTool(int argc, const char* const* argv) {
    return RunCommandLineTool(commandLineTools(), argc, argv, std::cout, std::cerr);
}
