// The host program's command line: what to run and with which program folder.
#pragma once

#include <string>
#include <vector>

namespace rvnshell {

enum class ShellMode { Interactive, Script, Tool, Help };

struct ShellOptions {
    ShellMode mode = ShellMode::Interactive;
    std::wstring scriptPath;
    // A job handed to the plug-in: its name first, then its arguments, as given.
    std::vector<std::string> toolArguments;
    std::wstring programFolder;  // empty: the one found beside the build or the installation
    std::wstring drawingPath;    // the drawing to open at start; empty: a new empty drawing
    std::wstring error;          // set when the command line is malformed
};

ShellOptions parseArguments(int argc, const char* const* argv);

// The text of --help.
std::wstring usageText();

}  // namespace rvnshell
