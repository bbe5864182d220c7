#include "analysis/envelope_system.h"

#include "analysis/fixed_head.h"

#include <algorithm>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

std::vector<int> tankNodes(const TzRvnNetworkData& network) {
    std::vector<int> nodes;
    for (const TzRvnTank& tank : network.tanks()) nodes.push_back(tank.nodeIndex - 1);
    std::sort(nodes.begin(), nodes.end());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    return nodes;
}

}  // namespace

TzRvnEnvelopeSystem::TzRvnEnvelopeSystem(const TzRvnNetworkData& network, TzRvnEnvelopeLayout layout)
    : factor_(std::move(layout)),
      branches_(network.edges().size()),
      tankNodes_(tankNodes(network)),
      tankRows_(RowsReachingColumns(factor_.layout(), tankNodes_)) {
    const TzRvnEnvelopeLayout& places = factor_.layout();
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& edge = network.edges()[k];
        if (edge.excluded) continue;
        const int s = edge.startIndex - 1;
        const int e = edge.endIndex - 1;
        branches_[k] = {places.place(std::max(s, e), std::min(s, e)), places.place(s, s), places.place(e, e)};
    }
}

void TzRvnEnvelopeSystem::clear() { std::fill(factor_.values().begin(), factor_.values().end(), 0.0); }

void TzRvnEnvelopeSystem::addBranch(int k, int, int, double c) { AddConductance(factor_.values(), branches_[at(k)], c); }

void TzRvnEnvelopeSystem::fixHead(int n, double level, std::vector<double>& rhs) {
    const TzRvnEnvelopeLayout& layout = factor_.layout();
    const std::vector<int> below = rowsBelow(n);
    EliminateFixedHead(level, rhs, factor_.values(), [&](auto visit) {
        for (int j = layout.rowFirst[at(n)]; j <= n; ++j) visit(layout.place(n, j), j);
        for (const int j : below) visit(layout.place(j, n), j);
    });
    factor_.values()[layout.place(n, n)] = 1;
}

// A tank's rows are listed once; any other node's are found afresh.
std::vector<int> TzRvnEnvelopeSystem::rowsBelow(int n) const {
    const auto tank = std::lower_bound(tankNodes_.begin(), tankNodes_.end(), n);
    if (tank != tankNodes_.end() && *tank == n) return tankRows_[static_cast<std::size_t>(tank - tankNodes_.begin())];
    return RowsReachingColumns(factor_.layout(), {n}).front();
}

int TzRvnEnvelopeSystem::solve(std::vector<double>& b) { return factor_.solve(b); }

long long TzRvnEnvelopeSystem::factorEntries() const { return factor_.layout().entries(); }
