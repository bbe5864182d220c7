#include "analysis/envelope_cholesky.h"

#include "analysis/cholesky.h"
#include "analysis/envelope_kernels.h"
#include "analysis/envelope_substitution.h"

#include <algorithm>
#include <cmath>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

}  // namespace

TzRvnEnvelopeFactor::TzRvnEnvelopeFactor(TzRvnEnvelopeLayout layout)
    : layout_(std::move(layout)),
      values_(layout_.values(), 0.0),
      inversePivot_(at(layout_.size), 0.0),
      done_(at(layout_.panels()), 0) {}

// Row by row: each row's panel is brought up to the row's own column, so every entry finds the
// rows it needs complete.
int TzRvnEnvelopeFactor::factorise() {
    finite_ = true;
    for (int p = 0; p < layout_.panels(); ++p) done_[at(p)] = layout_.panelFirst[at(p)];
    for (int r = 0; r < layout_.size; ++r) {
        if (!advance(layout_.panelOf[at(r)], r)) return r;
    }
    return kCholeskySolved;
}

// Panel p's columns up to r, a wide panel's rows four at a time where all of them come before r.
bool TzRvnEnvelopeFactor::advance(int p, int r) {
    const TzRvnEnvelopeLayout& l = layout_;
    int c = done_[at(p)];
    while (c <= r) {
        const int q = l.panelOf[at(c)];
        if (q != p && c == l.row(q, 0) && l.row(q, 1) >= 0 && l.lastRow(q) < r) {
            eliminateGroup(p, q);
            c = l.lastRow(q) + 1;
        } else {
            if (!eliminateColumn(p, c)) return false;
            ++c;
        }
    }
    done_[at(p)] = r + 1;
    return true;
}

// Panel p's column c, its terms from the columns both it and row c reach, then its scaling or,
// for p's own row c, its pivot.
bool TzRvnEnvelopeFactor::eliminateColumn(int p, int c) {
    const TzRvnEnvelopeLayout& l = layout_;
    const int from = std::max(l.panelFirst[at(p)], l.rowFirst[at(c)]);
    SubtractColumnTerms(values_.data() + l.column(p, c), values_.data() + l.column(p, from),
                        values_.data() + l.place(c, from), c - from, finite_);
    if (l.panelOf[at(c)] == p) return finishPivot(p, c);
    scale(p, c);
    return true;
}

// Panel p's columns of q's rows: the terms of the columns before q's first row for the four rows
// at once, then the columns from there to q's last row in turn, each finished and then applied to
// q's rows after it.
void TzRvnEnvelopeFactor::eliminateGroup(int p, int q) {
    const TzRvnEnvelopeLayout& l = layout_;
    double* columns[kPanelRows];
    for (int m = 0; m < kPanelRows; ++m) {
        columns[m] = l.row(q, m) >= 0 ? values_.data() + l.column(p, l.row(q, m)) : freeLane_;
    }
    const int first = l.row(q, 0);
    const int from = std::max(l.panelFirst[at(p)], l.panelFirst[at(q)]);
    SubtractGroupTerms(columns, values_.data() + l.column(p, from), values_.data() + l.column(q, from), first - from,
                       finite_);
    const int last = l.lastRow(q);
    for (int c = first; c <= last; ++c) {
        if (l.panelOf[at(c)] == q) {
            scale(p, c);
        } else {
            eliminateColumn(p, c);
        }
        for (int m = 0; m < kPanelRows; ++m) {
            if (l.row(q, m) <= c) continue;
            SubtractColumnTerms(columns[m], values_.data() + l.column(p, c), values_.data() + l.place(l.row(q, m), c), 1,
                                finite_);
        }
    }
}

bool TzRvnEnvelopeFactor::finishPivot(int p, int c) {
    double* column = values_.data() + layout_.column(p, c);
    const int lane = layout_.laneOf[at(c)];
    const double pivot = column[lane];
    if (pivot <= 0.0) return false;
    const double root = std::sqrt(pivot);
    inversePivot_[at(c)] = 1 / root;
    finite_ = ScaleColumn(column, inversePivot_[at(c)]) && std::isfinite(root) && finite_;
    column[lane] = root;
    return true;
}

// A 0.0 entry is left as it is.
void TzRvnEnvelopeFactor::scale(int p, int c) {
    finite_ = ScaleColumn(values_.data() + layout_.column(p, c), inversePivot_[at(c)]) && finite_;
}

int TzRvnEnvelopeFactor::solve(std::vector<double>& b) {
    const int pivot = factorise();
    if (pivot != kCholeskySolved) return pivot;
    ForwardSubstitute(layout_, values_, inversePivot_, b);
    BackSubstitute(layout_, values_, b);
    return kCholeskySolved;
}
