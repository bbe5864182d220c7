#include "analysis/jobs/svg_results_tool.h"

#include "analysis/jobs/calc_drawing.h"
#include "analysis/jobs/calc_schema.h"
#include "analysis/jobs/svg_job_texts.h"
#include "frame/document_states.h"
#include "frame/plugin_lifecycle.h"
#include "frame/translation.h"
#include "host/entity_ids.h"
#include "host/open_object.h"
#include "netobj/network_dictionary.h"
#include "network/result_colours.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"
#include "schema/schema_reader.h"
#include "svg_picture.h"
#include "text_codec.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kWrongArguments = 2;

int notWritten(const std::wstring& message) {
    std::cerr << rvnos::toUtf8(message) << '\n';
    return kNotWritten;
}

// The network's data with its records tied to the entities of its schema, results kept; empty
// message on success.
std::wstring readDrawnNetwork(AcDbDatabase* database, const rvnhost::SvgOutArguments& options, TzRvnNetworkData& data) {
    const std::wstring_view name = options.network;
    // A network only drawn is made as "rivanta calc" makes it; it has no results yet.
    AcDbObjectId id;
    std::wstring message;
    const TzRvnNetworkLookup lookup = FindOrMakeNetwork(database, options.network, id, message);
    if (lookup == TzRvnNetworkLookup::noSettings) return message;
    if (lookup == TzRvnNetworkLookup::missing) {
        const std::wstring networks = NetworkListText(database);
        return FormatTranslated(rvntext::kSvgNoSuchNetwork,
                                {std::wstring_view(options.drawing), name, std::wstring_view(networks)});
    }
    {
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
        if (!network.isOpen() || network->getData(data) != Acad::eOk) {
            return FormatTranslated(rvntext::kSvgNetworkNotRead, {name});
        }
    }
    if (!data.hasSchema()) return FormatTranslated(rvntext::kSvgNoSchema, {name});
    AcDbObjectId modelSpace;
    if (ModelSpaceId(database, modelSpace) != Acad::eOk ||
        !ReadSchemaInto(database, modelSpace, NetworkLayerName(options.network), data)) {
        return FormatTranslated(rvntext::kSvgSchemaNotRead, {name});
    }
    if (!HasResults(data)) return FormatTranslated(rvntext::kSvgNoResults, {name, name});
    return {};
}

// Nodes and branches whose results lie outside the thresholds, in their colours, and the legend.
rvnhost::SvgPicture resultsPicture(const TzRvnNetworkData& data, const rvnhost::SvgOutArguments& options) {
    const TzRvnSettings settings = data.getSettings();
    rvnhost::SvgPicture picture;
    picture.window = options.window;
    for (const TzRvnNode& node : data.nodes()) {
        if (const auto colour = PressureHeadColour(settings, node.pressureHead)) {
            picture.colours[ObjectIdOf(node.entityId)] = rvnhost::colourOfColorref(*colour);
        }
    }
    for (const TzRvnEdge& edge : data.edges()) {
        if (const auto colour = VelocityColour(settings, edge.velocity)) {
            picture.colours[ObjectIdOf(edge.entityId)] = rvnhost::colourOfColorref(*colour);
        }
    }
    picture.legend.title = FormatTranslated(rvntext::kSvgLegendTitle, {std::wstring_view(options.network)});
    for (const TzRvnColourKey& key : ResultColourKeys(settings, TranslateText)) {
        picture.legend.rows.push_back({rvnhost::colourOfColorref(key.colour), key.text});
    }
    return picture;
}

int drawResults(const rvnhost::SvgOutArguments& options) {
    std::wstring message;
    TzRvnToolDrawing drawing;
    if (!drawing.open(options.drawing, message)) {
        return notWritten(FormatTranslated(rvntext::kSvgMessage, {std::wstring_view(message)}));
    }
    TzRvnNetworkData data;
    message = readDrawnNetwork(drawing.database(), options, data);
    if (!message.empty()) return notWritten(message);
    if (!rvnhost::writeSvgPicture(*drawing.database(), resultsPicture(data, options), options.output,
                                  {&options.drawing, 1}, message)) {
        return notWritten(FormatTranslated(rvntext::kSvgMessage, {std::wstring_view(message)}));
    }
    std::cout << rvnos::toUtf8(FormatTranslated(rvntext::kSvgWritten, {std::wstring_view(options.output),
                                                                       std::wstring_view(options.network)}))
              << '\n';
    return kWritten;
}

}  // namespace

int RunSvgResultsTool(int argc, const char* const* argv) {
    rvnhost::SvgOutArguments options =
        rvnhost::parseSvgOutArguments(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (options.help) {
        std::cout << rvnos::toUtf8(rvnhost::svgOutUsage());
        return kWritten;
    }
    if (options.error.empty() && options.network.empty()) options.error = TranslateText(rvntext::kSvgNeedsNetwork);
    if (!options.error.empty()) {
        std::cerr << rvnos::toUtf8(FormatTranslated(rvntext::kSvgArgumentError, {std::wstring_view(options.error)}))
                  << '\n';
        return kWrongArguments;
    }
    if (!DocumentStatesStarted()) StartPluginServices();
    return drawResults(options);
}
