#include "session.h"

#include "acdocman.h"
#include "command_line.h"
#include "drawing_commands.h"
#include "geometry_commands.h"
#include "setting_commands.h"
#include "input_source.h"
#include "lisp_symbols.h"
#include "module_loader.h"
#include "plugin_module.h"
#include "text_codec.h"
#include "transcript.h"
#include "transcript_echo.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace rvnshell {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = 2;

namespace fs = std::filesystem;

std::wstring withSeparator(std::wstring folder) {
    if (folder.empty() || folder.back() != L'/') folder += L'/';
    return folder;
}

std::wstring hostProgramFolder() {
    const fs::path program(rvnos::toUtf8(rvnos::modulePath(nullptr)));
    return withSeparator(rvnos::fromUtf8(program.parent_path().string()));
}

bool isFolder(const std::wstring& path) {
    std::error_code ignored;
    return fs::is_directory(rvnos::toUtf8(path), ignored);
}

void printError(const std::wstring& text) { std::fprintf(stderr, "rivanta: %s\n", rvnos::toUtf8(text).c_str()); }

// The program folder of the options, or the one found; empty (with the reason) when it is unusable.
std::wstring chooseProgramFolder(const ShellOptions& options, const std::wstring& hostFolder, std::wstring& reason) {
    if (options.programFolder.empty()) return findProgramFolder(hostFolder);
    std::error_code ignored;
    if (!fs::exists(rvnos::toUtf8(options.programFolder), ignored)) {
        reason = L"the program folder \"" + options.programFolder + L"\" does not exist";
    } else if (!isFolder(options.programFolder)) {
        reason = L"the program folder \"" + options.programFolder + L"\" is not a folder";
    }
    return reason.empty() ? withSeparator(options.programFolder) : L"";
}

std::unique_ptr<rvnhost::InputSource> inputFor(const ShellOptions& options, std::wstring& reason) {
    if (options.mode == ShellMode::Interactive) return std::make_unique<rvnhost::TerminalInput>();
    if (options.mode == ShellMode::Tool) return std::make_unique<rvnhost::QueueInput>();
    auto script = std::make_unique<rvnhost::ScriptInput>();
    if (!script->open(options.scriptPath, reason)) return nullptr;
    return script;
}

void closeAllDocuments() {
    AcApDocManager* manager = acDocManagerPtr();
    while (manager->curDocument()) manager->closeDocument(manager->curDocument());
}

// The work of the run, between loading the plug-in and unloading it.
int runWithPlugin(const ShellOptions& options, PluginModule& plugin, const TranscriptEcho& echo) {
    if (options.mode == ShellMode::Tool) {
        if (const std::optional<int> status = runHostJob(options.toolArguments)) return *status;
        if (!plugin.isLoaded()) return kUsageError;
        const std::optional<int> status = plugin.runTool(options.toolArguments);
        if (!status) printError(L"unknown job \"" + rvnos::fromUtf8(options.toolArguments[0]) + L"\"\nTry \"rivanta --help\".");
        return status.value_or(kUsageError);
    }
    if (!options.drawingPath.empty() && !openStartDrawing(options.drawingPath)) return kFailure;
    CommandLine commandLine;
    commandLine.run();
    const bool failed = commandLine.failures() > 0 || echo.problems() > 0;
    return options.mode == ShellMode::Script && failed ? kFailure : kSuccess;
}

}  // namespace

std::wstring findProgramFolder(const std::wstring& hostFolder) {
    const fs::path host(rvnos::toUtf8(hostFolder));
    std::vector<fs::path> candidates{host / ".." / "share" / "rivanta" / "examples"};
    for (fs::path folder = host; folder.has_relative_path(); folder = folder.parent_path()) {
        candidates.push_back(folder / "examples");
    }
    for (const fs::path& candidate : candidates) {
        std::error_code ignored;
        if (fs::is_regular_file(candidate / "rvnsetup.par", ignored)) {
            return withSeparator(rvnos::fromUtf8(candidate.lexically_normal().string()));
        }
    }
    return L"";
}

int runSession(const ShellOptions& options) {
    const std::wstring hostFolder = hostProgramFolder();
    std::wstring reason;
    const std::wstring programFolder = chooseProgramFolder(options, hostFolder, reason);
    std::unique_ptr<rvnhost::InputSource> input = reason.empty() ? inputFor(options, reason) : nullptr;
    if (!input) {
        printError(reason + L"\nTry \"rivanta --help\".");
        return kUsageError;
    }
    const bool interactive = input->isInteractive();
    auto previousInput = rvnhost::setCurrentInput(std::move(input));
    TranscriptEcho echo(stdout, stderr, interactive);
    rvnhost::Transcript::instance().setEcho([&echo](const rvnhost::TranscriptEntry& entry) { echo.show(entry); });

    acDocManagerPtr()->appContextNewDocument(nullptr);
    if (programFolder.empty()) {
        rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine,
                                            L"\nNo program folder found: give one with --program-folder DIR.\n");
    } else {
        rvnhost::putLispString(L"tz-cpath", programFolder);
    }
    int status = kSuccess;
    registerDrawingCommands();
    registerGeometryCommands();
    registerSettingCommands();
    {
        PluginModule plugin;
        plugin.load(pluginPath(hostFolder));
        status = runWithPlugin(options, plugin, echo);
        // Documents close before the plug-in unloads, as the host does at quit: objects of the
        // plug-in's classes are deleted while their code is still mapped.
        closeAllDocuments();
    }
    removeDrawingCommands();
    removeGeometryCommands();
    removeSettingCommands();
    echo.finish();
    rvnhost::Transcript::instance().setEcho(nullptr);
    rvnhost::setCurrentInput(std::move(previousInput));
    return status;
}

}  // namespace rvnshell
