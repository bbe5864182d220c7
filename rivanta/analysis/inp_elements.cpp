#include "analysis/inp_elements.h"

#include "analysis/inp_numbers.h"
#include "analysis/inp_texts.h"

#include <array>
#include <cmath>
#include <cwctype>

namespace {

enum class Sign { any, nonNegative, positive };

bool sameWord(std::wstring_view token, std::wstring_view upperWord) {
    if (token.size() != upperWord.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (std::towupper(static_cast<wint_t>(token[i])) != static_cast<wint_t>(upperWord[i])) return false;
    }
    return true;
}

}  // namespace

// One line of a section being read, with the refusals that name it.
struct TzRvnInpElements::LineContext {
    const TzRvnInpSection& section;
    const TzRvnInpLine& line;

    const std::vector<std::wstring_view>& tokens() const { return line.tokens; }

    TzRvnInpRefusal refuse(std::wstring_view reason, std::wstring_view argument = {}) const {
        return InpRefusal(section, line.number, reason, argument);
    }

    // Refused unless the line has between least and most tokens.
    std::optional<TzRvnInpRefusal> count(std::size_t least, std::size_t most) const {
        if (tokens().size() < least) return refuse(rvntext::kInpMissingValues);
        if (tokens().size() > most) return refuse(rvntext::kInpTooManyValues);
        return std::nullopt;
    }

    // The number at index with the sign it must have, into value.
    std::optional<TzRvnInpRefusal> number(std::size_t index, Sign sign, double& value) const {
        const std::wstring_view token = tokens()[index];
        const std::optional<double> read = ParseInpNumber(token);
        if (!read) return refuse(rvntext::kInpNotANumber, token);
        if (sign == Sign::positive && !(*read > 0.0)) return refuse(rvntext::kInpNotPositive, token);
        if (sign == Sign::nonNegative && *read < 0.0) return refuse(rvntext::kInpNegative, token);
        value = *read;
        return std::nullopt;
    }

    TzRvnNote note() const { return TzRvnNote(line.comment); }
};

std::optional<TzRvnInpRefusal> TzRvnInpElements::readNodes(const TzRvnInpSection& section) {
    nodes_.reserve(nodes_.size() + section.lines.size());
    nodeIndex_.reserve(nodeIndex_.size() + section.lines.size());
    for (const TzRvnInpLine& line : section.lines) {
        if (line.tokens.empty()) continue;
        const LineContext at{section, line};
        auto refusal =
            section.name == L"[JUNCTIONS]" ? readJunction(at) : readFixedHead(at, section.name == L"[TANKS]");
        if (refusal) return refusal;
    }
    return std::nullopt;
}

// ID Elevation [Demand [Pattern]]
std::optional<TzRvnInpRefusal> TzRvnInpElements::readJunction(const LineContext& at) {
    if (auto refusal = at.count(2, 4)) return refusal;
    if (at.tokens().size() == 4) return at.refuse(rvntext::kInpPatternUsed, at.tokens()[3]);
    TzRvnNode node;
    if (auto refusal = at.number(1, Sign::any, node.elevation)) return refusal;
    double demand = 0.0;
    if (at.tokens().size() == 3) {
        if (auto refusal = at.number(2, Sign::any, demand)) return refusal;
    }
    node.demand = demand * options_.units.flow;
    node.elevation *= options_.units.length;
    return addNode(at, std::move(node), false);
}

// [RESERVOIRS] ID Head [Pattern]; [TANKS] ID Elevation InitLevel MinLevel MaxLevel Diameter
// [MinVolume [VolumeCurve [Overflow]]] (two or three values make a reservoir there too).
std::optional<TzRvnInpRefusal> TzRvnInpElements::readFixedHead(const LineContext& at, bool tankSection) {
    const bool reservoir = !tankSection || at.tokens().size() <= 3;
    if (auto refusal = reservoir ? at.count(2, 3) : at.count(6, 9)) return refusal;
    if (reservoir && at.tokens().size() == 3) return at.refuse(rvntext::kInpPatternUsed, at.tokens()[2]);
    TzRvnNode node;
    if (auto refusal = at.number(1, Sign::any, node.elevation)) return refusal;
    double level = 0.0;
    if (!reservoir) {
        double unused = 0.0;
        if (auto refusal = at.number(2, Sign::any, level)) return refusal;
        if (auto refusal = at.number(3, Sign::any, unused)) return refusal;
        if (auto refusal = at.number(4, Sign::any, unused)) return refusal;
        if (auto refusal = at.number(5, Sign::nonNegative, unused)) return refusal;
        if (at.tokens().size() >= 7) {
            if (auto refusal = at.number(6, Sign::nonNegative, unused)) return refusal;
        }
        if (at.tokens().size() >= 8 && at.tokens()[7] != L"*") {
            return at.refuse(rvntext::kInpVolumeCurve, at.tokens()[7]);
        }
    }
    node.elevation *= options_.units.length;
    TzRvnTank tank;
    tank.head = node.elevation + level * options_.units.length;
    if (auto refusal = addNode(at, std::move(node), true)) return refusal;
    tank.nodeName = nodes_.back().name;
    tanks_.push_back(std::move(tank));
    return std::nullopt;
}

std::optional<TzRvnInpRefusal> TzRvnInpElements::addNode(const LineContext& at, TzRvnNode node, bool fixedHead) {
    const std::wstring_view id = at.tokens()[0];
    const std::optional<TzRvnName> name = TzRvnName::from(id);
    if (!name) return at.refuse(rvntext::kInpLongName, id);
    if (!nodeIndex_.emplace(id, nodes_.size()).second) return at.refuse(rvntext::kInpDuplicateNode, id);
    node.name = *name;
    node.note = at.note();
    nodes_.push_back(std::move(node));
    fixedHead_.push_back(fixedHead);
    demandReplaced_.push_back(false);
    return std::nullopt;
}

