// Runs a shell command as a user would, with no terminal on its input, and keeps what it printed.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace rvntest {

struct CommandRun {
    int status = -1;     // the exit status; -1 when the command did not exit normally
    std::string output;  // standard output and standard error together
};

// Passes when the run printed text; a failure of EXPECT_TRUE or EXPECT_FALSE shows all it printed.
inline testing::AssertionResult Printed(const CommandRun& run, const std::string& text) {
    const bool printed = run.output.find(text) != std::string::npos;
    return testing::AssertionResult(printed) << "\"" << text << "\" is " << (printed ? "" : "not ")
                                             << "in what the run printed:\n" << run.output;
}

inline std::string singleQuoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

inline CommandRun runCommand(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen((command + " </dev/null 2>&1").c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, read);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The host program with the plug-in module of that name (in the build's bin folder), then with the
// arguments, already quoted.
inline std::string hostCommand(const std::string& plugin = "TestPlugin.arx") {
    const std::filesystem::path bin = RVN_BIN_DIR;
    return "RIVANTA_PLUGIN=" + singleQuoted(bin / plugin) + " " + singleQuoted(bin / "rivanta");
}

inline CommandRun runHost(const std::string& arguments, const std::string& plugin = "TestPlugin.arx") {
    return runCommand(hostCommand(plugin) + " " + arguments);
}

}  // namespace rvntest
