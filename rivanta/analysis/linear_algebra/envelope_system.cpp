#include "analysis/linear_algebra/envelope_system.h"

#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>

TzRvnEnvelopeSystem::TzRvnEnvelopeSystem(const TzRvnNetworkData& network, TzRvnEnvelopeStorage storage)
    : factor_(std::move(storage)), branches_(network.edges().size()) {
    const TzRvnEnvelopeStorage& kept = factor_.storage();
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        const int s = edge.startIndex - 1;
        const int e = edge.endIndex - 1;
        branches_[k] = {kept.index(std::max(s, e), std::min(s, e)), kept.index(s, s), kept.index(e, e)};
    }
    listNodeEntries(network);
}

// Each node's stored entries of A in its row and column, each once: repeated links share theirs.
void TzRvnEnvelopeSystem::listNodeEntries(const TzRvnNetworkData& network) {
    const TzRvnEnvelopeStorage& storage = factor_.storage();
    std::vector<std::size_t> next(at(storage.size) + 1, 1);
    for (const TzRvnEdge& edge : network.edges()) {
        if (edge.excluded) continue;
        ++next[at(edge.startIndex)];
        ++next[at(edge.endIndex)];
    }
    next[0] = 0;
    for (std::size_t i = 1; i < next.size(); ++i) next[i] += next[i - 1];
    nodeEntries_.resize(next.back());
    const auto add = [&](int n, std::size_t index, int other) { nodeEntries_[next[at(n)]++] = {index, other}; };
    for (int i = 0; i < storage.size; ++i) add(i, storage.index(i, i), i);
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        add(edge.startIndex - 1, branches_[k].offDiagonal, edge.endIndex - 1);
        add(edge.endIndex - 1, branches_[k].offDiagonal, edge.startIndex - 1);
    }
    dropRepeatedEntries(next);
}

// ends[n] is where node n's entries end; they are sorted by index and their repeats dropped.
void TzRvnEnvelopeSystem::dropRepeatedEntries(const std::vector<std::size_t>& ends) {
    const auto byIndex = [](const TzRvnNodeEntry& a, const TzRvnNodeEntry& b) { return a.index < b.index; };
    const auto sameIndex = [](const TzRvnNodeEntry& a, const TzRvnNodeEntry& b) { return a.index == b.index; };
    nodeStart_.assign(ends.size(), 0);
    std::size_t kept = 0;
    std::size_t begin = 0;
    for (std::size_t n = 0; n + 1 < ends.size(); ++n) {
        const auto first = nodeEntries_.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last = nodeEntries_.begin() + static_cast<std::ptrdiff_t>(ends[n]);
        std::sort(first, last, byIndex);
        const auto unique = std::unique(first, last, sameIndex);
        nodeStart_[n] = kept;
        kept = static_cast<std::size_t>(std::move(first, unique, nodeEntries_.begin() + static_cast<std::ptrdiff_t>(kept)) -
                                        nodeEntries_.begin());
        begin = ends[n];
    }
    nodeStart_.back() = kept;
    nodeEntries_.resize(kept);
}

// Only the structural nonzeros of A need clearing: the factorisation reads every other entry as +0.0.
void TzRvnEnvelopeSystem::clear() {
    std::vector<double>& values = factor_.values();
    for (const TzRvnNodeEntry& entry : nodeEntries_) values[entry.index] = 0.0;
}

void TzRvnEnvelopeSystem::addBranch(int k, int, int, double c) { AddConductance(factor_.values(), branches_[at(k)], c); }

void TzRvnEnvelopeSystem::fixHead(int n, double level, std::vector<double>& rhs) {
    EliminateFixedHead(level, rhs, factor_.values(), [&](auto visit) {
        for (std::size_t e = nodeStart_[at(n)]; e < nodeStart_[at(n) + 1]; ++e) {
            visit(nodeEntries_[e].index, nodeEntries_[e].other);
        }
    });
    factor_.values()[factor_.storage().index(n, n)] = 1;
}

int TzRvnEnvelopeSystem::solve(std::vector<double>& b) { return factor_.solve(b); }

long long TzRvnEnvelopeSystem::factorEntries() const { return factor_.storage().entries(); }
