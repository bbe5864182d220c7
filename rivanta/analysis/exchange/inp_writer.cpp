#include "analysis/exchange/inp_writer.h"

#include "analysis/exchange/inp_numbers.h"
#include "analysis/exchange/inp_options.h"
#include "analysis/exchange/inp_settings.h"
#include "analysis/exchange/inp_texts.h"
#include "analysis/exchange/inp_units.h"
#include "analysis/solver/text_format.h"
#include "frame/translation.h"
#include "output_file.h"
#include "text_codec.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// Flows in l/s: the SI unit that every EPANET 2 version reads.
const TzRvnInpUnits& fileUnits() {
    static const TzRvnInpUnits units = *InpUnitsFor(L"LPS");
    return units;
}

bool isInpName(std::wstring_view name) {
    return !name.empty() && name.front() != L'[' && name.find_first_of(L" \t;\"\r\n") == std::wstring_view::npos;
}

std::string number(double value) { return InpNumberText(value); }

// True when an SI value, written in the file's unit, stays a finite number.
bool fits(double si, double factor) { return std::isfinite(si / factor); }

// The text on one line, its line ends turned into blanks.
std::string oneLine(std::wstring text) {
    std::replace_if(
        text.begin(), text.end(), [](wchar_t ch) { return ch == L'\n' || ch == L'\r'; }, L' ');
    return rvnos::toUtf8(text);
}

// A line's comment: the note.
std::string comment(const TzRvnNote& note) { return note.has() ? " ;" + oneLine(note.text()) : ""; }

struct NodeFacts {
    std::unordered_map<std::wstring, int> index;  // name -> 0-based node
    std::vector<int> tankOf;                      // per node: its tank, -1 when none
};

bool checkNodes(const TzRvnNetworkData& network, NodeFacts& facts, std::wstring& reason) {
    for (int i = 0; i < network.numNodes(); ++i) {
        const std::wstring name = network.nodes()[i].name.str();
        if (!isInpName(name)) {
            reason = FormatTranslated(rvntext::kInpBadNodeName, {i + 1, std::wstring_view(name)});
            return false;
        }
        const TzRvnNode& node = network.nodes()[i];
        if (!fits(node.demand, fileUnits().flow) || !fits(node.elevation, fileUnits().length)) {
            reason = FormatTranslated(rvntext::kInpNodeValue, {std::wstring_view(name)});
            return false;
        }
        const auto [place, added] = facts.index.emplace(name, i);
        if (!added) {
            reason = FormatTranslated(rvntext::kInpSameNodeName, {place->second + 1, i + 1, std::wstring_view(name)});
            return false;
        }
    }
    return true;
}

bool checkTanks(const TzRvnNetworkData& network, NodeFacts& facts, std::wstring& reason) {
    facts.tankOf.assign(network.nodes().size(), -1);
    for (int t = 0; t < network.numTanks(); ++t) {
        const std::wstring name = network.tanks()[t].nodeName.str();
        const auto node = facts.index.find(name);
        if (node == facts.index.end()) {
            reason = FormatTranslated(rvntext::kInpTankNodeMissing, {t + 1, std::wstring_view(name)});
            return false;
        }
        if (facts.tankOf[node->second] >= 0) {
            reason = FormatTranslated(rvntext::kInpTwoTanks, {std::wstring_view(name)});
            return false;
        }
        if (!fits(network.tanks()[t].head - network.nodes()[node->second].elevation, fileUnits().length)) {
            reason = FormatTranslated(rvntext::kInpNodeValue, {std::wstring_view(name)});
            return false;
        }
        if (network.nodes()[node->second].demand != 0.0) {
            reason = FormatTranslated(rvntext::kInpTankDemand, {std::wstring_view(name)});
            return false;
        }
        facts.tankOf[node->second] = t;
    }
    return true;
}

bool checkBranches(const TzRvnNetworkData& network, const NodeFacts& facts, std::wstring& reason) {
    for (int b = 0; b < network.numEdges(); ++b) {
        const TzRvnEdge& edge = network.edges()[b];
        for (const TzRvnName* end : {&edge.startNode, &edge.endNode}) {
            if (facts.index.contains(end->str())) continue;
            reason = FormatTranslated(rvntext::kInpBranchNodeMissing, {b + 1, end->view()});
            return false;
        }
        if (edge.startNode == edge.endNode) {
            reason = FormatTranslated(rvntext::kInpBranchSameEnds, {b + 1, edge.startNode.view()});
            return false;
        }
        const TzRvnInpUnits& u = fileUnits();
        const bool usable = edge.length > 0.0 && edge.diameter > 0.0 && edge.roughness >= 0.0 && edge.csi >= 0.0 &&
                            fits(edge.length, u.length) && fits(edge.diameter, u.diameter) &&
                            fits(edge.roughness, u.roughness) && std::isfinite(edge.csi);
        if (!usable) {
            reason = FormatTranslated(rvntext::kInpBranchValue, {b + 1});
            return false;
        }
    }
    return true;
}

