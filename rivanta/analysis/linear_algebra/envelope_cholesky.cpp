#include "analysis/linear_algebra/envelope_cholesky.h"

#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/envelope_backward.h"
#include "analysis/linear_algebra/envelope_elimination.h"
#include "analysis/linear_algebra/envelope_forward.h"
#include "analysis/linear_algebra/vector_position.h"

TzRvnEnvelopeFactor::TzRvnEnvelopeFactor(TzRvnEnvelopeLayout layout)
    : layout_(std::move(layout)),
      values_(layout_.values(), 0.0),
      inversePivot_(at(layout_.size), 0.0),
      done_(at(layout_.panels()), 0) {}

int TzRvnEnvelopeFactor::factorise() {
    return EliminateEnvelope(layout_, values_.data(), inversePivot_.data(), done_.data());
}

int TzRvnEnvelopeFactor::solve(std::vector<double>& b) {
    const int pivot = factorise();
    if (pivot != kCholeskySolved) return pivot;
    ForwardSubstituteEnvelope(layout_, values_.data(), inversePivot_.data(), b);
    BackSubstituteEnvelope(layout_, values_.data(), b);
    return kCholeskySolved;
}
