// The SIMD kernels of the envelope factorisation on a panel's column: its four rows' values in
// that column side by side, one row to a SIMD lane. Every entry receives its terms one by one in
// increasing column, and a term with a factor of exactly 0.0 is left out, as in the dense
// factorisation.
//
// While every factor a kernel reads is finite, it may take its terms without testing them for 0.0
// where no sum starts at -0.0: a product with a finite factor of 0.0 is then a zero, and a sum
// that never was -0.0 keeps its bits when a zero is taken from it.
//
// The kernels are always inlined: the elimination and the forward substitution that use them are
// built once for AVX2 and once for the baseline (function multiversioning, runOnBestSimd), and
// each build gets its own instructions for them.
#pragma once

#include "analysis/linear_algebra/envelope_storage.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

static_assert(kPanelRows == 4, "the kernels are written for four SIMD lanes");

namespace rvnsimd {

using Vec4 = double __attribute__((vector_size(kPanelRows * sizeof(double))));
using Mask4 = std::int64_t __attribute__((vector_size(kPanelRows * sizeof(double))));

inline constexpr Vec4 kZero = {};
inline constexpr std::int64_t kExponentBits = 0x7FF0000000000000;

// Vectors go by reference: the baseline build has no AVX registers to pass them in by value.
[[gnu::always_inline]] inline void load(Vec4& v, const double* from) { std::memcpy(&v, from, sizeof v); }

[[gnu::always_inline]] inline void store(double* to, const Vec4& v) { std::memcpy(to, &v, sizeof v); }

[[gnu::always_inline]] inline bool none(const Mask4& flags) { return (flags[0] | flags[1] | flags[2] | flags[3]) == 0; }

[[gnu::always_inline]] inline bool allFinite(const Vec4& v) {
    return none((reinterpret_cast<const Mask4&>(v) & kExponentBits) == kExponentBits);
}

// v with the lanes whose bit is not set in structuralNonzeros (bit m for lane m) made +0.0.
[[gnu::always_inline]] inline void keepStructuralNonzeros(Vec4& v, unsigned structuralNonzeros) {
    const Mask4 laneBit = {1, 2, 4, 8};
    const Mask4 keep = ((Mask4{} + structuralNonzeros) & laneBit) != 0;
    v = reinterpret_cast<Vec4>(reinterpret_cast<Mask4>(v) & keep);
}

// Whether sums starting at s may take untested terms.
[[gnu::always_inline]] inline bool noNegativeZero(const Vec4& s) {
    return none(reinterpret_cast<const Mask4&>(s) == INT64_MIN);
}

// s -= a * b in every lane where neither factor is exactly 0.0; elsewhere s - (+0.0), which is s
// bit for bit.
[[gnu::always_inline]] inline void subtractNonzeroProducts(Vec4& s, const Vec4& a, const Mask4& aNonZero, double b) {
    const Vec4 factor = kZero + b;
    const Mask4 keep = aNonZero & (factor != kZero);
    s = s - reinterpret_cast<Vec4>(reinterpret_cast<Mask4>(a * factor) & keep);
}

// s -= a * b in every lane where a is not exactly 0.0: a substitution's term, whose matrix
// factor alone is tested.
[[gnu::always_inline]] inline void subtractProductsOfNonzeros(Vec4& s, const Vec4& a, double b) {
    s = s - reinterpret_cast<Vec4>(reinterpret_cast<Mask4>(a * b) & (a != kZero));
}

// The update of one panel column by one row (four dot-product updates side by side):
// s -= p_t * row[kPanelRows * t] for t = 0 .. count - 1 in turn; p points at a panel's column,
// p + kPanelRows * t at the t-th column after it, and row at one row's value in the same column.
template <bool Tested>
[[gnu::always_inline]] inline void columnUpdate(Vec4& s, const double* p, const double* row, int count) {
    for (int t = 0; t < count; ++t) {
        Vec4 a;
        load(a, p + kPanelRows * t);
        if constexpr (Tested) {
            subtractNonzeroProducts(s, a, a != kZero, row[kPanelRows * t]);
        } else {
            s = s - a * row[kPanelRows * t];
        }
    }
}

[[gnu::always_inline]] inline void columnUpdate(Vec4& s, const double* p, const double* row, int count,
                                               bool finiteFactors) {
    if (finiteFactors && noNegativeZero(s)) {
        columnUpdate<false>(s, p, row, count);
    } else {
        columnUpdate<true>(s, p, row, count);
    }
}

// The panel-panel update (a register-blocked micro-kernel of 4 N accumulators):
// s[k][m] -= p[k]_t * q[kPanelRows * t + m] for t = 0 .. count - 1 in turn, each row m of panel q
// and each of N panels' columns p[k]: N panels' columns against the four rows of another panel.
template <int N, bool Tested>
[[gnu::always_inline]] inline void panelUpdate(Vec4 (&s)[N][kPanelRows], const double* const (&p)[N], const double* q,
                                              int count) {
    for (int t = 0; t < count; ++t) {
        const double* b = q + kPanelRows * t;
#pragma GCC unroll 2
        for (int k = 0; k < N; ++k) {
            Vec4 a;
            load(a, p[k] + kPanelRows * t);
            if constexpr (Tested) {
                const Mask4 aNonZero = a != kZero;
#pragma GCC unroll 4
                for (int m = 0; m < kPanelRows; ++m) subtractNonzeroProducts(s[k][m], a, aNonZero, b[m]);
            } else {
#pragma GCC unroll 4
                for (int m = 0; m < kPanelRows; ++m) s[k][m] = s[k][m] - a * b[m];
            }
        }
    }
}

template <int N>
[[gnu::always_inline]] inline void panelUpdate(Vec4 (&s)[N][kPanelRows], const double* const (&p)[N], const double* q,
                                              int count, bool finiteFactors) {
    bool plain = finiteFactors;
#pragma GCC unroll 2
    for (int k = 0; k < N; ++k) {
        plain = plain && noNegativeZero(s[k][0]) && noNegativeZero(s[k][1]) && noNegativeZero(s[k][2]) &&
                noNegativeZero(s[k][3]);
    }
    if (plain) {
        panelUpdate<N, false>(s, p, q, count);
    } else {
        panelUpdate<N, true>(s, p, q, count);
    }
}

// Multiplies the lanes other than 0.0 by factor; returns whether all four results are finite.
[[gnu::always_inline]] inline bool scaleNonzeros(Vec4& v, double factor) {
    const Mask4 nonZero = v != kZero;
    const Vec4 scaled = v * factor;
    v = reinterpret_cast<Vec4>((reinterpret_cast<Mask4>(scaled) & nonZero) | (reinterpret_cast<Mask4>(v) & ~nonZero));
    return allFinite(v);
}

inline bool baselineSimdAsked() {
    const char* simd = std::getenv("RVN_SIMD");
    return simd != nullptr && std::string_view(simd) == "baseline";
}

// Runs work() built for AVX2 where the processor has it, else built for the baseline: work's call
// operator and everything it calls are always inlined, so each build gets its own instructions.
// AVX2 without FMA keeps every product and difference separately rounded, so both give the same
// bits.
template <typename Work>
__attribute__((target("avx2"))) auto runWithAvx2(Work& work) {
    return work();
}

template <typename Work>
auto runOnBaseline(Work& work) {
    return work();
}

// RVN_SIMD=baseline in the environment keeps the baseline build, so that it can be tested on any
// processor.
template <typename Work>
auto runOnBestSimd(Work&& work) {
    static const bool useAvx2 = !baselineSimdAsked() && (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return useAvx2 ? runWithAvx2(work) : runOnBaseline(work);
}

}  // namespace rvnsimd
