#include "analysis/linear_algebra/dense_matrix.h"

#include <algorithm>

TzRvnDenseMatrix::TzRvnDenseMatrix(int n) {
    rows_.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) rows_.push_back(std::make_unique<double[]>(static_cast<std::size_t>(n)));
}

void TzRvnDenseMatrix::clearRow(int i) {
    std::fill_n((*this)[i], size(), 0.0);
}