bool checkSettings(const TzRvnSettings& s, std::wstring& reason) {
    if (s.maxIterations >= 1 && fits(s.headTolerance, fileUnits().length) && fits(s.flowTolerance, fileUnits().flow)) {
        return true;
    }
    reason = TranslateText(rvntext::kInpSettingsValue);
    return false;
}

std::string junctionLine(const TzRvnNode& node) {
    const TzRvnInpUnits& u = fileUnits();
    return " " + rvnos::toUtf8(node.name.view()) + " " + number(node.elevation / u.length) + " " +
           number(node.demand / u.flow) + comment(node.note) + "\n";
}

std::string tankLine(const TzRvnNode& node, const TzRvnTank& tank) {
    const TzRvnInpUnits& u = fileUnits();
    const std::string level = number((tank.head - node.elevation) / u.length);
    return " " + rvnos::toUtf8(node.name.view()) + " " + number(node.elevation / u.length) + " " + level + " " + level +
           " " + level + " 0 0" + comment(node.note) + "\n";
}

// Nodes in their order, a header wherever the kind of node changes.
std::string nodeSections(const TzRvnNetworkData& network, const NodeFacts& facts) {
    std::string text;
    int previousKind = -1;
    for (std::size_t i = 0; i < network.nodes().size(); ++i) {
        const int tank = facts.tankOf[i];
        const int kind = tank >= 0 ? 1 : 0;
        if (kind != previousKind) {
            text += kind == 1 ? "\n[TANKS]\n;ID Elevation InitLevel MinLevel MaxLevel Diameter MinVolume\n"
                              : "\n[JUNCTIONS]\n;ID Elevation Demand\n";
            previousKind = kind;
        }
        text += kind == 1 ? tankLine(network.nodes()[i], network.tanks()[tank]) : junctionLine(network.nodes()[i]);
    }
    return text;
}

std::string pipeSection(const TzRvnNetworkData& network) {
    const TzRvnInpUnits& u = fileUnits();
    std::string text = "\n[PIPES]\n;ID Node1 Node2 Length Diameter Roughness MinorLoss Status\n";
    for (std::size_t b = 0; b < network.edges().size(); ++b) {
        const TzRvnEdge& e = network.edges()[b];
        text += " " + std::to_string(b + 1) + " " + rvnos::toUtf8(e.startNode.view()) + " " +
                rvnos::toUtf8(e.endNode.view()) + " " + number(e.length / u.length) + " " +
                number(e.diameter / u.diameter) + " " + number(e.roughness / u.roughness) + " " + number(e.csi) +
                (e.excluded != 0 ? " Closed" : " Open") + comment(e.note) + "\n";
    }
    return text;
}

// The options, with the tolerances as HEADERROR and FLOWCHANGE (which an import reads back) and
// an ACCURACY that is the head tolerance's share of one metre, within EPANET's range.
std::string optionSection(const TzRvnSettings& s) {
    const TzRvnInpUnits& u = fileUnits();
    const double accuracy = std::clamp(s.headTolerance, kInpLowestAccuracy, kInpHighestAccuracy);
    return "\n[OPTIONS]\n UNITS " + rvnos::toUtf8(u.flowName) + "\n HEADLOSS D-W\n VISCOSITY " +
           number(InpViscosityValue(s.viscosity, u)) + "\n TRIALS " + std::to_string(s.maxIterations) + "\n ACCURACY " +
           number(accuracy) + "\n HEADERROR " + number(s.headTolerance / u.length) + "\n FLOWCHANGE " +
           number(s.flowTolerance / u.flow) + "\n" + InpSettingsLines(s);
}

}  // namespace

bool InpFileText(const TzRvnNetworkData& network, std::wstring_view title, std::string& text, std::wstring& reason) {
    NodeFacts facts;
    if (!checkNodes(network, facts, reason) || !checkTanks(network, facts, reason) ||
        !checkBranches(network, facts, reason) || !checkSettings(network.settings(), reason)) {
        return false;
    }
    text = "[TITLE]\n" + oneLine(std::wstring(title)) + "\n" + nodeSections(network, facts) + pipeSection(network) +
           optionSection(network.settings()) + "\n[END]\n";
    return true;
}

std::wstring ExportInpFile(const TzRvnNetworkData& network, std::wstring_view title, const std::wstring& path,
                           std::span<const std::wstring> inputs) {
    std::string text;
    std::wstring reason;
    if (!InpFileText(network, title, text, reason)) {
        return FormatTranslated(rvntext::kInpNotExported, {std::wstring_view(path), std::wstring_view(reason)});
    }
    if (!rvnos::replaceFile(path, text, reason, inputs)) {
        return FormatTranslated(rvntext::kInpNotWritten, {std::wstring_view(path), std::wstring_view(reason)});
    }
    return {};
}
