#include "analysis/exchange/results_json.h"

#include "network/unicode_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void appendEscape(std::string& out, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
    out += buffer;
}

void appendNumber(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "\"nan\"";
    } else if (std::isinf(value)) {
        out += value > 0 ? "\"inf\"" : "\"-inf\"";
    } else {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
    }
}

void appendString(std::string& out, std::wstring_view text) {
    out += '"';
    for (wchar_t ch : text) {
        const auto code = static_cast<unsigned>(ch);
        if (ch == L'"' || ch == L'\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (code < 0x20 || (code >= 0xD800 && code <= 0xDFFF)) {
            appendEscape(out, code);
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else {
            out += rvnutf::toUtf8(std::wstring_view(&ch, 1));
        }
    }
    out += '"';
}

// Appends "name": value, after a comma unless it is the first field of its object.
void appendField(std::string& out, const char* name, bool first) {
    if (!first) out += ", ";
    out += '"';
    out += name;
    out += "\": ";
}

void appendNumberField(std::string& out, const char* name, double value) {
    appendField(out, name, false);
    appendNumber(out, value);
}

void appendNode(std::string& out, const TzRvnNode& node) {
    appendField(out, "name", true);
    appendString(out, node.name.view());
    appendNumberField(out, "head", node.head);
    appendNumberField(out, "pressureHead", node.pressureHead);
}

void appendBranch(std::string& out, const TzRvnEdge& edge) {
    appendField(out, "startNode", true);
    appendString(out, edge.startNode.view());
    appendField(out, "endNode", false);
    appendString(out, edge.endNode.view());
    appendNumberField(out, "flow", edge.flow);
    appendNumberField(out, "velocity", edge.velocity);
    appendNumberField(out, "reynolds", edge.reynolds);
    appendNumberField(out, "frictionSlope", edge.frictionSlope);
    appendNumberField(out, "headLoss", edge.headLoss);
}

void appendTank(std::string& out, const TzRvnTank& tank) {
    appendField(out, "nodeName", true);
    appendString(out, tank.nodeName.view());
    appendNumberField(out, "flow", tank.flow);
}

// A piece is handed on once it holds this many bytes, so that the text of a large network never
// lies whole in memory on its way to a file.
constexpr std::size_t kPieceBytes = 1 << 16;

// Appends the records as a JSON array to out, one {...} record a line written by appendFields,
// handing full pieces to sink.
template <typename Record, typename AppendFields>
void appendArray(std::string& out, const std::vector<Record>& records, AppendFields appendFields,
                 const TzRvnPieceSink& sink) {
    out += '[';
    for (std::size_t i = 0; i < records.size(); ++i) {
        out += i > 0 ? ",\n  {" : "\n  {";
        appendFields(out, records[i]);
        out += '}';
        if (out.size() >= kPieceBytes) sink(out);
    }
    out += records.empty() ? "]" : "\n ]";
}

}  // namespace

std::string JsonNumber(double value) {
    std::string out;
    appendNumber(out, value);
    return out;
}

std::string JsonString(std::wstring_view text) {
    std::string out;
    appendString(out, text);
    return out;
}

void WriteResultsJson(const TzRvnNetworkData& network, int check, int calc, const TzRvnPieceSink& sink) {
    std::string out;
    out.reserve(kPieceBytes + 512);
    out += "{\n \"check\": " + std::to_string(check) + ",\n \"calc\": " + std::to_string(calc);
    out += ",\n \"nodes\": ";
    appendArray(out, network.nodes(), appendNode, sink);
    out += ",\n \"branches\": ";
    appendArray(out, network.edges(), appendBranch, sink);
    out += ",\n \"tanks\": ";
    appendArray(out, network.tanks(), appendTank, sink);
    out += "\n}\n";
    sink(out);
}

std::string ResultsJson(const TzRvnNetworkData& network, int check, int calc) {
    std::string text;
    WriteResultsJson(network, check, calc, [&](std::string& piece) {
        text += piece;
        piece.clear();
    });
    return text;
}
