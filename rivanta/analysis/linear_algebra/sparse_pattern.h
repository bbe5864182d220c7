// The nonzero pattern (symbolic factorisation) of a sparse Cholesky factor L (A = L L^T): the
// lower triangle of A's pattern and the fill-in its elimination in row order adds. Every other
// entry of L stays exactly 0 through the factorisation, so skipping them changes no result.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

struct TzRvnFactorPattern {
    int size = 0;
    // Column j's entries are columnStart[j] .. columnStart[j + 1] - 1: its diagonal first, then
    // the rows below it in increasing order.
    std::vector<std::size_t> columnStart;
    std::vector<int> row;
    // Row k's entries left of its diagonal are rowStart[k] .. rowStart[k + 1] - 1, columns in
    // increasing order: rowColumn gives the column, rowEntry the entry's index in `row`.
    std::vector<std::size_t> rowStart;
    std::vector<int> rowColumn;
    std::vector<std::size_t> rowEntry;

    std::size_t entries() const { return row.size(); }
    std::size_t diagonal(int j) const { return columnStart[static_cast<std::size_t>(j)]; }
    // The index of entry (i, j) with i > j; it must be part of the pattern.
    std::size_t find(int i, int j) const;
};

// The pattern of the factor of an n x n symmetric matrix whose off-diagonal entries other than 0
// are the pairs of links (either order, 0-based, repeats allowed), the diagonal being full.
// Built through the elimination tree in time proportional to the factor's entries.
TzRvnFactorPattern FactorPattern(int n, const std::vector<std::pair<int, int>>& links);

// The number of entries of that pattern, counted without keeping them.
long long FactorEntryCount(int n, const std::vector<std::pair<int, int>>& links);

