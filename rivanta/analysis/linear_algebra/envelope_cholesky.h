// Cholesky factorisation and solve of A x = b in envelope storage (envelope_storage.h). It
// performs the dense factorisation's operations (cholesky.h) on the same values in the same order:
// each entry's sum term by term in increasing column, every product with a factor of exactly 0.0
// left out, so it gives the same bits. Entries are computed four rows of a panel at a time, which
// changes the order in which entries are finished but not the operations any entry goes through.
#pragma once

#include "analysis/linear_algebra/envelope_storage.h"
#include "analysis/linear_algebra/envelope_units.h"

#include <vector>

class TzRvnEnvelopeFactor {
public:
    // The elimination shares its rows among threads as DefaultEliminationUnits says.
    explicit TzRvnEnvelopeFactor(TzRvnEnvelopeStorage storage);
    // The elimination shares its rows among threads in units of at least unitEntries entries.
    TzRvnEnvelopeFactor(TzRvnEnvelopeStorage storage, long long unitEntries, int threads);

    const TzRvnEnvelopeStorage& storage() const { return storage_; }
    int threads() const { return units_.threads; }
    // The stored values: before solve A's entries at its links and diagonal (every other entry is
    // read as +0.0, whatever it holds), L after it.
    std::vector<double>& values() { return values_; }
    const std::vector<double>& values() const { return values_; }

    // Factorises the values in place and turns b (of the storage's size) into the solution.
    // Returns kCholeskySolved, or the 0-based index k of the first diagonal entry found <= 0.0 (a
    // NaN passes that test); b is then unchanged and the values left part-way.
    int solve(std::vector<double>& b);

private:
    int factorise();

    TzRvnEnvelopeStorage storage_;
    TzRvnEliminationUnits units_;
    std::vector<double> values_;
    std::vector<double> inversePivot_;  // 1 / L[k][k]
    std::vector<int> nextColumn_;       // the elimination's working space, one per panel
};
