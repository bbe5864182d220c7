// How the envelope elimination shares its rows among threads. The rows are cut into units,
// consecutive row ranges that hold every row of each panel they touch (and of its paired panel);
// each unit is eliminated by one thread, units are taken in row order, and a thread computes an
// entry in a column of an earlier unit only once that unit has been completed. Every entry still
// goes through the same operations, so the factor has the same bits with any number of threads.
#pragma once

#include "analysis/linear_algebra/envelope_storage.h"

#include <vector>

struct TzRvnEliminationUnits {
    // Unit u holds rows firstRow[u] to firstRow[u + 1] - 1; the last entry is the matrix size.
    std::vector<int> firstRow;
    int threads = 1;

    int count() const { return static_cast<int>(firstRow.size()) - 1; }
};

// Units of at least minimumEntries entries of the profile each (the last may hold fewer), for
// the given number of threads.
TzRvnEliminationUnits EliminationUnits(const TzRvnEnvelopeStorage& storage, long long minimumEntries, int threads);

// The units a factorisation of this storage runs with on this computer: one thread, and one unit,
// for a profile too small to gain from more; else up to four threads, as the processors allow.
TzRvnEliminationUnits DefaultEliminationUnits(const TzRvnEnvelopeStorage& storage);
