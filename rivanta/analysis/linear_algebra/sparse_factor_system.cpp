#include "analysis/linear_algebra/sparse_factor_system.h"

#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>

namespace {

std::vector<int> inverseOf(const std::vector<int>& order) {
    std::vector<int> inverse(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) inverse[at(order[p])] = static_cast<int>(p);
    return inverse;
}

// The branches taking part as pairs of factor positions.
std::vector<std::pair<int, int>> positionLinks(const TzRvnNetworkData& network, const std::vector<int>& positionOf) {
    std::vector<std::pair<int, int>> links = BranchLinks(network);
    for (auto& [s, e] : links) {
        s = positionOf[at(s)];
        e = positionOf[at(e)];
    }
    return links;
}

}  // namespace

TzRvnSparseSystem::TzRvnSparseSystem(const TzRvnNetworkData& network, std::vector<int> order)
    : order_(std::move(order)),
      positionOf_(inverseOf(order_)),
      factor_(FactorPattern(network.numNodes(), positionLinks(network, positionOf_))),
      branches_(network.edges().size()) {
    const TzRvnFactorPattern& pattern = factor_.pattern();
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        const int s = position(edge.startIndex - 1);
        const int e = position(edge.endIndex - 1);
        branches_[k] = {pattern.find(std::max(s, e), std::min(s, e)), pattern.diagonal(s), pattern.diagonal(e)};
    }
}

int TzRvnSparseSystem::position(int node) const { return positionOf_[at(node)]; }

int TzRvnSparseSystem::node(int position) const { return order_[at(position)]; }

void TzRvnSparseSystem::clear() { std::fill(factor_.values().begin(), factor_.values().end(), 0.0); }

void TzRvnSparseSystem::addBranch(int k, int, int, double c) { AddConductance(factor_.values(), branches_[at(k)], c); }

void TzRvnSparseSystem::fixHead(int n, double level, std::vector<double>& rhs) {
    const TzRvnFactorPattern& pattern = factor_.pattern();
    const int p = position(n);
    EliminateFixedHead(level, rhs, factor_.values(), [&](auto visit) {
        for (std::size_t r = pattern.rowStart[at(p)]; r < pattern.rowStart[at(p) + 1]; ++r) {
            visit(pattern.rowEntry[r], node(pattern.rowColumn[r]));
        }
        for (std::size_t e = pattern.diagonal(p); e < pattern.columnStart[at(p) + 1]; ++e) visit(e, node(pattern.row[e]));
    });
    factor_.values()[pattern.diagonal(p)] = 1;
}

int TzRvnSparseSystem::solve(std::vector<double>& b) {
    ordered_.resize(b.size());
    for (std::size_t p = 0; p < order_.size(); ++p) ordered_[p] = b[at(order_[p])];
    const int pivot = factor_.solve(ordered_);
    if (pivot != kCholeskySolved) return node(pivot);
    for (std::size_t p = 0; p < order_.size(); ++p) b[at(order_[p])] = ordered_[p];
    return kCholeskySolved;
}

long long TzRvnSparseSystem::factorEntries() const { return static_cast<long long>(factor_.pattern().entries()); }
