#include "analysis/linear_algebra/envelope_kernels.h"

#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/elimination_progress.h"
#include "analysis/linear_algebra/envelope_simd.h"
#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using namespace rvnsimd;

// A left-looking envelope factorisation: each row's panel is brought up to the row's own column,
// so every entry finds the rows it needs complete. A panel's columns are computed in increasing
// order; where the four rows of a wide panel q all come before the row being reached, the columns
// at q's rows are computed as one block (a panel-panel update, then the triangle of q's rows). A
// leading wide panel brings its paired panel along (N = 2 panels at once, unroll and jam): the two
// panels' sums are independent, and side by side they keep the processor's pipelines full.
class Elimination {
public:
    Elimination(const TzRvnEnvelopeStorage& storage, const TzRvnEliminationUnits& units,
                TzRvnEliminationProgress& progress, double* values, double* inversePivot, int* nextColumn)
        : l_(storage), units_(units), progress_(progress), values_(values), inversePivot_(inversePivot),
          nextColumn_(nextColumn) {}

    // Takes units in turn until none is left or an earlier one failed.
    [[gnu::always_inline]] void operator()() {
        for (int u = progress_.takeUnit(); u < units_.count() && !progress_.failedBefore(u + 1);
             u = progress_.takeUnit()) {
            if (!eliminateUnit(u)) return;
        }
    }

private:
    [[gnu::always_inline]] bool eliminateUnit(int u) {
        unit_ = u;
        unitStart_ = units_.firstRow[at(u)];
        const int end = units_.firstRow[at(u) + 1];
        if (!advanceToCompletedRows(end)) return false;
        for (int r = unitStart_; r < end; ++r) {
            if (!advance(r)) {
                if (!aborted_) progress_.fail(u, r);
                return false;
            }
        }
        if (!awaitCompleted(unitStart_)) return false;
        progress_.publish(end, finite_);
        return true;
    }

    // Waits until the rows before row + 1 are complete, unless row is one of this unit's (this
    // thread completes those in order); false when an earlier unit failed meanwhile.
    [[gnu::always_inline]] bool awaitRow(int row) {
        return row >= unitStart_ || row < seenCompleted_ || awaitCompleted(row + 1);
    }

    bool awaitCompleted(int rows) {
        bool allFinite = true;
        const int completed = progress_.awaitRows(rows, unit_, allFinite);
        if (completed < 0) return !(aborted_ = true);
        seenCompleted_ = completed;
        finite_ = finite_ && allFinite;
        return true;
    }

    // Before the unit's rows are reached in turn, every panel of the unit through the columns at
    // rows already complete: the work that waits for no other thread comes first, while the unit
    // before this one may still be running.
    [[gnu::always_inline]] bool advanceToCompletedRows(int unitEnd) {
        bool allFinite = true;
        seenCompleted_ = progress_.awaitRows(0, unit_, allFinite);
        finite_ = finite_ && allFinite;
        const int last = std::min(seenCompleted_, unitStart_) - 1;
        for (int r = unitStart_; r < unitEnd; ++r) {
            const int p = l_.panelOf[at(r)];
            if (r == l_.row(p, 0) && nextColumn_[p] <= last && !advancePanel(p, last, last + 1)) return false;
        }
        return true;
    }

    [[gnu::always_inline]] bool advance(int r) { return advancePanel(l_.panelOf[at(r)], r, r); }

    // Panel p up to column last (at most r, every row before r being complete), its paired panel
    // up to the same column once it has columns there.
    [[gnu::always_inline]] bool advancePanel(int p, int last, int r) {
        const int f = l_.pairedPanel[at(p)];
        if (f < 0 || nextColumn_[f] > last) return advanceTo<1>({p}, last, r);
        if (nextColumn_[p] < nextColumn_[f] && !advanceTo<1>({p}, nextColumn_[f] - 1, r)) return false;
        if (nextColumn_[f] < nextColumn_[p] && !advanceTo<1>({f}, nextColumn_[p] - 1, r)) return false;
        return advanceTo<2>({p, f}, last, r);
    }

