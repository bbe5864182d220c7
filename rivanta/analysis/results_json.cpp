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

// Appends {"name": value, ...} to out.
void appendObject(std::string& out, const std::vector<Field>& fields) {
    out += '{';
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ", ";
        out += '"';
        out += fields[i].first;
        out += "\": ";
        out += fields[i].second;
    }
    out += '}';
}

// Hands a piece of the text on; the piece is emptied for the text that follows.
using PieceSink = std::function<void(std::string& piece)>;

// A piece is handed on once it holds this many bytes, so that the text of a large network never
// lies whole in memory on its way to a file.
constexpr std::size_t kPieceBytes = 1 << 16;

// Appends the records as a JSON array to out, one record a line, handing full pieces to sink.
template <typename Record>
void appendArray(std::string& out, const std::vector<Record>& records,
                 const std::function<std::vector<Field>(const Record&)>& fields, const PieceSink& sink) {
    out += '[';
    for (std::size_t i = 0; i < records.size(); ++i) {
        out += i > 0 ? ",\n  " : "\n  ";
        appendObject(out, fields(records[i]));
        if (out.size() >= kPieceBytes) sink(out);
    }
    out += records.empty() ? "]" : "\n ]";
}

std::vector<Field> nodeJson(const TzRvnNode& node) {
    return {{"name", JsonString(node.name.view())},
            {"head", JsonNumber(node.head)},
            {"pressureHead", JsonNumber(node.pressureHead)}};
}

std::vector<Field> branchJson(const TzRvnEdge& edge) {
    return {{"startNode", JsonString(edge.startNode.view())},
            {"endNode", JsonString(edge.endNode.view())},
            {"flow", JsonNumber(edge.flow)},
            {"velocity", JsonNumber(edge.velocity)},
            {"reynolds", JsonNumber(edge.reynolds)},
            {"frictionSlope", JsonNumber(edge.frictionSlope)},
            {"headLoss", JsonNumber(edge.headLoss)}};
}

std::vector<Field> tankJson(const TzRvnTank& tank) {
    return {{"nodeName", JsonString(tank.nodeName.view())}, {"flow", JsonNumber(tank.flow)}};
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

namespace {

// The whole text, in pieces handed to sink in order.
void writeResultsJson(const TzRvnNetworkData& network, int check, int calc, const PieceSink& sink) {
    std::string out;
    out.reserve(kPieceBytes + 512);
    out += "{\n \"check\": " + std::to_string(check) + ",\n \"calc\": " + std::to_string(calc);
    out += ",\n \"nodes\": ";
    appendArray<TzRvnNode>(out, network.nodes(), nodeJson, sink);
    out += ",\n \"branches\": ";
    appendArray<TzRvnEdge>(out, network.edges(), branchJson, sink);
    out += ",\n \"tanks\": ";
    appendArray<TzRvnTank>(out, network.tanks(), tankJson, sink);
    out += "\n}\n";
    sink(out);
}

}  // namespace

std::string ResultsJson(const TzRvnNetworkData& network, int check, int calc) {
    std::string text;
    writeResultsJson(network, check, calc, [&](std::string& piece) {
        text += piece;
        piece.clear();
    });
    return text;
}

int WriteResultsJsonFile(const std::wstring& path, const TzRvnNetworkData& network, int check, int calc) {
    TzRvnFile file = OpenFile(path, "w");
    if (!file) return 0;
    bool written = true;
    writeResultsJson(network, check, calc, [&](std::string& piece) {
        written = WriteAllBytes(file.get(), piece) && written;
        piece.clear();
    });
    return CloseFile(file) && written ? 1 : 0;
}
