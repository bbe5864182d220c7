// The dense reference system: a full N x N matrix and the dense Cholesky solve.
#pragma once

#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/sparse_system.h"

class TzRvnDenseSystem : public TzRvnSystemMatrix {
public:
    explicit TzRvnDenseSystem(int n) : matrix_(n) {}

    void clear() override;
    void addBranch(int k, int s, int e, double c) override;
    void fixHead(int n, double level, std::vector<double>& rhs) override;
    int solve(std::vector<double>& b) override;
    long long factorEntries() const override;

private:
    TzRvnDenseMatrix matrix_;
};
