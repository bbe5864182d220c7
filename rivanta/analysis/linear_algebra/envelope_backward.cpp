#include "analysis/linear_algebra/envelope_backward.h"

#include "analysis/linear_algebra/vector_position.h"

#include <cstdint>

namespace {

// How far ahead of a row's entry the next ones are asked of the cache: eight columns, two lines
// of a panel.
constexpr std::uintptr_t kBytesAhead = 8 * kPanelRows * sizeof(double);

// A hint to the cache, which may name a place before the values: the address is only a number.
void prefetchBefore(const double* place, std::uintptr_t bytes) {
    __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(place) - bytes));
}

// A row j reaching the current column: where its entries are, its solution x[j] and its first
// column.
struct TzRvnReachingRow {
    std::ptrdiff_t origin;
    double x;
    int first;
};

// Row j's term L[j][i] * x[j], taken from bi unless L[j][i] is 0.0.
void takeTerm(const TzRvnReachingRow& row, int i, const double* values, double& bi) {
    const double* entry = values + row.origin + std::ptrdiff_t{kPanelRows} * i;
    prefetchBefore(entry, kBytesAhead);
    const double l = *entry;
    if (l != 0.0) bi -= l * row.x;
}

// The terms of the rows of list[from, to) that still reach column i, in order; the others leave
// the list, whose rows close up from `from` on. Returns where they end. Until a row leaves, none
// moves.
std::size_t takeTerms(TzRvnReachingRow* list, std::size_t from, std::size_t to, int i, const double* values,
                      double& bi) {
    std::size_t r = from;
    for (; r < to && list[r].first <= i; ++r) takeTerm(list[r], i, values, bi);
    std::size_t kept = r;
    for (; r < to; ++r) {
        if (list[r].first > i) continue;
        list[kept] = list[r];
        takeTerm(list[kept++], i, values, bi);
    }
    return kept;
}

}  // namespace

// The list grows downwards from the end of its array: the row that joins is below all others.
void BackSubstituteEnvelope(const TzRvnEnvelopeLayout& layout, const double* values, std::vector<double>& b) {
    std::vector<TzRvnReachingRow> list(at(layout.size));
    std::size_t head = list.size();
    std::size_t end = list.size();
    for (int i = layout.size - 1; i >= 0; --i) {
        double bi = b[at(i)];
        end = takeTerms(list.data(), head, end, i, values, bi);
        b[at(i)] = bi / values[layout.place(i, i)];
        if (layout.rowFirst[at(i)] < i) list[--head] = {layout.rowOrigin[at(i)], b[at(i)], layout.rowFirst[at(i)]};
    }
}
