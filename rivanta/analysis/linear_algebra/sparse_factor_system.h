// The system in compressed columns over its factor's nonzero pattern, in a given elimination order:
// the network's own order (exact) or a fill-reducing one (ordered).
#pragma once

#include "analysis/linear_algebra/sparse_cholesky.h"
#include "analysis/linear_algebra/compressed_assembly.h"
#include "analysis/linear_algebra/sparse_system.h"

class TzRvnSparseSystem : public TzRvnSystemMatrix {
public:
    // order[p] is the node eliminated p-th.
    TzRvnSparseSystem(const TzRvnNetworkData& network, std::vector<int> order);

    void clear() override;
    void addBranch(int k, int s, int e, double c) override;
    void fixHead(int n, double level, std::vector<double>& rhs) override;
    int solve(std::vector<double>& b) override;
    long long factorEntries() const override;

private:
    int position(int node) const;
    int node(int position) const;

    std::vector<int> order_;
    std::vector<int> positionOf_;  // inverse of order_
    TzRvnSparseFactor factor_;
    std::vector<TzRvnBranchEntries> branches_;  // by branch, the indices of its entries
    std::vector<double> ordered_;  // right-hand side in elimination order
};
