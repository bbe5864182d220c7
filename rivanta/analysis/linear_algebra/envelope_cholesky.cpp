#include "analysis/linear_algebra/envelope_cholesky.h"

#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/envelope_kernels.h"
#include "analysis/linear_algebra/vector_position.h"

TzRvnEnvelopeFactor::TzRvnEnvelopeFactor(TzRvnEnvelopeStorage storage)
    : storage_(std::move(storage)),
      units_(DefaultEliminationUnits(storage_)),
      values_(storage_.valueCount(), 0.0),
      inversePivot_(at(storage_.size), 0.0),
      nextColumn_(at(storage_.panels()), 0) {}

TzRvnEnvelopeFactor::TzRvnEnvelopeFactor(TzRvnEnvelopeStorage storage, long long unitEntries, int threads)
    : TzRvnEnvelopeFactor(std::move(storage)) {
    units_ = EliminationUnits(storage_, unitEntries, threads);
}

int TzRvnEnvelopeFactor::factorise() {
    return EliminateEnvelope(storage_, units_, values_.data(), inversePivot_.data(), nextColumn_.data());
}

int TzRvnEnvelopeFactor::solve(std::vector<double>& b) {
    const int pivot = factorise();
    if (pivot != kCholeskySolved) return pivot;
    ForwardSubstituteEnvelope(storage_, values_.data(), inversePivot_.data(), b);
    BackSubstituteEnvelope(storage_, values_.data(), b);
    return kCholeskySolved;
}
