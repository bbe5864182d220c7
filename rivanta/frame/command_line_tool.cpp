#include "frame/command_line_tool.h"

#include "analysis/calc_tool.h"
#include "analysis/inp_tool.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

bool isHelpRequest(std::string_view argument) { return argument == "--help" || argument == "-h"; }

void listTools(const std::vector<TzRvnTool>& tools, std::ostream& out) {
    if (tools.empty()) {
        out << "The Rivanta plug-in has no command-line tools in this build.\n";
        return;
    }
    std::size_t width = 0;
    for (const TzRvnTool& tool : tools) width = std::max(width, std::strlen(tool.name));
    out << "Tools of the Rivanta plug-in (rivanta TOOL --help for their options):\n";
    for (const TzRvnTool& tool : tools) {
        out << "  " << tool.name << std::string(width - std::strlen(tool.name) + 2, ' ') << tool.summary << '\n';
    }
}

const TzRvnTool* findTool(const std::vector<TzRvnTool>& tools, std::string_view name) {
    for (const TzRvnTool& tool : tools) {
        if (name == tool.name) return &tool;
    }
    return nullptr;
}

// Runs a tool; a job the memory runs out for ends with a message instead of taking the host down.
int runGuarded(const TzRvnTool& tool, int argc, const char* const* argv, std::ostream& err) {
    try {
        return tool.run(argc, argv);
    } catch (const std::bad_alloc&) {
        err << "rivanta " << tool.name << ": not enough memory for this job\n";
        return kFailure;
    }
}

}  // namespace

const std::vector<TzRvnTool>& commandLineTools() {
    // One line per tool: {name, function, summary}.
    static const std::vector<TzRvnTool> tools = {
        {"calc", &RunCalcTool, "import a Portavia network file, check and calculate it, write its reports and results"},
        {"inpout", &RunInpOutTool, "export a network of a saved drawing as an EPANET input file (.inp)"},
    };
    return tools;
}

int RunCommandLineTool(const std::vector<TzRvnTool>& tools, int argc, const char* const* argv, std::ostream& out,
                       std::ostream& err) {
    if (argc < 1 || argv == nullptr || argv[0] == nullptr || isHelpRequest(argv[0])) {
        listTools(tools, out);
        return 0;
    }
    if (const TzRvnTool* tool = findTool(tools, argv[0])) return runGuarded(*tool, argc, argv, err);
    err << "rivanta: unknown job \"" << argv[0] << "\"\nTry \"rivanta --help\".\n";
    if (std::any_of(argv + 1, argv + argc, [](const char* argument) { return argument && isHelpRequest(argument); })) {
        listTools(tools, out);
    }
    return kUsageError;
}
