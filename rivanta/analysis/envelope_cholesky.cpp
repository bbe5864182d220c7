#include "analysis/envelope_cholesky.h"

#include "analysis/cholesky.h"
#include "analysis/envelope_kernels.h"

#include <algorithm>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

}  // namespace

TzRvnEnvelopeFactor::TzRvnEnvelopeFactor(TzRvnEnvelopeLayout layout)
    : layout_(std::move(layout)),
      values_(layout_.values(), 0.0),
      inversePivot_(at(layout_.panels() * kPanelRows), 0.0),
      x_(inversePivot_.size(), 0.0) {
    ListEnvelopeColumns(layout_);
}

// Panel by panel, each against every earlier panel its envelope reaches, in increasing order,
// then its diagonal block: every entry has all its terms before it is scaled.
int TzRvnEnvelopeFactor::factorise() {
    const TzRvnEnvelopeLayout& l = layout_;
    for (int p = 0; p < l.panels(); ++p) {
        const int top = kPanelRows * p;
        const int first = l.panelFirst[at(p)];
        double* panel = values_.data() + l.panelStart[at(p)];
        for (int q = first / kPanelRows; q < p; ++q) {
            const int from = std::max(first, l.panelFirst[at(q)]);
            const int qTop = kPanelRows * q;
            double* qPanel = values_.data() + l.panelStart[at(q)];
            EliminatePanelAgainst(panel + kPanelRows * (from - first), qPanel + kPanelRows * (from - l.panelFirst[at(q)]),
                                  qTop - from, inversePivot_.data() + qTop);
        }
        const int rows = std::min(kPanelRows, l.size - top);
        const int lane = FactorDiagonalBlock(panel, top - first, rows, inversePivot_.data() + top);
        if (lane >= 0) return top + lane;
    }
    return kCholeskySolved;
}

void TzRvnEnvelopeFactor::forwardSubstitute() {
    const TzRvnEnvelopeLayout& l = layout_;
    for (int p = 0; p < l.panels(); ++p) {
        const int top = kPanelRows * p;
        ForwardSubstitutePanel(values_.data() + l.panelStart[at(p)], l.panelFirst[at(p)], top,
                               std::min(kPanelRows, l.size - top), x_.data(), inversePivot_.data() + top);
    }
}

// Each x[i] takes its terms in increasing row, then the division by its pivot.
void TzRvnEnvelopeFactor::backSubstitute() {
    const TzRvnEnvelopeLayout& l = layout_;
    for (int i = l.size - 1; i >= 0; --i) {
        double xi = x_[at(i)];
        for (std::size_t e = l.columnStart[at(i)]; e < l.columnStart[at(i) + 1]; ++e) {
            const int j = l.columnRow[e];
            const double lji = values_[l.place(j, i)];
            if (lji != 0.0) xi -= lji * x_[at(j)];
        }
        x_[at(i)] = xi / values_[l.place(i, i)];
    }
}

int TzRvnEnvelopeFactor::solve(std::vector<double>& b) {
    const int pivot = factorise();
    if (pivot != kCholeskySolved) return pivot;
    std::copy(b.begin(), b.end(), x_.begin());
    forwardSubstitute();
    backSubstitute();
    std::copy(x_.begin(), x_.begin() + static_cast<std::ptrdiff_t>(b.size()), b.begin());
    return kCholeskySolved;
}