std::optional<TzRvnInpRefusal> TzRvnInpElements::readPipes(const TzRvnInpSection& section) {
    edges_.reserve(edges_.size() + section.lines.size());
    pipeIndex_.reserve(pipeIndex_.size() + section.lines.size());
    for (const TzRvnInpLine& line : section.lines) {
        if (line.tokens.empty()) continue;
        if (auto refusal = readPipe(LineContext{section, line})) return refusal;
    }
    return std::nullopt;
}

// ID Node1 Node2 Length Diameter Roughness [MinorLoss] [Status]
std::optional<TzRvnInpRefusal> TzRvnInpElements::readPipe(const LineContext& at) {
    if (auto refusal = at.count(6, 8)) return refusal;
    const std::vector<std::wstring_view>& t = at.tokens();
    if (!pipeIndex_.emplace(t[0], edges_.size()).second) return at.refuse(rvntext::kInpDuplicatePipe, t[0]);
    std::array<std::size_t, 2> ends{};
    for (std::size_t end = 1; end <= 2; ++end) {
        const auto node = nodeIndex_.find(t[end]);
        if (node == nodeIndex_.end()) return at.refuse(rvntext::kInpUnknownNode, t[end]);
        ends[end - 1] = node->second;
    }
    if (t[1] == t[2]) return at.refuse(rvntext::kInpSameEnds, t[0]);
    TzRvnEdge edge;
    if (auto refusal = at.number(3, Sign::positive, edge.length)) return refusal;
    if (auto refusal = at.number(4, Sign::positive, edge.diameter)) return refusal;
    if (auto refusal = at.number(5, Sign::nonNegative, edge.roughness)) return refusal;
    const bool statusLast = t.size() == 8 || (t.size() == 7 && !ParseInpNumber(t[6]));
    if (t.size() == 8 || (t.size() == 7 && !statusLast)) {
        if (auto refusal = at.number(6, Sign::nonNegative, edge.csi)) return refusal;
    }
    if (statusLast) {
        const std::wstring_view status = t.back();
        if (sameWord(status, L"CV")) return at.refuse(rvntext::kInpCheckValve);
        if (!sameWord(status, L"OPEN") && !sameWord(status, L"CLOSED"))
            return at.refuse(rvntext::kInpBadStatus, status);
        edge.excluded = sameWord(status, L"CLOSED") ? 1 : 0;
    }
    edge.startNode = nodes_[ends[0]].name;
    edge.endNode = nodes_[ends[1]].name;
    edge.length *= options_.units.length;
    edge.diameter *= options_.units.diameter;
    edge.roughness *= options_.units.roughness;
    edge.note = at.note();
    edges_.push_back(std::move(edge));
    return std::nullopt;
}

// ID OPEN|CLOSED
std::optional<TzRvnInpRefusal> TzRvnInpElements::readStatus(const TzRvnInpSection& section) {
    for (const TzRvnInpLine& line : section.lines) {
        if (line.tokens.empty()) continue;
        const LineContext at{section, line};
        if (auto refusal = at.count(2, 2)) return refusal;
        const auto pipe = pipeIndex_.find(line.tokens[0]);
        if (pipe == pipeIndex_.end()) return at.refuse(rvntext::kInpUnknownPipe, line.tokens[0]);
        const std::wstring_view status = line.tokens[1];
        if (!sameWord(status, L"OPEN") && !sameWord(status, L"CLOSED"))
            return at.refuse(rvntext::kInpBadStatus, status);
        edges_[pipe->second].excluded = sameWord(status, L"CLOSED") ? 1 : 0;
    }
    return std::nullopt;
}

// ID Demand [Pattern]
std::optional<TzRvnInpRefusal> TzRvnInpElements::readDemands(const TzRvnInpSection& section) {
    for (const TzRvnInpLine& line : section.lines) {
        if (line.tokens.empty()) continue;
        const LineContext at{section, line};
        if (auto refusal = at.count(2, 3)) return refusal;
        const auto node = nodeIndex_.find(line.tokens[0]);
        if (node == nodeIndex_.end()) return at.refuse(rvntext::kInpUnknownNode, line.tokens[0]);
        if (fixedHead_[node->second]) return at.refuse(rvntext::kInpDemandOnTank, line.tokens[0]);
        if (line.tokens.size() == 3) return at.refuse(rvntext::kInpPatternUsed, line.tokens[2]);
        double demand = 0.0;
        if (auto refusal = at.number(1, Sign::any, demand)) return refusal;
        TzRvnNode& target = nodes_[node->second];
        if (!demandReplaced_[node->second]) target.demand = 0.0;
        demandReplaced_[node->second] = true;
        target.demand += demand * options_.units.flow;
    }
    return std::nullopt;
}

void TzRvnInpElements::moveInto(TzRvnNetworkData& network) {
    if (options_.demandMultiplier != 1.0) {
        for (TzRvnNode& node : nodes_) node.demand *= options_.demandMultiplier;
    }
    network.setNumNodes(0);
    network.setNumEdges(0);
    network.setNumTanks(0);
    network.nodes() = std::move(nodes_);
    network.edges() = std::move(edges_);
    network.tanks() = std::move(tanks_);
}

double TzRvnInpElements::totalDemand() const {
    double total = 0.0;
    for (const TzRvnNode& node : nodes_) total += std::fabs(node.demand);
    return total * options_.demandMultiplier;
}
