// The plug-in module: found, loaded, told it is loaded (init message) and unloaded (unload
// message), as the host does with an ObjectARX application.
#pragma once

#include "rxdefs.h"
#include "win_types.h"

#include <optional>
#include <string>
#include <vector>

namespace rvnshell {

// Where the module is looked for: RIVANTA_PLUGIN when it is set, else Rivanta.arx beside the host
// program, else in ../lib/rivanta/ from it. The first that exists, or the last candidate.
std::wstring pluginPath(const std::wstring& hostFolder);

class PluginModule {
public:
    PluginModule() = default;
    // Unloads the module if it is still loaded.
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // Loads the module and sends the init message. False, with a line on the transcript saying
    // why, when it cannot be loaded, is no host application, or refuses to load.
    bool load(const std::wstring& path);
    // Sends the unload message and frees the module.
    void unload();
    bool isLoaded() const { return module_ != nullptr; }

    // Runs a job of the plug-in through its rivantaRunTool: the job's exit status, or nullopt when
    // the module has no jobs.
    std::optional<int> runTool(const std::vector<std::string>& arguments) const;

private:
    // The module's acrxEntryPoint, called through its own type.
    using EntryPoint = AcRx::AppRetCode (*)(AcRx::AppMsgCode message, void* appId);

    HMODULE module_ = nullptr;
    EntryPoint entryPoint_ = nullptr;
};

}  // namespace rvnshell
