#include "analysis/envelope_elimination.h"

#include "analysis/cholesky.h"
#include "analysis/envelope_lanes.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace rvnlanes;

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Each row's panel is brought up to the row's own column, so every entry finds the rows it needs
// complete. A panel's columns are computed in increasing order; where four rows of a wide panel all
// come before the row being reached, their four columns are computed together.
class Elimination {
public:
    Elimination(const TzRvnEnvelopeLayout& layout, double* values, double* inversePivot, int* done)
        : l_(layout), values_(values), inversePivot_(inversePivot), done_(done) {}

    [[gnu::always_inline]] int run() {
        for (int p = 0; p < l_.panels(); ++p) done_[p] = l_.panelFirst[at(p)];
        for (int r = 0; r < l_.size; ++r) {
            if (!advance(l_.panelOf[at(r)], r)) return r;
        }
        return kCholeskySolved;
    }

private:
    // Panel p's columns up to r.
    [[gnu::always_inline]] bool advance(int p, int r) {
        int c = done_[p];
        while (c <= r) {
            const int q = l_.panelOf[at(c)];
            if (q != p && c == l_.row(q, 0) && l_.row(q, 1) >= 0 && l_.lastRow(q) < r) {
                eliminateGroup(p, q);
                c = l_.lastRow(q) + 1;
            } else {
                if (!eliminateColumn(p, c)) return false;
                ++c;
            }
        }
        done_[p] = r + 1;
        return true;
    }

    double* column(int p, int c) const { return values_ + l_.column(p, c); }

    // Panel p's column c: its terms from the columns both it and row c reach, then its scaling
    // or, for p's own row c, its pivot.
    [[gnu::always_inline]] bool eliminateColumn(int p, int c) {
        const int from = std::max(l_.panelFirst[at(p)], l_.rowFirst[at(c)]);
        Lanes s;
        load(s, column(p, c));
        columnSum(s, column(p, from), values_ + l_.place(c, from), c - from, finite_);
        if (l_.panelOf[at(c)] == p) {
            store(column(p, c), s);
            return finishPivot(p, c);
        }
        finite_ = scaleLanes(s, inversePivot_[c]) && finite_;
        store(column(p, c), s);
        return true;
    }

    // Panel p's columns of q's rows: the terms of the columns before q's first row for the four
    // rows at once, then the columns from there to q's last row in turn, each finished and then
    // applied to q's rows after it. Free lanes of q are summed but never stored.
    [[gnu::always_inline]] void eliminateGroup(int p, int q) {
        const int first = l_.row(q, 0);
        const int from = std::max(l_.panelFirst[at(p)], l_.panelFirst[at(q)]);
        Lanes s[kPanelRows];
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) {
            if (l_.row(q, m) >= 0) load(s[m], column(p, l_.row(q, m)));
            else s[m] = kZero;
        }
        groupSums(s, column(p, from), values_ + l_.column(q, from), first - from, finite_);
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) {
            const int row = l_.row(q, m);
            if (row < 0) break;
            for (int c = m == 0 ? row : l_.row(q, m - 1) + 1; c < row; ++c) {
                eliminateColumn(p, c);
                applyColumn(s, m, p, c, q);
            }
            finite_ = scaleLanes(s[m], inversePivot_[row]) && finite_;
            store(column(p, row), s[m]);
            applyColumn(s, m + 1, p, row, q);
        }
    }

    // The term of p's finished column c for q's rows from lane m on.
    [[gnu::always_inline]] void applyColumn(Lanes (&s)[kPanelRows], int m, int p, int c, int q) const {
        Lanes a;
        load(a, column(p, c));
        const LaneBits aNonZero = a != kZero;
#pragma GCC unroll 4
        for (int k = m; k < kPanelRows; ++k) {
            if (l_.row(q, k) >= 0) minusTestedProduct(s[k], a, aNonZero, values_[l_.place(l_.row(q, k), c)]);
        }
    }

    [[gnu::always_inline]] bool finishPivot(int p, int c) {
        double* pivotColumn = column(p, c);
        const int lane = l_.laneOf[at(c)];
        const double pivot = pivotColumn[lane];
        if (pivot <= 0.0) return false;
        const double root = std::sqrt(pivot);
        inversePivot_[c] = 1 / root;
        Lanes v;
        load(v, pivotColumn);
        finite_ = scaleLanes(v, inversePivot_[c]) && std::isfinite(root) && finite_;
        store(pivotColumn, v);
        pivotColumn[lane] = root;
        return true;
    }

    const TzRvnEnvelopeLayout& l_;
    double* values_;
    double* inversePivot_;
    int* done_;
    bool finite_ = true;  // every value of L finished so far is finite
};

// The elimination is built twice, for AVX2 and for the baseline, and the processor's features
// decide which one runs. AVX2 without FMA keeps every product and difference separately rounded,
// so both give the same bits.
__attribute__((target("avx2"))) int eliminateWithAvx2(Elimination& elimination) { return elimination.run(); }

int eliminateWithBaseline(Elimination& elimination) { return elimination.run(); }

// Read once when the module loads (the processor's features are read first at that time).
const bool hasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));

}  // namespace

int EliminateEnvelope(const TzRvnEnvelopeLayout& layout, double* values, double* inversePivot, int* done) {
    Elimination elimination(layout, values, inversePivot, done);
    return hasAvx2 ? eliminateWithAvx2(elimination) : eliminateWithBaseline(elimination);
}
