#include "analysis/exchange/inp_writer.h"

#include "analysis/exchange/inp_numbers.h"
#include "analysis/exchange/inp_options.h"
#include "analysis/exchange/inp_settings.h"
#include "analysis/exchange/inp_units.h"
#include "network/unicode_text.h"

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
    return rvnutf::toUtf8(text);
}

// A line's comment: the note.
std::string comment(const TzRvnNote& note) { return note.has() ? " ;" + oneLine(note.text()) : ""; }

struct NodeFacts {
    std::unordered_map<std::wstring, int> index;  // name -> 0-based node
    std::vector<int> tankOf;                      // per node: its tank, -1 when none
};

using Refusal = std::optional<TzRvnInpExportRefusal>;

Refusal refuse(TzRvnInpExportProblem problem, int element, std::wstring name = {}, int other = 0) {
    return TzRvnInpExportRefusal{problem, element, other, std::move(name)};
}

Refusal checkNodes(const TzRvnNetworkData& network, NodeFacts& facts) {
    for (int i = 0; i < network.numNodes(); ++i) {
        const std::wstring name = network.nodes()[i].name.str();
        if (!isInpName(name)) return refuse(TzRvnInpExportProblem::badNodeName, i + 1, name);
        const TzRvnNode& node = network.nodes()[i];
        if (!fits(node.demand, fileUnits().flow) || !fits(node.elevation, fileUnits().length)) {
            return refuse(TzRvnInpExportProblem::nodeValue, i + 1, name);
        }
        const auto [place, added] = facts.index.emplace(name, i);
        if (!added) return refuse(TzRvnInpExportProblem::sameNodeName, place->second + 1, name, i + 1);
    }
    return std::nullopt;
}

Refusal checkTanks(const TzRvnNetworkData& network, NodeFacts& facts) {
    facts.tankOf.assign(network.nodes().size(), -1);
    for (int t = 0; t < network.numTanks(); ++t) {
        const std::wstring name = network.tanks()[t].nodeName.str();
        const auto node = facts.index.find(name);
        if (node == facts.index.end()) return refuse(TzRvnInpExportProblem::tankNodeMissing, t + 1, name);
        if (facts.tankOf[node->second] >= 0) return refuse(TzRvnInpExportProblem::twoTanks, t + 1, name);
        if (!fits(network.tanks()[t].head - network.nodes()[node->second].elevation, fileUnits().length)) {
            return refuse(TzRvnInpExportProblem::nodeValue, node->second + 1, name);
        }
        if (network.nodes()[node->second].demand != 0.0) return refuse(TzRvnInpExportProblem::tankDemand, t + 1, name);
        facts.tankOf[node->second] = t;
    }
    return std::nullopt;
}

Refusal checkBranches(const TzRvnNetworkData& network, const NodeFacts& facts) {
    for (int b = 0; b < network.numEdges(); ++b) {
        const TzRvnEdge& edge = network.edges()[b];
        for (const TzRvnName* end : {&edge.startNode, &edge.endNode}) {
            if (!facts.index.contains(end->str())) {
                return refuse(TzRvnInpExportProblem::branchNodeMissing, b + 1, end->str());
            }
        }
        if (edge.startNode == edge.endNode) {
            return refuse(TzRvnInpExportProblem::branchSameEnds, b + 1, edge.startNode.str());
        }
        const TzRvnInpUnits& u = fileUnits();
        const bool usable = edge.length > 0.0 && edge.diameter > 0.0 && edge.roughness >= 0.0 && edge.csi >= 0.0 &&
                            fits(edge.length, u.length) && fits(edge.diameter, u.diameter) &&
                            fits(edge.roughness, u.roughness) && std::isfinite(edge.csi);
        if (!usable) return refuse(TzRvnInpExportProblem::branchValue, b + 1);
    }
    return std::nullopt;
}

Refusal checkSettings(const TzRvnSettings& s) {
    if (s.maxIterations >= 1 && fits(s.headTolerance, fileUnits().length) && fits(s.flowTolerance, fileUnits().flow)) {
        return std::nullopt;
    }
    return refuse(TzRvnInpExportProblem::settingsValue, 0);
}

std::string junctionLine(const TzRvnNode& node) {
    const TzRvnInpUnits& u = fileUnits();
    return " " + rvnutf::toUtf8(node.name.view()) + " " + number(node.elevation / u.length) + " " +
           number(node.demand / u.flow) + comment(node.note) + "\n";
}

std::string tankLine(const TzRvnNode& node, const TzRvnTank& tank) {
    const TzRvnInpUnits& u = fileUnits();
    const std::string level = number((tank.head - node.elevation) / u.length);
    return " " + rvnutf::toUtf8(node.name.view()) + " " + number(node.elevation / u.length) + " " + level + " " + level +
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
        text += " " + std::to_string(b + 1) + " " + rvnutf::toUtf8(e.startNode.view()) + " " +
                rvnutf::toUtf8(e.endNode.view()) + " " + number(e.length / u.length) + " " +
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
    return "\n[OPTIONS]\n UNITS " + rvnutf::toUtf8(u.flowName) + "\n HEADLOSS D-W\n VISCOSITY " +
           number(InpViscosityValue(s.viscosity, u)) + "\n TRIALS " + std::to_string(s.maxIterations) + "\n ACCURACY " +
           number(accuracy) + "\n HEADERROR " + number(s.headTolerance / u.length) + "\n FLOWCHANGE " +
           number(s.flowTolerance / u.flow) + "\n" + InpSettingsLines(s);
}

}  // namespace

std::optional<TzRvnInpExportRefusal> InpFileText(const TzRvnNetworkData& network, std::wstring_view title,
                                                 std::string& text) {
    NodeFacts facts;
    Refusal refusal = checkNodes(network, facts);
    if (!refusal) refusal = checkTanks(network, facts);
    if (!refusal) refusal = checkBranches(network, facts);
    if (!refusal) refusal = checkSettings(network.settings());
    if (refusal) return refusal;
    text = "[TITLE]\n" + oneLine(std::wstring(title)) + "\n" + nodeSections(network, facts) + pipeSection(network) +
           optionSection(network.settings()) + "\n[END]\n";
    return std::nullopt;
}
