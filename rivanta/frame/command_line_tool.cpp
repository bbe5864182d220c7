#include "frame/command_line_tool.h"

#include "analysis/jobs/calc_tool.h"
#include "analysis/jobs/inp_tool.h"
#include "analysis/jobs/svg_results_tool.h"
#include "frame/job_texts.h"
#include "frame/translation.h"
#include "text_codec.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

std::string translated(std::wstring_view text) { return rvnos::toUtf8(TranslateText(text)); }

std::string formatted(std::wstring_view format, const char* argument) {
    const std::wstring wide = rvnos::fromUtf8(argument);
    return rvnos::toUtf8(FormatTranslated(format, {std::wstring_view(wide)}));
}

bool isHelpRequest(std::string_view argument) { return argument == "--help" || argument == "-h"; }

void listTools(const std::vector<TzRvnTool>& tools, std::ostream& out) {
    if (tools.empty()) {
        out << translated(rvntext::kNoJobs);
        return;
    }
    std::size_t width = 0;
    for (const TzRvnTool& tool : tools) width = std::max(width, std::strlen(tool.name));
    out << translated(rvntext::kJobsHeading);
    for (const TzRvnTool& tool : tools) {
        out << "  " << tool.name << std::string(width - std::strlen(tool.name) + 2, ' ') << translated(tool.summary) << '\n';
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
        err << formatted(rvntext::kJobOutOfMemory, tool.name);
        return kFailure;
    }
}

}  // namespace

const std::vector<TzRvnTool>& commandLineTools() {
    // One line per job: {name, function, summary}.
    static const std::vector<TzRvnTool> tools = {
        {"calc", &RunCalcTool, rvntext::kCalcJobSummary},
        {"inpout", &RunInpOutTool, rvntext::kInpOutJobSummary},
        {"svgout", &RunSvgResultsTool, rvntext::kSvgJobSummary},
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
    err << formatted(rvntext::kUnknownJob, argv[0]);
    if (std::any_of(argv + 1, argv + argc, [](const char* argument) { return argument && isHelpRequest(argument); })) {
        listTools(tools, out);
    }
    return kUsageError;
}
