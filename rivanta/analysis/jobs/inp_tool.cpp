#include "analysis/jobs/inp_tool.h"

#include "analysis/jobs/calc_drawing.h"
#include "analysis/jobs/calc_schema.h"
#include "analysis/jobs/inp_job_texts.h"
#include "analysis/jobs/network_exchange.h"
#include "frame/document_states.h"
#include "frame/plugin_lifecycle.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "netobj/network_dictionary.h"
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

// One argument (and its value); false when the arguments are not usable.
bool readArgument(const std::vector<std::string>& arguments, std::size_t& at, InpOutOptions& options) {
    const std::string& argument = arguments[at];
    if (argument == "--network") {
        if (at + 1 >= arguments.size() || arguments[at + 1].empty() || !options.networkName.empty()) {
            options.error = TranslateText(rvntext::kInpOutOneNetwork);
            return false;
        }
        options.networkName = rvnos::fromUtf8(arguments[++at]);
        return true;
    }
    const std::wstring wide = rvnos::fromUtf8(argument);
    if (argument.size() > 1 && argument.front() == '-') {
        options.error = FormatTranslated(rvntext::kInpOutUnknownOption, {std::wstring_view(wide)});
        return false;
    }
    std::wstring& slot = options.drawing.empty() ? options.drawing : options.output;
    if (!options.output.empty()) {
        options.error = FormatTranslated(rvntext::kInpOutTooManyFiles, {std::wstring_view(wide)});
        return false;
    }
    slot = wide;
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
        options.error = TranslateText(rvntext::kInpOutNeedsFiles);
    else if (options.networkName.empty())
        options.error = TranslateText(rvntext::kInpOutNeedsNetwork);
    return options;
}

int notExported(const std::wstring& message) {
    std::cerr << rvnos::toUtf8(message) << '\n';
    return kNotExported;
}

int exportNetwork(const InpOutOptions& options) {
    std::wstring message;
    TzRvnToolDrawing drawing;
    if (!drawing.open(options.drawing, message)) {
        return notExported(FormatTranslated(rvntext::kInpOutHostMessage, {std::wstring_view(message)}));
    }
    AcDbObjectId id;
    const TzRvnNetworkLookup lookup = FindOrMakeNetwork(drawing.database(), options.networkName, id, message);
    if (lookup == TzRvnNetworkLookup::noSettings) return notExported(message);
    if (lookup == TzRvnNetworkLookup::missing) {
        const std::wstring_view drawingPath = options.drawing;
        const std::wstring_view name = options.networkName;
        return notExported(FormatTranslated(rvntext::kInpOutNoSuchNetwork, {drawingPath, name}));
    }
    // A drawn network is exported as the drawing shows it, as "rivanta calc" calculates it.
    message = RebuildNetworkFromSchema(drawing.database(), id, options.networkName);
    if (!message.empty()) return notExported(FormatTranslated(rvntext::kInpOutHostMessage, {std::wstring_view(message)}));
    TzRvnNetworkData data;
    {
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
        if (!network.isOpen() || network->getData(data) != Acad::eOk) {
            const std::wstring_view name = options.networkName;
            return notExported(FormatTranslated(rvntext::kInpOutNetworkNotRead, {name}));
        }
    }
    message = ExportInpFile(data, options.networkName, options.output, {&options.drawing, 1});
    if (!message.empty()) return notExported(message);
    std::cout << rvnos::toUtf8(FormatTranslated(rvntext::kInpOutExported, {std::wstring_view(options.networkName),
                                                                           std::wstring_view(options.output)}))
              << '\n';
    return kExported;
}

}  // namespace

int RunInpOutTool(int argc, const char* const* argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const InpOutOptions options = parseOptions(arguments);
    if (options.help) {
        std::cout << rvnos::toUtf8(TranslateText(rvntext::kInpOutUsage));
        return kExported;
    }
    if (!options.error.empty()) {
        std::cerr << rvnos::toUtf8(FormatTranslated(rvntext::kInpOutArgumentError, {std::wstring_view(options.error)}))
                  << '\n';
        return kWrongArguments;
    }
    if (!DocumentStatesStarted()) StartPluginServices();
    return exportNetwork(options);
}
