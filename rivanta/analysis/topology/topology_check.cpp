#include "analysis/topology/topology_check.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/text_format.h"
#include "network/number_text.h"

#include <algorithm>
#include <bit>
#include <compare>
#include <cstdint>
#include <span>
#include <string_view>
#include <functional>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

// Writes a section: its title, then its lines or "Nessuno". Returns whether it had findings.
bool writeSection(TzRvnReportStream& report, std::wstring_view title, const Lines& lines,
                  const TzRvnTranslate& translate) {
    report.write(translate(title));
    if (lines.empty()) report.write(translate(rvntext::kNone));
    for (const std::wstring& line : lines) report.write(line);
    return !lines.empty();
}

bool validIndex(int index, int nodeCount) { return index >= 1 && index <= nodeCount; }

int number(std::size_t position) { return static_cast<int>(position) + 1; }

Lines isolatedNodes(const TzRvnNetworkData& network, const TzRvnTranslate& translate) {
    std::vector<bool> connected(network.nodes().size(), false);
    for (const TzRvnEdge& edge : network.edges()) {
        if (edge.excluded) continue;
        if (validIndex(edge.startIndex, network.numNodes())) connected[edge.startIndex - 1] = true;
        if (validIndex(edge.endIndex, network.numNodes())) connected[edge.endIndex - 1] = true;
    }
    Lines lines;
    for (std::size_t i = 0; i < connected.size(); ++i) {
        if (!connected[i]) {
            lines.push_back(FormatTranslated(translate, rvntext::kIsolatedNode, {network.nodes()[i].name.view()}));
        }
    }
    return lines;
}

Lines sameStartAndEnd(const TzRvnNetworkData& network, const TzRvnTranslate& translate) {
    Lines lines;
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        if (edge.startIndex == 0 && edge.endIndex == 0) {
            lines.push_back(FormatTranslated(translate, rvntext::kBothUnnamed, {number(k)}) +
                            translate(rvntext::kBothUnnamedTail));
        }
        if (edge.startIndex == edge.endIndex) {
            lines.push_back(FormatTranslated(translate, rvntext::kSameEnds, {number(k), edge.startNode.view()}));
        }
    }
    return lines;
}

// A branch's pair of node indices in either direction, as a sort key followed by its position.
struct PairKey {
    int low = 0;
    int high = 0;
    std::size_t branch = 0;

    auto operator<=>(const PairKey&) const = default;
};

