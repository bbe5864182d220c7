#include "analysis/linear_algebra/sparse_pattern.h"

#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>

namespace {

// For every node k, its neighbours j < k (compressed rows of the strict lower triangle).
struct LowerNeighbours {
    std::vector<std::size_t> start;
    std::vector<int> column;
};

LowerNeighbours lowerNeighbours(int n, const std::vector<std::pair<int, int>>& links) {
    LowerNeighbours lower;
    lower.start.assign(at(n) + 1, 0);
    for (const auto& [a, b] : links) {
        if (a != b) ++lower.start[at(std::max(a, b)) + 1];
    }
    for (std::size_t k = 0; k < at(n); ++k) lower.start[k + 1] += lower.start[k];
    lower.column.resize(lower.start.back());
    std::vector<std::size_t> next(lower.start.begin(), lower.start.end() - 1);
    for (const auto& [a, b] : links) {
        if (a != b) lower.column[next[at(std::max(a, b))]++] = std::min(a, b);
    }
    return lower;
}

// Parent of every node in the elimination tree (-1 for a root), with path-compressed ancestors
// (Liu, "A compact row storage scheme for Cholesky factors", 1986).
std::vector<int> eliminationTree(int n, const LowerNeighbours& lower) {
    std::vector<int> parent(at(n), -1);
    std::vector<int> ancestor(at(n), -1);
    for (int k = 0; k < n; ++k) {
        for (std::size_t p = lower.start[at(k)]; p < lower.start[at(k) + 1]; ++p) {
            int i = lower.column[p];
            while (i != -1 && i < k) {
                const int next = ancestor[at(i)];
                ancestor[at(i)] = k;
                if (next == -1) parent[at(i)] = k;
                i = next;
            }
        }
    }
    return parent;
}

// Calls visit(j) for every column j < k of row k of the factor: the nodes on the tree paths from
// k's lower neighbours up to k. mark must hold no k yet.
template <typename Visit>
void visitRow(int k, const LowerNeighbours& lower, const std::vector<int>& parent, std::vector<int>& mark,
              Visit visit) {
    mark[at(k)] = k;
    for (std::size_t p = lower.start[at(k)]; p < lower.start[at(k) + 1]; ++p) {
        for (int i = lower.column[p]; mark[at(i)] != k; i = parent[at(i)]) {
            mark[at(i)] = k;
            visit(i);
        }
    }
}

// Row k's columns left of the diagonal, each row's in increasing order.
void findRows(TzRvnFactorPattern& pattern, const LowerNeighbours& lower, const std::vector<int>& parent) {
    std::vector<int> mark(at(pattern.size), -1);
    pattern.rowStart.assign(1, 0);
    pattern.rowColumn.reserve(lower.column.size() * 4);
    for (int k = 0; k < pattern.size; ++k) {
        visitRow(k, lower, parent, mark, [&](int j) { pattern.rowColumn.push_back(j); });
        std::sort(pattern.rowColumn.begin() + static_cast<std::ptrdiff_t>(pattern.rowStart.back()),
                  pattern.rowColumn.end());
        pattern.rowStart.push_back(pattern.rowColumn.size());
    }
}

// The columns from the rows: row k's entries, taken in increasing k, fill each column in
// increasing row order after its diagonal.
void columnsFromRows(TzRvnFactorPattern& pattern) {
    const int n = pattern.size;
    std::vector<std::size_t> count(at(n), 1);
    for (const int j : pattern.rowColumn) ++count[at(j)];
    pattern.columnStart.assign(at(n) + 1, 0);
    for (std::size_t j = 0; j < at(n); ++j) pattern.columnStart[j + 1] = pattern.columnStart[j] + count[j];
    pattern.row.resize(pattern.columnStart.back());
    pattern.rowEntry.resize(pattern.rowColumn.size());
    std::vector<std::size_t> next(at(n));
    for (int j = 0; j < n; ++j) {
        pattern.row[pattern.columnStart[at(j)]] = j;
        next[at(j)] = pattern.columnStart[at(j)] + 1;
    }
    for (int k = 0; k < n; ++k) {
        for (std::size_t r = pattern.rowStart[at(k)]; r < pattern.rowStart[at(k) + 1]; ++r) {
            const std::size_t entry = next[at(pattern.rowColumn[r])]++;
            pattern.row[entry] = k;
            pattern.rowEntry[r] = entry;
        }
    }
}

}  // namespace

std::size_t TzRvnFactorPattern::find(int i, int j) const {
    const auto first = row.begin() + static_cast<std::ptrdiff_t>(columnStart[at(j)]);
    const auto last = row.begin() + static_cast<std::ptrdiff_t>(columnStart[at(j) + 1]);
    return static_cast<std::size_t>(std::lower_bound(first, last, i) - row.begin());
}

TzRvnFactorPattern FactorPattern(int n, const std::vector<std::pair<int, int>>& links) {
    TzRvnFactorPattern pattern;
    pattern.size = std::max(n, 0);
    const LowerNeighbours lower = lowerNeighbours(pattern.size, links);
    findRows(pattern, lower, eliminationTree(pattern.size, lower));
    columnsFromRows(pattern);
    return pattern;
}

long long FactorEntryCount(int n, const std::vector<std::pair<int, int>>& links) {
    const int size = std::max(n, 0);
    const LowerNeighbours lower = lowerNeighbours(size, links);
    const std::vector<int> parent = eliminationTree(size, lower);
    std::vector<int> mark(at(size), -1);
    long long entries = size;
    for (int k = 0; k < size; ++k) visitRow(k, lower, parent, mark, [&](int) { ++entries; });
    return entries;
}
