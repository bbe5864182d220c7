#include "analysis/linear_algebra/envelope_kernels.h"
#include "analysis/linear_algebra/envelope_simd.h"
#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>
#include <cstdint>

namespace {

using namespace rvnsimd;

// Rows in order. A panel of several rows takes, at its first row, the terms of the columns before
// that row for all its rows at once, one SIMD step a column; each row then takes its remaining
// terms alone.
class ForwardSubstitution {
public:
    ForwardSubstitution(const TzRvnEnvelopeStorage& storage, const double* values, const double* inversePivot,
                        double* b)
        : l_(storage), values_(values), inversePivot_(inversePivot), b_(b) {}

    [[gnu::always_inline]] void operator()() {
        for (int i = 0; i < l_.size; ++i) {
            const int p = l_.panelOf[at(i)];
            const bool shared = l_.row(p, 1) >= 0;
            if (shared && l_.positionInPanel[at(i)] == 0) panelTerms(p);
            finishRow(i, shared ? std::max(l_.row(p, 0), l_.rowFirst[at(i)]) : l_.rowFirst[at(i)]);
        }
    }

private:
    // The terms of the columns before panel p's first row, left in b at p's rows.
    [[gnu::always_inline]] void panelTerms(int p) {
        Vec4 s;
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) s[m] = l_.row(p, m) >= 0 ? b_[l_.row(p, m)] : 0.0;
        const int first = l_.panelFirst[at(p)];
        const double* column = values_ + l_.columnIndex(p, first);
        for (int j = first; j < l_.row(p, 0); ++j, column += kPanelRows) {
            Vec4 a;
            load(a, column);
            subtractProductsOfNonzeros(s, a, b_[j]);
        }
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) {
            if (l_.row(p, m) >= 0) b_[l_.row(p, m)] = s[m];
        }
    }

    // Row i's terms from column from on, then its pivot.
    [[gnu::always_inline]] void finishRow(int i, int from) {
        const double* entry = values_ + l_.index(i, from);
        double bi = b_[i];
        for (int j = from; j < i; ++j, entry += kPanelRows) {
            if (*entry != 0.0) bi -= *entry * b_[j];
        }
        b_[i] = bi * inversePivot_[i];
    }

    const TzRvnEnvelopeStorage& l_;
    const double* values_;
    const double* inversePivot_;
    double* b_;
};

// How far ahead of a row's entry the next ones are asked of the cache: eight columns, two lines
// of a panel.
constexpr std::uintptr_t kBytesAhead = 8 * kPanelRows * sizeof(double);

// A prefetch hint, which may name an address before the values: the address is only a number.
void prefetchBefore(const double* entry, std::uintptr_t bytes) {
    __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(entry) - bytes));
}

// An active row j of the back substitution, one whose envelope reaches the current column: where
// its entries are, its solution x[j] and its first column.
struct TzRvnActiveRow {
    std::ptrdiff_t origin;
    double x;
    int first;
};

// Row j's term L[j][i] * x[j], taken from bi unless L[j][i] is 0.0.
void takeTerm(const TzRvnActiveRow& row, int i, const double* values, double& bi) {
    const double* entry = values + row.origin + std::ptrdiff_t{kPanelRows} * i;
    prefetchBefore(entry, kBytesAhead);
    const double l = *entry;
    if (l != 0.0) bi -= l * row.x;
}

// The terms of the rows of active[from, to) that still reach column i, in order; the others
// leave, and the rows kept close up from `from` on. Returns where they end. Until a row leaves,
// none moves.
std::size_t takeTerms(TzRvnActiveRow* active, std::size_t from, std::size_t to, int i, const double* values,
                      double& bi) {
    std::size_t r = from;
    for (; r < to && active[r].first <= i; ++r) takeTerm(active[r], i, values, bi);
    std::size_t kept = r;
    for (; r < to; ++r) {
        if (active[r].first > i) continue;
        active[kept] = active[r];
        takeTerm(active[kept++], i, values, bi);
    }
    return kept;
}

}  // namespace

void ForwardSubstituteEnvelope(const TzRvnEnvelopeStorage& storage, const double* values, const double* inversePivot,
                               std::vector<double>& b) {
    runOnBestSimd(ForwardSubstitution(storage, values, inversePivot, b.data()));
}

// The active rows grow downwards from the end of their array: the row that joins is below all others.
void BackSubstituteEnvelope(const TzRvnEnvelopeStorage& storage, const double* values, std::vector<double>& b) {
    std::vector<TzRvnActiveRow> active(at(storage.size));
    std::size_t head = active.size();
    std::size_t end = active.size();
    for (int i = storage.size - 1; i >= 0; --i) {
        double bi = b[at(i)];
        end = takeTerms(active.data(), head, end, i, values, bi);
        b[at(i)] = bi / values[storage.index(i, i)];
        if (storage.rowFirst[at(i)] < i) active[--head] = {storage.rowOrigin[at(i)], b[at(i)], storage.rowFirst[at(i)]};
    }
}
