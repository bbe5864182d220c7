// Cholesky factorisation and solve of A x = b kept in the rows' envelopes (envelope_layout.h). It
// performs the dense factorisation's operations (cholesky.h) on the same values: each entry's sum
// term by term in increasing column, every product with a factor of exactly 0.0 left out, so it
// gives the same bits. Entries are computed a panel's four lanes at a time, which changes the
// order in which entries are finished but not the operations any entry goes through.
#pragma once

#include "analysis/linear_algebra/envelope_layout.h"

#include <vector>

class TzRvnEnvelopeFactor {
public:
    explicit TzRvnEnvelopeFactor(TzRvnEnvelopeLayout layout);

    const TzRvnEnvelopeLayout& layout() const { return layout_; }
    // The values at the layout's places: before solve A's entries at the places of its links and
    // diagonal (every other place is read as +0.0, whatever it holds), L after it.
    std::vector<double>& values() { return values_; }
    const std::vector<double>& values() const { return values_; }

    // Factorises the values in place and turns b (of the layout's size) into the solution.
    // Returns kCholeskySolved, or the 0-based index k of the first diagonal entry found <= 0.0 (a
    // NaN passes that test); b is then unchanged and the values left part-way.
    int solve(std::vector<double>& b);

private:
    int factorise();

    TzRvnEnvelopeLayout layout_;
    std::vector<double> values_;
    std::vector<double> inversePivot_;  // 1 / L[k][k]
    std::vector<int> done_;             // the elimination's working space, one per panel
};
