#include "frame/command_line_tool.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lastArguments;

int recordArguments(int argc, const char* const* argv) {
    lastArguments.assign(argv, argv + argc);
    return 7;
}

int succeed(int, const char* const*) { return 0; }

const std::vector<TzRvnTool> kSampleTools = {
    {"calc", &recordArguments, L"calculate a network file and write its reports"},
    {"check", &succeed, L"check a network's topology"},
};

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::vector<TzRvnTool>& tools, std::vector<const char*> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLineTool(tools, static_cast<int>(arguments.size()), arguments.data(), out, err);
    return {status, out.str(), err.str()};
}

const char kSampleListing[] =
    "Jobs of the Rivanta plug-in (rivanta JOB --help for their options):\n"
    "  calc   calculate a network file and write its reports\n"
    "  check  check a network's topology\n";

TEST(CommandLineTool, AToolKnownByNameRunsWithItsArguments) {
    const ToolRun run = runTool(kSampleTools, {"calc", "rete.json", "--out", "risultati"});
    EXPECT_EQ(run.status, 7);
    EXPECT_EQ(lastArguments, (std::vector<std::string>{"calc", "rete.json", "--out", "risultati"}));
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(run.err.empty());
    // A tool's own --help goes to the tool.
    EXPECT_EQ(runTool(kSampleTools, {"calc", "--help"}).status, 7);
    EXPECT_EQ(lastArguments.back(), "--help");
}

TEST(CommandLineTool, HelpListsTheToolsWithTheirSummaries) {
    for (const char* asking : {"--help", "-h"}) {
        const ToolRun run = runTool(kSampleTools, {asking});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, kSampleListing);
        EXPECT_TRUE(run.err.empty());
    }
    EXPECT_EQ(runTool(kSampleTools, {}).out, kSampleListing);
    EXPECT_EQ(runTool({}, {"--help"}).out, "The Rivanta plug-in has no command-line jobs in this build.\n");
}

TEST(CommandLineTool, AnUnknownToolExitsWithStatusTwo) {
    const ToolRun run = runTool(kSampleTools, {"calcola", "rete.json"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "rivanta: unknown job \"calcola\"\nTry \"rivanta --help\".\n");
    EXPECT_TRUE(run.out.empty());

    const ToolRun asked = runTool(kSampleTools, {"calcola", "--help"});
    EXPECT_EQ(asked.status, 2);
    EXPECT_EQ(asked.err, "rivanta: unknown job \"calcola\"\nTry \"rivanta --help\".\n");
    EXPECT_EQ(asked.out, kSampleListing);
}

int runOutOfMemory(int, const char* const*) { throw std::bad_alloc(); }

TEST(CommandLineTool, AToolThatRunsOutOfMemoryEndsWithAMessageAndStatusOne) {
    const std::vector<TzRvnTool> tools = {{"calc", &runOutOfMemory, L"calculate"}};
    const ToolRun run = runTool(tools, {"calc", "rete.inp"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "rivanta calc: not enough memory for this job\n");
    EXPECT_TRUE(run.out.empty());
}

}  // namespace
