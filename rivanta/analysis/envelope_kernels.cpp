#include "analysis/envelope_kernels.h"

#include "analysis/envelope_layout.h"

#include <cstdint>
#include <cstring>

static_assert(kPanelRows == 4, "the group step keeps one accumulator per row of the other panel");

namespace {

using Lanes = double __attribute__((vector_size(kPanelRows * sizeof(double))));
using LaneBits = std::int64_t __attribute__((vector_size(kPanelRows * sizeof(double))));

constexpr Lanes kZero = {};
constexpr std::int64_t kExponentBits = 0x7FF0000000000000;
constexpr std::int64_t kMinusZeroBits = INT64_MIN;

// The helpers take and give vectors by reference: the baseline build has no AVX registers to pass
// them in by value.
[[gnu::always_inline]] inline void load(Lanes& v, const double* from) { std::memcpy(&v, from, sizeof v); }

[[gnu::always_inline]] inline void store(double* to, const Lanes& v) { std::memcpy(to, &v, sizeof v); }

[[gnu::always_inline]] inline bool none(const LaneBits& flags) { return (flags[0] | flags[1] | flags[2] | flags[3]) == 0; }

[[gnu::always_inline]] inline bool allFinite(const Lanes& v) {
    return none((reinterpret_cast<LaneBits>(v) & kExponentBits) == kExponentBits);
}

// Whether sums starting at s may take plain products: finite, and none -0.0.
[[gnu::always_inline]] inline bool plainStart(const Lanes& s) {
    return allFinite(s) && none(reinterpret_cast<LaneBits>(s) == kMinusZeroBits);
}

// s -= a * b in every lane where neither factor is exactly 0.0; elsewhere s - (+0.0), which is s
// bit for bit.
[[gnu::always_inline]] inline void minusProduct(Lanes& s, const Lanes& a, const LaneBits& aNonZero, double b) {
    const Lanes factor = kZero + b;
    const LaneBits keep = aNonZero & (factor != kZero);
    s = s - reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(a * factor) & keep);
}

template <bool Tested>
[[gnu::always_inline]] inline void columnSum(Lanes& s, const double* p, const double* row, int count) {
    for (int t = 0; t < count; ++t) {
        Lanes a;
        load(a, p + kPanelRows * t);
        if constexpr (Tested) {
            minusProduct(s, a, a != kZero, row[kPanelRows * t]);
        } else {
            s = s - a * row[kPanelRows * t];
        }
    }
}

[[gnu::always_inline]] inline void columnTerms(double* column, const double* p, const double* row, int count,
                                               bool finiteFactors) {
    Lanes s;
    load(s, column);
    if (finiteFactors && plainStart(s)) {
        columnSum<false>(s, p, row, count);
    } else {
        columnSum<true>(s, p, row, count);
    }
    store(column, s);
}

template <bool Tested>
[[gnu::always_inline]] inline void groupSums(Lanes (&s)[kPanelRows], const double* p, const double* q, int count) {
    for (int t = 0; t < count; ++t) {
        Lanes a;
        load(a, p + kPanelRows * t);
        const double* b = q + kPanelRows * t;
        if constexpr (Tested) {
            const LaneBits aNonZero = a != kZero;
#pragma GCC unroll 4
            for (int m = 0; m < kPanelRows; ++m) minusProduct(s[m], a, aNonZero, b[m]);
        } else {
#pragma GCC unroll 4
            for (int m = 0; m < kPanelRows; ++m) s[m] = s[m] - a * b[m];
        }
    }
}

[[gnu::always_inline]] inline void groupTerms(double* const* columns, const double* p, const double* q, int count,
                                              bool finiteFactors) {
    Lanes s[kPanelRows];
#pragma GCC unroll 4
    for (int m = 0; m < kPanelRows; ++m) load(s[m], columns[m]);
    if (finiteFactors && plainStart(s[0]) && plainStart(s[1]) && plainStart(s[2]) && plainStart(s[3])) {
        groupSums<false>(s, p, q, count);
    } else {
        groupSums<true>(s, p, q, count);
    }
#pragma GCC unroll 4
    for (int m = 0; m < kPanelRows; ++m) store(columns[m], s[m]);
}

[[gnu::always_inline]] inline bool scaleColumn(double* column, double factor) {
    Lanes v;
    load(v, column);
    const LaneBits nonZero = v != kZero;
    const Lanes scaled = v * factor;
    v = reinterpret_cast<Lanes>((reinterpret_cast<LaneBits>(scaled) & nonZero) |
                                (reinterpret_cast<LaneBits>(v) & ~nonZero));
    store(column, v);
    return allFinite(v);
}

// Each step is built twice, for AVX2 and for the baseline, and the processor's features decide
// which one runs. AVX2 without FMA keeps every product and difference separately rounded, so both
// give the same bits.
__attribute__((target("avx2"))) void columnTermsAvx2(double* column, const double* p, const double* row, int count,
                                                     bool finiteFactors) {
    columnTerms(column, p, row, count, finiteFactors);
}

void columnTermsBaseline(double* column, const double* p, const double* row, int count, bool finiteFactors) {
    columnTerms(column, p, row, count, finiteFactors);
}

__attribute__((target("avx2"))) void groupTermsAvx2(double* const* columns, const double* p, const double* q,
                                                    int count, bool finiteFactors) {
    groupTerms(columns, p, q, count, finiteFactors);
}

void groupTermsBaseline(double* const* columns, const double* p, const double* q, int count, bool finiteFactors) {
    groupTerms(columns, p, q, count, finiteFactors);
}

__attribute__((target("avx2"))) bool scaleColumnAvx2(double* column, double factor) {
    return scaleColumn(column, factor);
}

bool scaleColumnBaseline(double* column, double factor) { return scaleColumn(column, factor); }

// Read once when the module loads (the processor's features are read first at that time).
const bool hasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));

}  // namespace

void SubtractColumnTerms(double* column, const double* p, const double* row, int count, bool finiteFactors) {
    if (hasAvx2) {
        columnTermsAvx2(column, p, row, count, finiteFactors);
    } else {
        columnTermsBaseline(column, p, row, count, finiteFactors);
    }
}

void SubtractGroupTerms(double* const* columns, const double* p, const double* q, int count, bool finiteFactors) {
    if (hasAvx2) {
        groupTermsAvx2(columns, p, q, count, finiteFactors);
    } else {
        groupTermsBaseline(columns, p, q, count, finiteFactors);
    }
}

bool ScaleColumn(double* column, double factor) {
    return hasAvx2 ? scaleColumnAvx2(column, factor) : scaleColumnBaseline(column, factor);
}
