// The plug-in's command-line tools: subcommands of the host program that the plug-in owns
// ("rivanta calc ..."), run without a drawing session.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

struct TzRvnTool {
    const char* name;
    // argv[0] is the tool's name, the rest its arguments; the result is the exit status.
    int (*run)(int argc, const char* const* argv);
    std::wstring_view summary;  // one line for the list of jobs, translated where shown
};

// The tools, in the order they are listed.
const std::vector<TzRvnTool>& commandLineTools();

// Runs the tool of the table named by argv[0] with the arguments as they are. No name, "--help" or
// "-h" lists the tools on out (status 0). An unknown name is reported on err (status 2); with
// "--help" among its arguments the tools are listed too.
int RunCommandLineTool(const std::vector<TzRvnTool>& tools, int argc, const char* const* argv, std::ostream& out,
                       std::ostream& err);
