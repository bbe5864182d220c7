#include "analysis/linear_algebra/dense_system.h"

#include "analysis/linear_algebra/cholesky.h"

void TzRvnDenseSystem::clear() {
    for (int i = 0; i < matrix_.size(); ++i) matrix_.clearRow(i);
}

void TzRvnDenseSystem::addBranch(int, int s, int e, double c) {
    TzRvnDenseMatrix& a = matrix_;
    a[s][e] -= c;
    a[e][s] -= c;
    a[s][s] += c;
    a[e][e] += c;
}

void TzRvnDenseSystem::fixHead(int n, double level, std::vector<double>& rhs) {
    TzRvnDenseMatrix& a = matrix_;
    for (int i = 0; i < a.size(); ++i) {
        rhs[static_cast<std::size_t>(i)] -= level * a[i][n];
        a[i][n] = 0;
        a[n][i] = 0;
    }
    a[n][n] = 1;
}

int TzRvnDenseSystem::solve(std::vector<double>& b) { return CholeskySolve(matrix_, b); }

long long TzRvnDenseSystem::factorEntries() const {
    const long long n = matrix_.size();
    return n * (n + 1) / 2;
}
