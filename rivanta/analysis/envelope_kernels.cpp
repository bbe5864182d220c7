#include "analysis/envelope_kernels.h"

#include "analysis/envelope_layout.h"

#include <cstdint>
#include <cstring>

// The steps are built twice, for AVX2 and for the baseline, and the loader picks one for the
// processor. AVX2 without FMA keeps every product and difference separately rounded, so both
// give the same bits.
#define RVN_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))

// The small vector helpers below are always inlined: no call passes a vector through the ABI that
// -Wpsabi warns about for the baseline build.
#pragma GCC diagnostic ignored "-Wpsabi"

static_assert(kPanelRows == 4, "the group step keeps one accumulator per row of the other panel");

namespace {

using Lanes = double __attribute__((vector_size(kPanelRows * sizeof(double))));
using LaneBits = std::int64_t __attribute__((vector_size(kPanelRows * sizeof(double))));

constexpr Lanes kZero = {};

[[gnu::always_inline]] inline Lanes load(const double* from) {
    Lanes v;
    std::memcpy(&v, from, sizeof v);
    return v;
}

[[gnu::always_inline]] inline void store(double* to, Lanes v) { std::memcpy(to, &v, sizeof v); }

// s - a * b in every lane where neither factor is exactly 0.0; s - (+0.0), which is s bit for
// bit, elsewhere.
[[gnu::always_inline]] inline Lanes minusProduct(Lanes s, Lanes a, LaneBits aNonZero, double b) {
    const Lanes factor = kZero + b;
    const LaneBits keep = aNonZero & (factor != kZero);
    return s - reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(a * factor) & keep);
}

}  // namespace

RVN_VECTOR_CLONES void SubtractColumnTerms(double* column, const double* p, const double* row, int count) {
    Lanes s = load(column);
    for (int t = 0; t < count; ++t) {
        const Lanes a = load(p + kPanelRows * t);
        s = minusProduct(s, a, a != kZero, row[kPanelRows * t]);
    }
    store(column, s);
}

RVN_VECTOR_CLONES void SubtractGroupTerms(double* const* columns, const double* p, const double* q, int count) {
    Lanes s0 = load(columns[0]);
    Lanes s1 = load(columns[1]);
    Lanes s2 = load(columns[2]);
    Lanes s3 = load(columns[3]);
    for (int t = 0; t < count; ++t) {
        const Lanes a = load(p + kPanelRows * t);
        const LaneBits aNonZero = a != kZero;
        const double* b = q + kPanelRows * t;
        s0 = minusProduct(s0, a, aNonZero, b[0]);
        s1 = minusProduct(s1, a, aNonZero, b[1]);
        s2 = minusProduct(s2, a, aNonZero, b[2]);
        s3 = minusProduct(s3, a, aNonZero, b[3]);
    }
    store(columns[0], s0);
    store(columns[1], s1);
    store(columns[2], s2);
    store(columns[3], s3);
}
