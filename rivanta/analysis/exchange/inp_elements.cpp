#include "analysis/exchange/inp_elements.h"

#include "analysis/exchange/inp_numbers.h"
#include "analysis/exchange/inp_texts.h"
#include "network/unicode_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum class Sign { any, nonNegative, positive };

char asciiUpper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

bool sameWord(std::string_view token, std::string_view upperWord) {
    if (token.size() != upperWord.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (asciiUpper(token[i]) != upperWord[i]) return false;
    }
    return true;
}

// Puts the token into name, widened byte by byte when it is ASCII; false when it does not fit.
bool assignName(TzRvnName& name, std::string_view token) {
    if (!IsAsciiText(token)) return name.assign(rvnutf::fromUtf8(token));
    if (token.size() > TzRvnName::kMaxUnits) return false;
    std::array<wchar_t, TzRvnName::kMaxUnits> wide{};
    std::copy(token.begin(), token.end(), wide.begin());
    return name.assign(std::wstring_view(wide.data(), token.size()));
}

}  // namespace

// One line of a section being read, with the refusals that name it.
struct TzRvnInpElements::LineContext {
    const TzRvnInpSection& section;
    const TzRvnInpLine& line;
    std::span<const std::string_view> cut;

    std::span<const std::string_view> tokens() const { return cut; }

    TzRvnInpRefusal refuse(std::wstring_view reason, std::string_view argument = {}) const {
        return InpRefusal(section, line.number, reason, rvnutf::fromUtf8(argument));
    }

    // Refused unless the line has between least and most tokens.
    std::optional<TzRvnInpRefusal> count(std::size_t least, std::size_t most) const {
        if (tokens().size() < least) return refuse(rvntext::kInpMissingValues);
        if (tokens().size() > most) return refuse(rvntext::kInpTooManyValues);
        return std::nullopt;
    }

    // The number at index with the sign it must have, into value.
    std::optional<TzRvnInpRefusal> number(std::size_t index, Sign sign, double& value) const {
        const std::string_view token = tokens()[index];
        const std::optional<double> read = ParseInpNumber(token);
        if (!read) return refuse(rvntext::kInpNotANumber, token);
        if (sign == Sign::positive && !(*read > 0.0)) return refuse(rvntext::kInpNotPositive, token);
        if (sign == Sign::nonNegative && *read < 0.0) return refuse(rvntext::kInpNegative, token);
        value = *read;
        return std::nullopt;
    }

    TzRvnNote note() const { return line.comment.empty() ? TzRvnNote() : TzRvnNote(rvnutf::fromUtf8(line.comment)); }
};

void TzRvnInpElements::reserve(std::size_t nodes, std::size_t pipes) {
    nodes_.reserve(nodes);
    fixedHead_.reserve(nodes);
    demandReplaced_.reserve(nodes);
    nodeIndex_.reserve(nodes);
    edges_.reserve(pipes);
    pipeIndex_.reserve(pipes);
}

template <typename ReadLine>
std::optional<TzRvnInpRefusal> TzRvnInpElements::readLines(const TzRvnInpSection& section, ReadLine readLine) {
    for (const TzRvnInpLine& line : section.lines) {
        if (line.data.empty()) continue;
        CutInpTokens(line, tokens_);
        if (auto refusal = readLine(LineContext{section, line, tokens_})) return refusal;
    }
    return std::nullopt;
}

