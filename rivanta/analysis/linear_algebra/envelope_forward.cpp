#include "analysis/linear_algebra/envelope_forward.h"

#include "analysis/linear_algebra/envelope_lanes.h"
#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>

namespace {

using namespace rvnlanes;

// Rows in order. A panel of several rows takes, at its first row, the terms of the columns before
// that row for all its rows at once, one vector step a column; each row then takes its remaining
// terms alone.
class ForwardSubstitution {
public:
    ForwardSubstitution(const TzRvnEnvelopeLayout& layout, const double* values, const double* inversePivot,
                        double* b)
        : l_(layout), values_(values), inversePivot_(inversePivot), b_(b) {}

    [[gnu::always_inline]] void operator()() {
        for (int i = 0; i < l_.size; ++i) {
            const int p = l_.panelOf[at(i)];
            const bool shared = l_.row(p, 1) >= 0;
            if (shared && l_.laneOf[at(i)] == 0) panelTerms(p);
            finishRow(i, shared ? std::max(l_.row(p, 0), l_.rowFirst[at(i)]) : l_.rowFirst[at(i)]);
        }
    }

private:
    // The terms of the columns before panel p's first row, left in b at p's rows.
    [[gnu::always_inline]] void panelTerms(int p) {
        Lanes s;
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) s[m] = l_.row(p, m) >= 0 ? b_[l_.row(p, m)] : 0.0;
        const int first = l_.panelFirst[at(p)];
        const double* column = values_ + l_.column(p, first);
        for (int j = first; j < l_.row(p, 0); ++j, column += kPanelRows) {
            Lanes a;
            load(a, column);
            minusProductOfNonZero(s, a, b_[j]);
        }
#pragma GCC unroll 4
        for (int m = 0; m < kPanelRows; ++m) {
            if (l_.row(p, m) >= 0) b_[l_.row(p, m)] = s[m];
        }
    }

    // Row i's terms from column from on, then its pivot.
    [[gnu::always_inline]] void finishRow(int i, int from) {
        const double* entry = values_ + l_.place(i, from);
        double bi = b_[i];
        for (int j = from; j < i; ++j, entry += kPanelRows) {
            if (*entry != 0.0) bi -= *entry * b_[j];
        }
        b_[i] = bi * inversePivot_[i];
    }

    const TzRvnEnvelopeLayout& l_;
    const double* values_;
    const double* inversePivot_;
    double* b_;
};

}  // namespace

void ForwardSubstituteEnvelope(const TzRvnEnvelopeLayout& layout, const double* values, const double* inversePivot,
                               std::vector<double>& b) {
    runOnBestLanes(ForwardSubstitution(layout, values, inversePivot, b.data()));
}
