#include "shell_options.h"

#include "drawing_commands.h"
#include "text_codec.h"

#include <string_view>

namespace rvnshell {

namespace {

// A subcommand of the host and its line in --help.
struct Subcommand {
    const wchar_t* usage;
    const wchar_t* description;
};

constexpr Subcommand kSubcommands[] = {
    {L"(none)", L"an interactive command line on a new empty drawing"},
    {L"DRAWING", L"opens the drawing (a .dwg file) instead, for the command line or the script"},
    {L"run SCRIPT", L"plays a script: each line is a command or an answer to a prompt"},
    {L"dxfout DRAWING OUT", L"writes the drawing as a DXF file (AutoCAD 2000)"},
    {L"svgout DRAWING OUT", L"draws the drawing's model space as an SVG picture; --window X1,Y1,X2,Y2\n"
                            L"                        shows a part of it, --network NAME --results a network\n"
                            L"                        in the colours of its results (svgout --help)"},
    {L"JOB [ARGS...]", L"a job of the plug-in, handed to it with its arguments (e.g. calc FILE)"},
};

struct Option {
    const wchar_t* usage;
    const wchar_t* description;
};

constexpr Option kOptions[] = {
    {L"--program-folder DIR", L"the program folder (settings, archives, blocks), set as \"tz-cpath\"; also\n"
                              L"                        after a job's name; default: ../share/rivanta/examples/ of an\n"
                              L"                        installed program, else the nearest examples/ folder holding\n"
                              L"                        rvnsetup.par in the program's folder or above it (the sources'\n"
                              L"                        one for a build)"},
    {L"--open DRAWING", L"opens the drawing at start (any file name)"},
    {L"-h, --help", L"shows this help"},
};

// Takes --program-folder DIR out of a job's arguments: the host's option may also follow the job's
// name ("calc net.inp --program-folder DIR"), where it is the last one given that counts.
void takeJobsProgramFolder(ShellOptions& options) {
    std::vector<std::string>& arguments = options.toolArguments;
    for (std::size_t at = 1; at < arguments.size();) {
        if (arguments[at] != "--program-folder") {
            ++at;
            continue;
        }
        if (at + 1 >= arguments.size()) {
            options.error = L"--program-folder needs a folder";
            return;
        }
        options.programFolder = rvnos::fromUtf8(arguments[at + 1]);
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(at),
                        arguments.begin() + static_cast<std::ptrdiff_t>(at + 2));
    }
}

std::wstring padded(std::wstring text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), L' ');
    return text + L"  ";
}

}  // namespace

ShellOptions parseArguments(int argc, const char* const* argv) {
    ShellOptions options;
    // Files are named in UTF-8 text; a name in another encoding would be opened, or written, as
    // another path.
    for (int k = 1; k < argc; ++k) {
        if (rvnos::isUtf8(argv[k])) continue;
        options.error = L"\"" + rvnos::fromUtf8Escaped(argv[k]) +
                        L"\" is not UTF-8 text: only files and folders named in UTF-8 can be handled";
        return options;
    }
    int at = 1;
    for (; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (argument == "-h" || argument == "--help") {
            options.mode = ShellMode::Help;
            return options;
        }
        if (argument == "--program-folder") {
            if (at + 1 >= argc) {
                options.error = L"--program-folder needs a folder";
                return options;
            }
            options.programFolder = rvnos::fromUtf8(argv[++at]);
            continue;
        }
        if (argument == "--open") {
            if (at + 1 >= argc) {
                options.error = L"--open needs a drawing";
                return options;
            }
            options.drawingPath = rvnos::fromUtf8(argv[++at]);
            continue;
        }
        if (argument.starts_with("-")) {
            options.error = L"unknown option \"" + rvnos::fromUtf8(argument) + L"\"";
            return options;
        }
        break;
    }
    if (at < argc && isDrawingFileName(argv[at])) options.drawingPath = rvnos::fromUtf8(argv[at++]);
    if (at >= argc) return options;
    if (std::string_view(argv[at]) == "run") {
        if (at + 2 != argc) {
            options.error = L"run needs exactly one script file";
            return options;
        }
        options.mode = ShellMode::Script;
        options.scriptPath = rvnos::fromUtf8(argv[at + 1]);
        return options;
    }
    options.mode = ShellMode::Tool;
    options.toolArguments.assign(argv + at, argv + argc);
    takeJobsProgramFolder(options);
    return options;
}

std::wstring usageText() {
    std::wstring text =
        L"Usage: rivanta [OPTIONS] [DRAWING] [run SCRIPT | dxfout DRAWING OUT | svgout DRAWING OUT |\n"
        L"               JOB [ARGS...]]\n"
        L"\n"
        L"The CAD host with the Rivanta plug-in: it starts with a new empty drawing, loads the plug-in\n"
        L"module Rivanta.arx and runs commands typed at \"Command: \" or read from a script.\n"
        L"\n"
        L"Commands:\n";
    for (const Subcommand& subcommand : kSubcommands) {
        text += L"  " + padded(subcommand.usage, 20) + subcommand.description + L"\n";
    }
    text += L"\nOptions:\n";
    for (const Option& option : kOptions) text += L"  " + padded(option.usage, 20) + option.description + L"\n";
    text +=
        L"\n"
        L"At the command line: HELP, COMMANDS (the commands the plug-in registered), QUIT;\n"
        L"OPEN, SAVE, SAVEAS (drawing files) and UNDO (the last commands).\n"
        L"\n"
        L"Environment:\n"
        L"  RIVANTA_PLUGIN        the plug-in module to load; default: Rivanta.arx beside this program,\n"
        L"                        else in ../lib/rivanta/\n"
        L"\n"
        L"Exit status: 0 success; 1 a command or the script failed; 2 a malformed command line, a\n"
        L"script or plug-in that cannot be loaded, or a job the plug-in does not know.\n";
    return text;
}

}  // namespace rvnshell
