#include "analysis/inp_tool.h"

#include "analysis/calc_drawing.h"
#include "analysis/calc_schema.h"
#include "analysis/inp_writer.h"
#include "frame/document_states.h"
#include "frame/plugin_lifecycle.h"
#include "host/open_object.h"
#include "network/network_dictionary.h"
#include "text_codec.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kExported = 0;
constexpr int kNotExported = 1;
constexpr int kWrongArguments = 2;

struct InpOutOptions {
    bool help = false;
    std::wstring drawing;
    std::wstring networkName;
    std::wstring output;
    std::wstring error;
};

constexpr char kUsage[] =
    "Usage: rivanta inpout DRAWING --network NAME OUT.inp\n"
    "\n"
    "Writes the network NAME of a saved drawing as an EPANET input file: flows in l/s, lengths in m,\n"
    "diameters and roughness in mm, Darcy-Weisbach; tanks as fixed-head tanks, excluded branches as\n"
    "closed pipes. The settings EPANET has no option for travel as \";RIVANTA\" comments, so that\n"
    "\"rivanta calc OUT.inp\" finds the same network.\n"
    "\n"
    "  --network NAME  the network of the drawing to export\n"
    "  -h, --help      show this help\n"
    "\n"
    "Exit status: 0 exported; 1 not exported; 2 wrong arguments.\n";

// One argument (and its value); false when the arguments are not usable.
bool readArgument(const std::vector<std::string>& arguments, std::size_t& at, InpOutOptions& options) {
    const std::string& argument = arguments[at];
    if (argument == "--network") {
        if (at + 1 >= arguments.size() || arguments[at + 1].empty() || !options.networkName.empty()) {
            options.error = L"--network needs one value";
            return false;
        }
        options.networkName = rvnos::fromUtf8(arguments[++at]);
        return true;
    }
    if (argument.size() > 1 && argument.front() == '-') {
        options.error = L"unknown option " + rvnos::fromUtf8(argument);
        return false;
    }
    std::wstring& slot = options.drawing.empty() ? options.drawing : options.output;
    if (!options.output.empty()) {
        options.error = L"too many files: \"" + rvnos::fromUtf8(argument) + L"\"";
        return false;
    }
    slot = rvnos::fromUtf8(argument);
    return true;
}

InpOutOptions parseOptions(const std::vector<std::string>& arguments) {
    InpOutOptions options;
    for (const std::string& argument : arguments)
        options.help = options.help || argument == "--help" || argument == "-h";
    if (options.help) return options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        if (!readArgument(arguments, at, options)) return options;
    }
    if (options.output.empty())
        options.error = L"a drawing and an output file are needed";
    else if (options.networkName.empty())
        options.error = L"--network NAME is needed";
    return options;
}

int notExported(const std::wstring& message) {
    std::cerr << rvnos::toUtf8(message) << '\n';
    return kNotExported;
}

int exportNetwork(const InpOutOptions& options) {
    std::wstring message;
    TzRvnToolDrawing drawing;
    if (!drawing.open(options.drawing, message)) return notExported(L"rivanta inpout: " + message);
    AcDbObjectId id;
    if (FindNetwork(drawing.database(), options.networkName, id) != Acad::eOk) {
        return notExported(L"rivanta inpout: the drawing \"" + options.drawing + L"\" has no network \"" +
                           options.networkName + L"\"");
    }
    // A drawn network is exported as the drawing shows it, as "rivanta calc" calculates it.
    message = RebuildNetworkFromSchema(drawing.database(), id, options.networkName);
    if (!message.empty()) return notExported(message);
    TzRvnNetworkData data;
    {
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
        if (!network.isOpen() || network->getData(data) != Acad::eOk) {
            return notExported(L"rivanta inpout: the network \"" + options.networkName + L"\" cannot be read");
        }
    }
    message = ExportInpFile(data, options.networkName, options.output, {&options.drawing, 1});
    if (!message.empty()) return notExported(message);
    std::cout << "Exported network \"" << rvnos::toUtf8(options.networkName) << "\" to \""
              << rvnos::toUtf8(options.output) << "\"\n";
    return kExported;
}

}  // namespace

int RunInpOutTool(int argc, const char* const* argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const InpOutOptions options = parseOptions(arguments);
    if (options.help) {
        std::cout << kUsage;
        return kExported;
    }
    if (!options.error.empty()) {
        std::cerr << "rivanta inpout: " << rvnos::toUtf8(options.error) << "\nTry \"rivanta inpout --help\".\n";
        return kWrongArguments;
    }
    if (!DocumentStatesStarted()) StartPluginServices();
    return exportNetwork(options);
}