    // The panels, all computed up to the same column, up to column last (at most r, the row reached).
    template <int N>
    [[gnu::always_inline]] bool advanceTo(const int (&panels)[N], int last, int r) {
        int c = nextColumn_[panels[0]];
        while (c <= last) {
            const int q = l_.panelOf[at(c)];
            const int qLast = l_.lastRow(q);
            if (c == l_.row(q, 0) && l_.row(q, 1) >= 0 && qLast < r && qLast <= last) {
                if (!awaitRow(qLast)) return false;
                eliminateBlock<N>(panels, q);
                c = qLast + 1;
            } else {
                if (!awaitRow(c) || !eliminateColumns<N>(panels, c)) return false;
                ++c;
            }
        }
        for (int k = 0; k < N; ++k) nextColumn_[panels[k]] = last + 1;
        return true;
    }

    double* column(int p, int c) const { return values_ + l_.columnIndex(p, c); }

    // Panel p's column c of A: the entries that are no structural nonzero of A read as +0.0.
    [[gnu::always_inline]] void loadMatrix(Vec4& s, int p, int c) const {
        const std::size_t index = l_.columnIndex(p, c);
        load(s, values_ + index);
        keepStructuralNonzeros(s, l_.structuralNonzeros[index / kPanelRows]);
    }

    template <int N>
    [[gnu::always_inline]] bool eliminateColumns(const int (&panels)[N], int c) {
#pragma GCC unroll 2
        for (int k = 0; k < N; ++k) {
            if (!eliminateColumn(panels[k], c)) return false;
        }
        return true;
    }

    // Panel p's column c: its terms from the columns both it and row c reach, then its scaling
    // or, for p's own row c, its pivot.
    [[gnu::always_inline]] bool eliminateColumn(int p, int c) {
        const int from = std::max(l_.panelFirst[at(p)], l_.rowFirst[at(c)]);
        Vec4 s;
        loadMatrix(s, p, c);
        columnUpdate(s, column(p, from), values_ + l_.index(c, from), c - from, finite_);
        if (l_.panelOf[at(c)] == p) {
            store(column(p, c), s);
            return finishPivot(p, c);
        }
        finite_ = scaleNonzeros(s, inversePivot_[c]) && finite_;
        store(column(p, c), s);
        return true;
    }

