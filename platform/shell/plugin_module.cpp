#include "plugin_module.h"

#include "module_loader.h"
#include "rxdefs.h"
#include "rxregsvc.h"
#include "text_codec.h"
#include "transcript.h"

#include <cstdlib>
#include <filesystem>

namespace rvnshell {

namespace {

constexpr const wchar_t* kModuleName = L"Rivanta.arx";

void reportError(const std::wstring& text) {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, text);
}

bool exists(const std::wstring& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(rvnos::toUtf8(path), ignored);
}

}  // namespace

std::wstring pluginPath(const std::wstring& hostFolder) {
    if (const char* fromEnvironment = std::getenv("RIVANTA_PLUGIN"); fromEnvironment && *fromEnvironment) {
        return rvnos::fromUtf8(fromEnvironment);
    }
    const std::wstring beside = hostFolder + kModuleName;
    const std::wstring installed = hostFolder + L"../lib/rivanta/" + kModuleName;
    return exists(beside) || !exists(installed) ? beside : installed;
}

PluginModule::~PluginModule() { unload(); }

bool PluginModule::load(const std::wstring& path) {
    module_ = LoadLibraryW(path.c_str());
    if (!module_) {
        reportError(L"Cannot load the plug-in \"" + path + L"\": " + rvnos::lastLoadError());
        return false;
    }
    entryPoint_ = reinterpret_cast<EntryPoint>(GetProcAddress(module_, "acrxEntryPoint"));
    if (!entryPoint_) {
        reportError(L"\"" + path + L"\" is no host application: it has no acrxEntryPoint");
        FreeLibrary(module_);
        module_ = nullptr;
        return false;
    }
    if (entryPoint_(AcRx::kInitAppMsg, module_) != AcRx::kRetOK) {
        reportError(L"The plug-in \"" + path + L"\" refused to load");
        FreeLibrary(module_);
        acrxDynamicLinker->forgetApplication(module_);
        module_ = nullptr;
        return false;
    }
    return true;
}

void PluginModule::unload() {
    if (!module_) return;
    entryPoint_(AcRx::kUnloadAppMsg, module_);
    FreeLibrary(module_);
    acrxDynamicLinker->forgetApplication(module_);
    module_ = nullptr;
    entryPoint_ = nullptr;
}

std::optional<int> PluginModule::runTool(const std::vector<std::string>& arguments) const {
    using RunTool = int (*)(int argc, const char* const* argv);
    const auto run = module_ ? reinterpret_cast<RunTool>(GetProcAddress(module_, "rivantaRunTool")) : nullptr;
    if (!run) return std::nullopt;
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    return run(static_cast<int>(arguments.size()), argv.data());
}

}  // namespace rvnshell
