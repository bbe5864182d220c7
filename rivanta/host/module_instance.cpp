#include "host/module_instance.h"

#include "module_loader.h"

namespace {

HINSTANCE recordedInstance = nullptr;

}  // namespace

void RecordModuleInstance(HINSTANCE instance) { recordedInstance = instance; }

HINSTANCE ModuleInstance() { return recordedInstance; }

std::wstring PluginFolder() {
    const std::wstring path = rvnos::modulePath(recordedInstance);
    const std::size_t separator = path.rfind(L'/');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}