std::optional<TzRvnInpRefusal> TzRvnInpElements::readNodes(const TzRvnInpSection& section) {
    const bool junctions = section.name == L"[JUNCTIONS]";
    const bool tanks = section.name == L"[TANKS]";
    return readLines(section,
                     [&](const LineContext& at) { return junctions ? readJunction(at) : readFixedHead(at, tanks); });
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
        if (at.tokens().size() >= 8 && at.tokens()[7] != "*") {
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
    const std::string_view id = at.tokens()[0];
    if (!assignName(node.name, id)) return at.refuse(rvntext::kInpLongName, id);
    if (!nodeIndex_.insert(id)) return at.refuse(rvntext::kInpDuplicateNode, id);
    node.note = at.note();
    nodes_.push_back(std::move(node));
    fixedHead_.push_back(fixedHead);
    demandReplaced_.push_back(false);
    return std::nullopt;
}

std::optional<TzRvnInpRefusal> TzRvnInpElements::readPipes(const TzRvnInpSection& section) {
    return readLines(section, [this](const LineContext& at) { return readPipe(at); });
}

// ID Node1 Node2 Length Diameter Roughness [MinorLoss] [Status]
std::optional<TzRvnInpRefusal> TzRvnInpElements::readPipe(const LineContext& at) {
    if (auto refusal = at.count(6, 8)) return refusal;
    const std::span<const std::string_view> t = at.tokens();
    if (!pipeIndex_.insert(t[0])) return at.refuse(rvntext::kInpDuplicatePipe, t[0]);
    std::array<std::uint32_t, 2> ends{};
    for (std::size_t end = 1; end <= 2; ++end) {
        const std::optional<std::uint32_t> node = nodeIndex_.find(t[end]);
        if (!node) return at.refuse(rvntext::kInpUnknownNode, t[end]);
        ends[end - 1] = *node;
    }
    if (ends[0] == ends[1]) return at.refuse(rvntext::kInpSameEnds, t[0]);
    TzRvnEdge edge;
    if (auto refusal = at.number(3, Sign::positive, edge.length)) return refusal;
    if (auto refusal = at.number(4, Sign::positive, edge.diameter)) return refusal;
    if (auto refusal = at.number(5, Sign::nonNegative, edge.roughness)) return refusal;
    const bool statusLast = t.size() == 8 || (t.size() == 7 && !ParseInpNumber(t[6]));
    if (t.size() == 8 || (t.size() == 7 && !statusLast)) {
        if (auto refusal = at.number(6, Sign::nonNegative, edge.csi)) return refusal;
    }
    if (statusLast) {
        const std::string_view status = t.back();
        if (sameWord(status, "CV")) return at.refuse(rvntext::kInpCheckValve);
        if (!sameWord(status, "OPEN") && !sameWord(status, "CLOSED")) return at.refuse(rvntext::kInpBadStatus, status);
        edge.excluded = sameWord(status, "CLOSED") ? 1 : 0;
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
    return readLines(section, [this](const LineContext& at) -> std::optional<TzRvnInpRefusal> {
        if (auto refusal = at.count(2, 2)) return refusal;
        const std::span<const std::string_view> t = at.tokens();
        const std::optional<std::uint32_t> pipe = pipeIndex_.find(t[0]);
        if (!pipe) return at.refuse(rvntext::kInpUnknownPipe, t[0]);
        if (!sameWord(t[1], "OPEN") && !sameWord(t[1], "CLOSED")) return at.refuse(rvntext::kInpBadStatus, t[1]);
        edges_[*pipe].excluded = sameWord(t[1], "CLOSED") ? 1 : 0;
        return std::nullopt;
    });
}

// ID Demand [Pattern]
std::optional<TzRvnInpRefusal> TzRvnInpElements::readDemands(const TzRvnInpSection& section) {
    return readLines(section, [this](const LineContext& at) -> std::optional<TzRvnInpRefusal> {
        if (auto refusal = at.count(2, 3)) return refusal;
        const std::span<const std::string_view> t = at.tokens();
        const std::optional<std::uint32_t> node = nodeIndex_.find(t[0]);
        if (!node) return at.refuse(rvntext::kInpUnknownNode, t[0]);
        if (fixedHead_[*node]) return at.refuse(rvntext::kInpDemandOnTank, t[0]);
        if (t.size() == 3) return at.refuse(rvntext::kInpPatternUsed, t[2]);
        double demand = 0.0;
        if (auto refusal = at.number(1, Sign::any, demand)) return refusal;
        TzRvnNode& target = nodes_[*node];
        if (!demandReplaced_[*node]) target.demand = 0.0;
        demandReplaced_[*node] = true;
        target.demand += demand * options_.units.flow;
        return std::nullopt;
    });
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
