#include "analysis/results_json.h"

#include "network/file_handle.h"
#include "text_codec.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Field = std::pair<const char*, std::string>;

std::string object(const std::vector<Field>& fields) {
    std::string out = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ", ";
        out += std::string("\"") + fields[i].first + "\": " + fields[i].second;
    }
    return out + "}";
}

template <typename Record>
std::string array(const std::vector<Record>& records, const std::function<std::string(const Record&)>& write) {
    std::string out = "[";
    for (std::size_t i = 0; i < records.size(); ++i) out += (i > 0 ? ",\n  " : "\n  ") + write(records[i]);
    return out + (records.empty() ? "]" : "\n ]");
}

std::string nodeJson(const TzRvnNode& node) {
    return object({{"name", JsonString(node.name.view())},
                   {"head", JsonNumber(node.head)},
                   {"pressureHead", JsonNumber(node.pressureHead)}});
}

std::string branchJson(const TzRvnEdge& edge) {
    return object({{"startNode", JsonString(edge.startNode.view())},
                   {"endNode", JsonString(edge.endNode.view())},
                   {"flow", JsonNumber(edge.flow)},
                   {"velocity", JsonNumber(edge.velocity)},
                   {"reynolds", JsonNumber(edge.reynolds)},
                   {"frictionSlope", JsonNumber(edge.frictionSlope)},
                   {"headLoss", JsonNumber(edge.headLoss)}});
}

std::string tankJson(const TzRvnTank& tank) {
    return object({{"nodeName", JsonString(tank.nodeName.view())}, {"flow", JsonNumber(tank.flow)}});
}

void appendEscape(std::string& out, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
    out += buffer;
}

}  // namespace

std::string JsonNumber(double value) {
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string JsonString(std::wstring_view text) {
    std::string out = "\"";
    for (wchar_t ch : text) {
        const auto code = static_cast<unsigned>(ch);
        if (ch == L'"' || ch == L'\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (code < 0x20 || (code >= 0xD800 && code <= 0xDFFF)) {
            appendEscape(out, code);
        } else {
            out += rvnos::toUtf8(std::wstring_view(&ch, 1));
        }
    }
    return out + "\"";
}

std::string ResultsJson(const TzRvnNetworkData& network, int check, int calc) {
    std::string out = "{\n \"check\": " + std::to_string(check) + ",\n \"calc\": " + std::to_string(calc);
    out += ",\n \"nodes\": " + array<TzRvnNode>(network.nodes(), nodeJson);
    out += ",\n \"branches\": " + array<TzRvnEdge>(network.edges(), branchJson);
    out += ",\n \"tanks\": " + array<TzRvnTank>(network.tanks(), tankJson);
    return out + "\n}\n";
}

int WriteResultsJsonFile(const std::wstring& path, const TzRvnNetworkData& network, int check, int calc) {
    TzRvnFile file = OpenFile(path, "w");
    if (!file) return 0;
    bool written = WriteAllBytes(file.get(), ResultsJson(network, check, calc));
    return CloseFile(file) && written ? 1 : 0;
}
