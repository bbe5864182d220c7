// The assembly of a system kept in compressed storage (the envelope or the factor's pattern), where
// the matrix is one array of values and each stored entry has its index in it.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

// The indices of a branch's three entries of the matrix in the array of values.
struct TzRvnBranchEntries {
    std::size_t offDiagonal = 0;  // the lower of A[s][e] and A[e][s]
    std::size_t start = 0;        // A[s][s]
    std::size_t end = 0;          // A[e][e]
};

// A[s][e] -= c, A[e][s] -= c, A[s][s] += c, A[e][e] += c. The matrix is symmetric and both of its
// off-diagonal entries take the same operations, so the lower one stands for both.
inline void AddConductance(std::vector<double>& value, const TzRvnBranchEntries& entries, double c) {
    value[entries.offDiagonal] -= c;
    value[entries.start] += c;
    value[entries.end] += c;
}

// The elimination of a fixed head at node n: for every row i, rhs[i] -= level * A[i][n], then
// A[i][n] = A[n][i] = 0. forEachStored(visit) calls visit(index, row) for every stored entry of row
// and column n, the diagonal included. Rows whose entry is not stored hold a structural zero there:
// they take rhs[i] -= level * 0.0, which changes rhs[i] only when that product is not +0.0 (a
// negative or not finite level), and only then are they swept too.
template <typename ForEachStored>
void EliminateFixedHead(double level, std::vector<double>& rhs, std::vector<double>& value, ForEachStored forEachStored) {
    const double zeroProduct = level * 0.0;
    const bool sweepOthers = zeroProduct != 0.0 || std::signbit(zeroProduct);
    std::vector<char> stored(sweepOthers ? rhs.size() : 0, 0);
    forEachStored([&](std::size_t index, int row) {
        const std::size_t i = static_cast<std::size_t>(row);
        rhs[i] -= level * value[index];
        value[index] = 0;
        if (sweepOthers) stored[i] = 1;
    });
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (!stored[i]) rhs[i] -= zeroProduct;
    }
}
