#include "analysis/sparse_pattern.h"

#include <algorithm>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

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

void placeRows(TzRvnFactorPattern& pattern, const LowerNeighbours& lower, const std::vector<int>& parent) {
    const int n = pattern.size;
    std::vector<int> mark(at(n), -1);
    std::vector<std::size_t> next(at(n));
    for (int j = 0; j < n; ++j) {
        next[at(j)] = pattern.columnStart[at(j)] + 1;
        pattern.row[pattern.columnStart[at(j)]] = j;
    }
    for (int k = 0; k < n; ++k) {
        visitRow(k, lower, parent, mark, [&](int j) { pattern.row[next[at(j)]++] = k; });
    }
}

void buildRowLists(TzRvnFactorPattern& pattern, const std::vector<std::size_t>& rowCount) {
    const int n = pattern.size;
    pattern.rowStart.assign(at(n) + 1, 0);
    for (std::size_t k = 0; k < at(n); ++k) pattern.rowStart[k + 1] = pattern.rowStart[k] + rowCount[k];
    pattern.rowColumn.resize(pattern.rowStart.back());
    pattern.rowEntry.resize(pattern.rowStart.back());
    std::vector<std::size_t> next(pattern.rowStart.begin(), pattern.rowStart.end() - 1);
    for (int j = 0; j < n; ++j) {
        for (std::size_t p = pattern.columnStart[at(j)] + 1; p < pattern.columnStart[at(j) + 1]; ++p) {
            const std::size_t slot = next[at(pattern.row[p])]++;
            pattern.rowColumn[slot] = j;
            pattern.rowEntry[slot] = p;
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
    const std::vector<int> parent = eliminationTree(pattern.size, lower);
    std::vector<std::size_t> columnCount(at(pattern.size), 1);
    std::vector<std::size_t> rowCount(at(pattern.size), 0);
    std::vector<int> mark(at(pattern.size), -1);
    for (int k = 0; k < pattern.size; ++k) {
        visitRow(k, lower, parent, mark, [&](int j) {
            ++columnCount[at(j)];
            ++rowCount[at(k)];
        });
    }
    pattern.columnStart.assign(at(pattern.size) + 1, 0);
    for (std::size_t j = 0; j < at(pattern.size); ++j) {
        pattern.columnStart[j + 1] = pattern.columnStart[j] + columnCount[j];
    }
    pattern.row.resize(pattern.columnStart.back());
    placeRows(pattern, lower, parent);
    buildRowLists(pattern, rowCount);
    return pattern;
}