    // The panels' columns at q's rows as one block: the terms of the columns before q's first row
    // for q's four rows at once (the panel-panel update), then the columns from there to q's last
    // row in turn, each finished and then applied to q's rows after it. Free rows of q are summed
    // but never stored.
    template <int N>
    [[gnu::always_inline]] void eliminateBlock(const int (&panels)[N], int q) {
        Vec4 s[N][kPanelRows];
#pragma GCC unroll 2
        for (int k = 0; k < N; ++k) {
#pragma GCC unroll 4
            for (int m = 0; m < kPanelRows; ++m) {
                if (l_.row(q, m) >= 0) loadMatrix(s[k][m], panels[k], l_.row(q, m));
                else s[k][m] = kZero;
            }
        }
        panelPanelUpdate<N>(s, panels, q);
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) {
            const int row = l_.row(q, m);
            if (row < 0) break;
            for (int c = m == 0 ? row : l_.row(q, m - 1) + 1; c < row; ++c) {
                eliminateColumns<N>(panels, c);
                applyColumn<N>(s, m, panels, c, q);
            }
#pragma GCC unroll 2
            for (int k = 0; k < N; ++k) {
                finite_ = scaleNonzeros(s[k][m], inversePivot_[row]) && finite_;
                store(column(panels[k], row), s[k][m]);
            }
            applyColumn<N>(s, m + 1, panels, row, q);
        }
    }

    // The terms of the columns before q's first row. Of two panels, the one reaching further back
    // takes its earlier terms alone.
    template <int N>
    [[gnu::always_inline]] void panelPanelUpdate(Vec4 (&s)[N][kPanelRows], const int (&panels)[N], int q) {
        const int first = l_.row(q, 0);
        if constexpr (N == 1) {
            const int from = std::max(l_.panelFirst[at(panels[0])], l_.panelFirst[at(q)]);
            panelUpdate<1>(s, {column(panels[0], from)}, column(q, from), first - from, finite_);
        } else {
            const int from0 = std::max(l_.panelFirst[at(panels[0])], l_.panelFirst[at(q)]);
            const int from1 = std::max(l_.panelFirst[at(panels[1])], l_.panelFirst[at(q)]);
            const int from = std::min(std::max(from0, from1), first);
            if (from0 < from) singlePanelUpdate<0>(s, panels[0], q, from0, from);
            if (from1 < from) singlePanelUpdate<1>(s, panels[1], q, from1, from);
            panelUpdate<2>(s, {column(panels[0], from), column(panels[1], from)}, column(q, from), first - from,
                         finite_);
        }
    }

    template <int K>
    [[gnu::always_inline]] void singlePanelUpdate(Vec4 (&s)[2][kPanelRows], int p, int q, int from, int until) {
        Vec4 single[1][kPanelRows] = {{s[K][0], s[K][1], s[K][2], s[K][3]}};
        panelUpdate<1>(single, {column(p, from)}, column(q, from), until - from, finite_);
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) s[K][m] = single[0][m];
    }

    // The term of the panels' finished column c for q's rows from position m on.
    template <int N>
    [[gnu::always_inline]] void applyColumn(Vec4 (&s)[N][kPanelRows], int m, const int (&panels)[N], int c,
                                            int q) const {
#pragma GCC unroll 2
        for (int k = 0; k < N; ++k) {
            Vec4 a;
            load(a, column(panels[k], c));
            const Mask4 aNonZero = a != kZero;
#pragma GCC unroll 4
            for (int n = m; n < kPanelRows; ++n) {
                if (l_.row(q, n) >= 0) subtractNonzeroProducts(s[k][n], a, aNonZero, values_[l_.index(l_.row(q, n), c)]);
            }
        }
    }

    [[gnu::always_inline]] bool finishPivot(int p, int c) {
        double* pivotColumn = column(p, c);
        const int position = l_.positionInPanel[at(c)];
        const double pivot = pivotColumn[position];
        if (pivot <= 0.0) return false;
        const double root = std::sqrt(pivot);
        inversePivot_[c] = 1 / root;
        Vec4 v;
        load(v, pivotColumn);
        finite_ = scaleNonzeros(v, inversePivot_[c]) && std::isfinite(root) && finite_;
        store(pivotColumn, v);
        pivotColumn[position] = root;
        return true;
    }

    const TzRvnEnvelopeStorage& l_;
    const TzRvnEliminationUnits& units_;
    TzRvnEliminationProgress& progress_;
    double* values_;
    double* inversePivot_;
    int* nextColumn_;  // by panel, its first column not computed yet
    int unit_ = 0;
    int unitStart_ = 0;       // the first row of the unit being eliminated
    int seenCompleted_ = 0;   // the rows known complete
    bool aborted_ = false;    // stopped because an earlier unit failed
    // Every value of L this thread finished, or read from another thread's units, is finite.
    bool finite_ = true;
};

}  // namespace

int EliminateEnvelope(const TzRvnEnvelopeStorage& storage, const TzRvnEliminationUnits& units, double* values,
                      double* inversePivot, int* nextColumn) {
    for (int p = 0; p < storage.panels(); ++p) nextColumn[p] = storage.panelFirst[at(p)];
    TzRvnEliminationProgress progress;
    const auto eliminate = [&] {
        runOnBestSimd(Elimination(storage, units, progress, values, inversePivot, nextColumn));
    };
    std::vector<std::jthread> helpers;
    try {
        while (static_cast<int>(helpers.size()) + 1 < std::min(units.threads, units.count())) {
            helpers.emplace_back(eliminate);
        }
    } catch (const std::system_error&) {
        // The threads that did start take every unit between them, with this one.
    }
    eliminate();
    helpers.clear();
    return progress.outcome();
}
