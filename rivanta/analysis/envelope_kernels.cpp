#include "analysis/envelope_kernels.h"

#include "analysis/envelope_layout.h"

#include <cstdint>
#include <cstring>

static_assert(kPanelRows == 4, "the group step keeps one accumulator per row of the other panel");

namespace {

using Lanes = double __attribute__((vector_size(kPanelRows * sizeof(double))));
using LaneBits = std::int64_t __attribute__((vector_size(kPanelRows * sizeof(double))));

constexpr Lanes kZero = {};

// The helpers take and give vectors by reference: the baseline build has no AVX registers to pass
// them in by value.
[[gnu::always_inline]] inline void load(Lanes& v, const double* from) { std::memcpy(&v, from, sizeof v); }

[[gnu::always_inline]] inline void store(double* to, const Lanes& v) { std::memcpy(to, &v, sizeof v); }

// s -= a * b in every lane where neither factor is exactly 0.0; elsewhere s - (+0.0), which is s
// bit for bit.
[[gnu::always_inline]] inline void minusProduct(Lanes& s, const Lanes& a, const LaneBits& aNonZero, double b) {
    const Lanes factor = kZero + b;
    const LaneBits keep = aNonZero & (factor != kZero);
    s = s - reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(a * factor) & keep);
}

[[gnu::always_inline]] inline void columnTerms(double* column, const double* p, const double* row, int count) {
    Lanes s;
    load(s, column);
    for (int t = 0; t < count; ++t) {
        Lanes a;
        load(a, p + kPanelRows * t);
        const LaneBits aNonZero = a != kZero;
        minusProduct(s, a, aNonZero, row[kPanelRows * t]);
    }
    store(column, s);
}

[[gnu::always_inline]] inline void groupTerms(double* const* columns, const double* p, const double* q, int count) {
    Lanes s0, s1, s2, s3;
    load(s0, columns[0]);
    load(s1, columns[1]);
    load(s2, columns[2]);
    load(s3, columns[3]);
    for (int t = 0; t < count; ++t) {
        Lanes a;
        load(a, p + kPanelRows * t);
        const LaneBits aNonZero = a != kZero;
        const double* b = q + kPanelRows * t;
        minusProduct(s0, a, aNonZero, b[0]);
        minusProduct(s1, a, aNonZero, b[1]);
        minusProduct(s2, a, aNonZero, b[2]);
        minusProduct(s3, a, aNonZero, b[3]);
    }
    store(columns[0], s0);
    store(columns[1], s1);
    store(columns[2], s2);
    store(columns[3], s3);
}

// Each step is built twice, for AVX2 and for the baseline, and the processor's decides which one
// runs. AVX2 without FMA keeps every product and difference separately rounded, so both give the
// same bits.
__attribute__((target("avx2"))) void columnTermsAvx2(double* column, const double* p, const double* row, int count) {
    columnTerms(column, p, row, count);
}

void columnTermsBaseline(double* column, const double* p, const double* row, int count) {
    columnTerms(column, p, row, count);
}

__attribute__((target("avx2"))) void groupTermsAvx2(double* const* columns, const double* p, const double* q,
                                                    int count) {
    groupTerms(columns, p, q, count);
}

void groupTermsBaseline(double* const* columns, const double* p, const double* q, int count) {
    groupTerms(columns, p, q, count);
}

// Read once when the module loads (the processor's features are read first at that time).
const bool hasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));

}  // namespace

void SubtractColumnTerms(double* column, const double* p, const double* row, int count) {
    if (hasAvx2) {
        columnTermsAvx2(column, p, row, count);
    } else {
        columnTermsBaseline(column, p, row, count);
    }
}

void SubtractGroupTerms(double* const* columns, const double* p, const double* q, int count) {
    if (hasAvx2) {
        groupTermsAvx2(columns, p, q, count);
    } else {
        groupTermsBaseline(columns, p, q, count);
    }
}
