// The elimination of a fixed head from a system kept on the places of a sparse layout.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

// For every row i, rhs[i] -= level * A[i][n], then A[i][n] = A[n][i] = 0. forEachStored(visit)
// calls visit(place, row) for every place of row and column n that the layout keeps, the diagonal
// included. Rows whose entry is not kept hold +0.0 there: they take rhs[i] -= level * 0.0, which
// changes rhs[i] only when that product is not +0.0 (a negative or not finite level), and only
// then are they swept too.
template <typename ForEachStored>
void EliminateFixedHead(double level, std::vector<double>& rhs, std::vector<double>& value, ForEachStored forEachStored) {
    const double zeroProduct = level * 0.0;
    const bool sweepOthers = zeroProduct != 0.0 || std::signbit(zeroProduct);
    std::vector<char> stored(sweepOthers ? rhs.size() : 0, 0);
    forEachStored([&](std::size_t place, int row) {
        const std::size_t i = static_cast<std::size_t>(row);
        rhs[i] -= level * value[place];
        value[place] = 0;
        if (sweepOthers) stored[i] = 1;
    });
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (!stored[i]) rhs[i] -= zeroProduct;
    }
}
