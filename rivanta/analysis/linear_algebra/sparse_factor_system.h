// The reordered system: the matrix kept on the places of its factor's pattern in a given
// elimination order.
#pragma once

#include "analysis/linear_algebra/sparse_cholesky.h"
#include "analysis/linear_algebra/branch_places.h"
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
    std::vector<TzRvnBranchPlaces> branches_;  // by branch, its entries' places
    std::vector<double> ordered_;  // right-hand side in elimination order
};