// Every (a, b) with a < b of branches taking part that join the same pair of nodes, in the order
// of a then b: the branches sorted by their pair, each run of equal pairs giving its pairs.
std::vector<std::pair<std::size_t, std::size_t>> samePairBranches(const std::vector<TzRvnEdge>& edges) {
    std::vector<PairKey> keys;
    for (std::size_t k = 0; k < edges.size(); ++k) {
        if (edges[k].excluded) continue;
        keys.push_back({std::min(edges[k].startIndex, edges[k].endIndex),
                        std::max(edges[k].startIndex, edges[k].endIndex), k});
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (std::size_t first = 0; first < keys.size();) {
        std::size_t end = first + 1;
        while (end < keys.size() && keys[end].low == keys[first].low && keys[end].high == keys[first].high) ++end;
        for (std::size_t a = first; a < end; ++a) {
            for (std::size_t b = a + 1; b < end; ++b) pairs.emplace_back(keys[a].branch, keys[b].branch);
        }
        first = end;
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

Lines repeatedPairs(const TzRvnNetworkData& network, const TzRvnTranslate& translate) {
    const std::vector<TzRvnEdge>& edges = network.edges();
    Lines lines;
    for (const auto& [a, b] : samePairBranches(edges)) {
        lines.push_back(FormatTranslated(translate, rvntext::kRepeatedPair,
                                         {number(a), number(b), edges[a].startNode.view(), edges[a].endNode.view()}));
    }
    return lines;
}

// The line for a node end of a branch whose index is wrong, if it is.
void checkEnd(Lines& lines, int k, int index, const TzRvnName& name, int nodeCount, std::wstring_view wrongText,
              std::wstring_view unnamedText, const TzRvnTranslate& translate) {
    if (validIndex(index, nodeCount)) return;
    if (name.empty()) {
        lines.push_back(FormatTranslated(translate, unnamedText, {k}));
    } else {
        lines.push_back(FormatTranslated(translate, wrongText, {k, name.view()}));
    }
}

Lines wrongBranchIndices(const TzRvnNetworkData& network, const TzRvnTranslate& translate) {
    Lines lines;
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        checkEnd(lines, number(k), edge.endIndex, edge.endNode, network.numNodes(), rvntext::kWrongEndIndex,
                 rvntext::kNoEndIndex, translate);
        checkEnd(lines, number(k), edge.startIndex, edge.startNode, network.numNodes(), rvntext::kWrongStartIndex,
                 rvntext::kNoStartIndex, translate);
    }
    return lines;
}

Lines wrongTankIndices(const TzRvnNetworkData& network, const TzRvnTranslate& translate) {
    Lines lines;
    for (std::size_t t = 0; t < network.tanks().size(); ++t) {
        const TzRvnTank& tank = network.tanks()[t];
        checkEnd(lines, number(t), tank.nodeIndex, tank.nodeName, network.numNodes(), rvntext::kWrongTankIndex,
                 rvntext::kNoTankIndex, translate);
    }
    return lines;
}

// "  partono  i rami: 1, 4\n" and the like, label and separator already translated; nothing for
// an empty list.
std::wstring branchList(const std::wstring& label, const std::wstring& separator, std::span<const int> branches) {
    if (branches.empty()) return {};
    std::wstring line = label;
    for (std::size_t i = 0; i < branches.size(); ++i) {
        if (i > 0) line += separator;
        AppendIntegerText(line, branches[i]);
    }
    line += L"\n";
    return line;
}

// The numbers of the branches taking part that leave (or arrive at) each node, in branch order:
// those of node i are numbers[first[i]] up to numbers[first[i + 1]].
struct BranchesByNode {
    std::vector<std::size_t> first;
    std::vector<int> numbers;

    std::span<const int> of(std::size_t node) const {
        return std::span<const int>(numbers).subspan(first[node], first[node + 1] - first[node]);
    }
};

BranchesByNode branchesByNode(const TzRvnNetworkData& network, bool leaving) {
    BranchesByNode grouped;
    grouped.first.assign(network.nodes().size() + 1, 0);
    const auto nodeOf = [&](const TzRvnEdge& edge) { return std::size_t((leaving ? edge.startIndex : edge.endIndex) - 1); };
    for (const TzRvnEdge& edge : network.edges()) {
        if (!edge.excluded) ++grouped.first[nodeOf(edge) + 1];
    }
    for (std::size_t i = 1; i < grouped.first.size(); ++i) grouped.first[i] += grouped.first[i - 1];
    grouped.numbers.resize(grouped.first.back());
    std::vector<std::size_t> next(grouped.first.begin(), grouped.first.end() - 1);
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (!edge.excluded) grouped.numbers[next[nodeOf(edge)]++] = number(k);
    }
    return grouped;
}

void writeNodeBranches(const TzRvnNetworkData& network, TzRvnReportStream& report, const TzRvnTranslate& translate) {
    const BranchesByNode leaving = branchesByNode(network, true);
    const BranchesByNode arriving = branchesByNode(network, false);
    report.write(translate(rvntext::kNodeBranchesTitle));
    const std::wstring leavingLabel = translate(rvntext::kLeavingBranches);
    const std::wstring arrivingLabel = translate(rvntext::kArrivingBranches);
    const std::wstring separator = translate(rvntext::kListSeparator);
    for (std::size_t i = 0; i < network.nodes().size(); ++i) {
        report.write(FormatText(rvntext::kNodeLine, {network.nodes()[i].name.view()}));
        report.write(branchList(leavingLabel, separator, leaving.of(i)));
        report.write(branchList(arrivingLabel, separator, arriving.of(i)));
    }
}

// Node numbers by name in one open-addressed table, at least twice as many slots as nodes: a
// lookup reads a slot or two and the one node record it names. The first node of a name wins.
class NodeNumbers {
public:
    explicit NodeNumbers(const std::vector<TzRvnNode>& nodes)
        : nodes_(nodes), slots_(std::bit_ceil(std::max<std::size_t>(2 * nodes.size(), 16)), 0) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            std::int32_t& slot = slots_[slotOf(nodes[i].name.view())];
            if (slot == 0) slot = number(i);
        }
    }

    // The number of the first node called name, 0 when none is.
    std::int32_t of(const TzRvnName& name) const { return slots_[slotOf(name.view())]; }

private:
    std::size_t slotOf(std::wstring_view name) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = std::hash<std::wstring_view>{}(name) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == 0 || nodes_[slots_[i] - 1].name.view() == name) return i;
        }
    }

    const std::vector<TzRvnNode>& nodes_;
    std::vector<std::int32_t> slots_;
};

}  // namespace

void ResolveNodeIndices(TzRvnNetworkData& network) {
    const NodeNumbers numbers(network.nodes());
    for (TzRvnEdge& edge : network.edges()) {
        edge.startIndex = numbers.of(edge.startNode);
        edge.endIndex = numbers.of(edge.endNode);
    }
    for (TzRvnTank& tank : network.tanks()) tank.nodeIndex = numbers.of(tank.nodeName);
}

int CheckTopology(TzRvnNetworkData& network, const std::optional<std::wstring>& networkName,
                  TzRvnReportStream& report, const TzRvnTranslate& translate) {
    report.write(translate(rvntext::kCheckTitle));
    if (!networkName) {
        report.write(translate(rvntext::kNoNetworkDictionary));
        return 0;
    }
    report.write(*networkName);
    report.write(rvntext::kCheckRule);
    ResolveNodeIndices(network);
    bool failed = writeSection(report, rvntext::kIsolatedTitle, isolatedNodes(network, translate), translate);
    failed |= writeSection(report, rvntext::kSameEndsTitle, sameStartAndEnd(network, translate), translate);
    writeSection(report, rvntext::kRepeatedPairsTitle, repeatedPairs(network, translate), translate);
    failed |=
        writeSection(report, rvntext::kWrongBranchIndicesTitle, wrongBranchIndices(network, translate), translate);
    failed |= writeSection(report, rvntext::kWrongTankIndicesTitle, wrongTankIndices(network, translate), translate);
    if (!failed) writeNodeBranches(network, report, translate);
    report.write(rvntext::kCheckClosing);
    return failed ? 0 : 1;
}
