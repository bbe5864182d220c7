#include "analysis/linear_algebra/sparse_cholesky.h"

#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/vector_position.h"

#include <cmath>

TzRvnSparseFactor::TzRvnSparseFactor(TzRvnFactorPattern pattern)
    : pattern_(std::move(pattern)), values_(pattern_.entries(), 0.0), byRow_(at(pattern_.size), 0.0) {}

// Column k, diagonal included: L[i][k] -= L[i][j] L[k][j] for every column j < k of row k in
// increasing order, over the rows i >= k of column j. The column is scattered into a dense work
// vector indexed by row, updated there and gathered back.
void TzRvnSparseFactor::updateColumn(int k) {
    const TzRvnFactorPattern& p = pattern_;
    const std::size_t columnFirst = p.columnStart[at(k)];
    const std::size_t columnEnd = p.columnStart[at(k) + 1];
    const int* row = p.row.data();
    double* value = values_.data();
    double* spread = byRow_.data();
    for (std::size_t e = columnFirst; e < columnEnd; ++e) spread[row[e]] = value[e];
    for (std::size_t r = p.rowStart[at(k)]; r < p.rowStart[at(k) + 1]; ++r) {
        const std::size_t first = p.rowEntry[r];
        const double lkj = value[first];
        if (lkj == 0.0) continue;
        const std::size_t end = p.columnStart[at(p.rowColumn[r]) + 1];
        for (std::size_t e = first; e < end; ++e) {
            const double lij = value[e];
            if (lij != 0.0) spread[row[e]] -= lij * lkj;
        }
    }
    for (std::size_t e = columnFirst; e < columnEnd; ++e) value[e] = spread[row[e]];
}

void TzRvnSparseFactor::scaleColumn(int k) {
    const std::size_t diagonal = pattern_.diagonal(k);
    for (std::size_t e = diagonal + 1; e < pattern_.columnStart[at(k) + 1]; ++e) {
        if (values_[e] != 0.0) values_[e] = values_[e] * (1 / values_[diagonal]);
    }
}

void TzRvnSparseFactor::forwardStep(std::vector<double>& b, int k) const {
    for (std::size_t r = pattern_.rowStart[at(k)]; r < pattern_.rowStart[at(k) + 1]; ++r) {
        const double lkj = values_[pattern_.rowEntry[r]];
        if (lkj != 0.0) b[at(k)] -= lkj * b[at(pattern_.rowColumn[r])];
    }
    b[at(k)] = b[at(k)] * (1 / values_[pattern_.diagonal(k)]);
}

void TzRvnSparseFactor::backSubstitute(std::vector<double>& b) const {
    for (int i = pattern_.size - 1; i >= 0; --i) {
        const std::size_t diagonal = pattern_.diagonal(i);
        for (std::size_t e = diagonal + 1; e < pattern_.columnStart[at(i) + 1]; ++e) {
            if (values_[e] != 0.0) b[at(i)] -= values_[e] * b[at(pattern_.row[e])];
        }
        b[at(i)] = b[at(i)] / values_[diagonal];
    }
}

int TzRvnSparseFactor::solve(std::vector<double>& b) {
    for (int k = 0; k < pattern_.size; ++k) {
        updateColumn(k);
        double& pivot = values_[pattern_.diagonal(k)];
        if (pivot <= 0.0) return k;
        pivot = std::sqrt(pivot);
        scaleColumn(k);
        forwardStep(b, k);
    }
    backSubstitute(b);
    return kCholeskySolved;
}
