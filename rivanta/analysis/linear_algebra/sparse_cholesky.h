// Sparse Cholesky factorisation and solve of A x = b in compressed columns over the factor's
// nonzero pattern (sparse_pattern.h), left-looking column by column. It performs the dense
// factorisation's operations (cholesky.h) on the same values in the same order, each entry's sum
// term by term in increasing column, every product with a factor of exactly 0.0 skipped, so it
// gives the same bits while touching only the entries that can be nonzero.
#pragma once

#include "analysis/linear_algebra/sparse_pattern.h"

#include <vector>

class TzRvnSparseFactor {
public:
    explicit TzRvnSparseFactor(TzRvnFactorPattern pattern);

    const TzRvnFactorPattern& pattern() const { return pattern_; }
    // The values of the lower triangle's entries in the pattern; A before solve, L after it.
    std::vector<double>& values() { return values_; }
    const std::vector<double>& values() const { return values_; }

    // Factorises the values in place and turns b (of the pattern's size) into the solution.
    // Returns kCholeskySolved, or the 0-based index k of the first diagonal entry found <= 0.0 (a
    // NaN passes that test), the values and b then left part-way.
    int solve(std::vector<double>& b);

private:
    void updateColumn(int k);
    void scaleColumn(int k);
    void forwardStep(std::vector<double>& b, int k) const;
    void backSubstitute(std::vector<double>& b) const;

    TzRvnFactorPattern pattern_;
    std::vector<double> values_;
    std::vector<double> byRow_;  // the column being updated, by row
};
