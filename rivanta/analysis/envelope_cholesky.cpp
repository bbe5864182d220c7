#include "analysis/envelope_cholesky.h"

#include "analysis/cholesky.h"
#include "analysis/envelope_elimination.h"
#include "analysis/envelope_forward.h"

#include <algorithm>
#include <cmath>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

}  // namespace

TzRvnEnvelopeFactor::TzRvnEnvelopeFactor(TzRvnEnvelopeLayout layout)
    : layout_(std::move(layout)),
      values_(layout_.values(), 0.0),
      inversePivot_(at(layout_.size), 0.0),
      done_(at(layout_.panels()), 0) {
    ListEnvelopeColumns(layout_);
}

int TzRvnEnvelopeFactor::factorise() {
    return EliminateEnvelope(layout_, values_.data(), inversePivot_.data(), done_.data());
}

void TzRvnEnvelopeFactor::forwardSubstitute(std::vector<double>& b) const {
    const TzRvnEnvelopeLayout& l = layout_;
    for (int i = 0; i < l.size; ++i) {
        const double* row = values_.data() + l.place(i, l.rowFirst[at(i)]);
        double bi = b[at(i)];
        for (int j = l.rowFirst[at(i)]; j < i; ++j, row += kPanelRows) {
            if (*row != 0.0) bi -= *row * b[at(j)];
        }
        b[at(i)] = bi * inversePivot_[at(i)];
    }
}

// Each b[i] takes its terms in increasing row, then the division by its pivot.
void TzRvnEnvelopeFactor::backSubstitute(std::vector<double>& b) const {
    const TzRvnEnvelopeLayout& l = layout_;
    for (int i = l.size - 1; i >= 0; --i) {
        double bi = b[at(i)];
        for (std::size_t e = l.columnStart[at(i)]; e < l.columnStart[at(i) + 1]; ++e) {
            const int j = l.columnRow[e];
            const double lji = values_[l.place(j, i)];
            if (lji != 0.0) bi -= lji * b[at(j)];
        }
        b[at(i)] = bi / values_[l.place(i, i)];
    }
}

int TzRvnEnvelopeFactor::solve(std::vector<double>& b) {
    const int pivot = factorise();
    if (pivot != kCholeskySolved) return pivot;
    ForwardSubstituteEnvelope(layout_, values_.data(), inversePivot_.data(), b);
    backSubstitute(b);
    return kCholeskySolved;
}
