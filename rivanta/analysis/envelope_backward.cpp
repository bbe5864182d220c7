#include "analysis/envelope_backward.h"

#include <cstdint>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// How far ahead of a row's entry the next ones are asked of the cache: eight columns, two lines
// of a panel.
constexpr std::uintptr_t kBytesAhead = 8 * kPanelRows * sizeof(double);

// A hint to the cache, which may name a place before the values: the address is only a number.
void prefetchBefore(const double* place, std::uintptr_t bytes) {
    __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(place) - bytes));
}

// A row reaching the current column: where its entries are, its index and its first column.
struct TzRvnReachingRow {
    std::ptrdiff_t origin;
    int row;
    int first;
};

// The rows of list[from, to) that still reach column i, kept in order from `from` on; each one's
// term taken from bi. Returns where the kept rows end.
std::size_t takeTerms(TzRvnReachingRow* list, std::size_t from, std::size_t to, int i, const double* values,
                      const std::vector<double>& b, double& bi) {
    std::size_t kept = from;
    for (std::size_t r = from; r < to; ++r) {
        const TzRvnReachingRow reaching = list[r];
        if (reaching.first > i) continue;
        list[kept++] = reaching;
        const double* entry = values + reaching.origin + std::ptrdiff_t{kPanelRows} * i;
        prefetchBefore(entry, kBytesAhead);
        const double l = *entry;
        if (l != 0.0) bi -= l * b[at(reaching.row)];
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
        end = takeTerms(list.data(), head, end, i, values, b, bi);
        b[at(i)] = bi / values[layout.place(i, i)];
        if (layout.rowFirst[at(i)] < i) list[--head] = {layout.rowOrigin[at(i)], i, layout.rowFirst[at(i)]};
    }
}
