// The vector steps of the envelope factorisation on the four lanes of a panel's column (its four
// rows' values in that column, side by side). Every entry receives its terms one by one in
// increasing column, and a term with a factor of exactly 0.0 is left out, as in the dense
// factorisation.
//
// While every factor a step reads is finite, the step may take its terms without testing them for
// 0.0 where no sum starts at -0.0: a product with a finite factor of 0.0 is then a zero, and a sum
// that never was -0.0 keeps its bits when a zero is taken from it.
//
// The steps are always inlined: the elimination and the forward substitution that use them are
// built once for AVX2 and once for the baseline (runOnBestLanes), and each build gets its own
// instructions for them.
#pragma once

#include "analysis/linear_algebra/envelope_layout.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

static_assert(kPanelRows == 4, "the lane steps are written for four lanes");

namespace rvnlanes {

using Lanes = double __attribute__((vector_size(kPanelRows * sizeof(double))));
using LaneBits = std::int64_t __attribute__((vector_size(kPanelRows * sizeof(double))));

inline constexpr Lanes kZero = {};
inline constexpr std::int64_t kExponentBits = 0x7FF0000000000000;

// Vectors go by reference: the baseline build has no AVX registers to pass them in by value.
[[gnu::always_inline]] inline void load(Lanes& v, const double* from) { std::memcpy(&v, from, sizeof v); }

[[gnu::always_inline]] inline void store(double* to, const Lanes& v) { std::memcpy(to, &v, sizeof v); }

[[gnu::always_inline]] inline bool none(const LaneBits& flags) { return (flags[0] | flags[1] | flags[2] | flags[3]) == 0; }

[[gnu::always_inline]] inline bool allFinite(const Lanes& v) {
    return none((reinterpret_cast<const LaneBits&>(v) & kExponentBits) == kExponentBits);
}

// v with the lanes whose bit is not set in lanes (bit m for lane m) made +0.0.
[[gnu::always_inline]] inline void keepLanes(Lanes& v, unsigned lanes) {
    const LaneBits laneBit = {1, 2, 4, 8};
    const LaneBits keep = ((LaneBits{} + lanes) & laneBit) != 0;
    v = reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(v) & keep);
}

// Whether sums starting at s may take untested terms.
[[gnu::always_inline]] inline bool plainStart(const Lanes& s) {
    return none(reinterpret_cast<const LaneBits&>(s) == INT64_MIN);
}

// s -= a * b in every lane where neither factor is exactly 0.0; elsewhere s - (+0.0), which is s
// bit for bit.
[[gnu::always_inline]] inline void minusTestedProduct(Lanes& s, const Lanes& a, const LaneBits& aNonZero, double b) {
    const Lanes factor = kZero + b;
    const LaneBits keep = aNonZero & (factor != kZero);
    s = s - reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(a * factor) & keep);
}

// s -= a * b in every lane where a is not exactly 0.0: a substitution's term, whose matrix
// factor alone is tested.
[[gnu::always_inline]] inline void minusProductOfNonZero(Lanes& s, const Lanes& a, double b) {
    s = s - reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(a * b) & (a != kZero));
}

// s -= p_t * row[kPanelRows * t] for t = 0 .. count - 1 in turn: p points at a panel's column,
// p + kPanelRows * t at the t-th column after it, and row at one row's value in the same column.
template <bool Tested>
[[gnu::always_inline]] inline void columnSum(Lanes& s, const double* p, const double* row, int count) {
    for (int t = 0; t < count; ++t) {
        Lanes a;
        load(a, p + kPanelRows * t);
        if constexpr (Tested) {
            minusTestedProduct(s, a, a != kZero, row[kPanelRows * t]);
        } else {
            s = s - a * row[kPanelRows * t];
        }
    }
}

[[gnu::always_inline]] inline void columnSum(Lanes& s, const double* p, const double* row, int count,
                                             bool finiteFactors) {
    if (finiteFactors && plainStart(s)) {
        columnSum<false>(s, p, row, count);
    } else {
        columnSum<true>(s, p, row, count);
    }
}

// s[k][m] -= p[k]_t * q[kPanelRows * t + m] for t = 0 .. count - 1 in turn, each lane m of panel
// q and each of N panels' columns p[k]: N panels' columns against the four rows of another panel
// at once, 4 N sums side by side.
template <int N, bool Tested>
[[gnu::always_inline]] inline void groupSums(Lanes (&s)[N][kPanelRows], const double* const (&p)[N], const double* q,
                                             int count) {
    for (int t = 0; t < count; ++t) {
        const double* b = q + kPanelRows * t;
#pragma GCC unroll 2
        for (int k = 0; k < N; ++k) {
            Lanes a;
            load(a, p[k] + kPanelRows * t);
            if constexpr (Tested) {
                const LaneBits aNonZero = a != kZero;
#pragma GCC unroll 4
                for (int m = 0; m < kPanelRows; ++m) minusTestedProduct(s[k][m], a, aNonZero, b[m]);
            } else {
#pragma GCC unroll 4
                for (int m = 0; m < kPanelRows; ++m) s[k][m] = s[k][m] - a * b[m];
            }
        }
    }
}

template <int N>
[[gnu::always_inline]] inline void groupSums(Lanes (&s)[N][kPanelRows], const double* const (&p)[N], const double* q,
                                             int count, bool finiteFactors) {
    bool plain = finiteFactors;
#pragma GCC unroll 2
    for (int k = 0; k < N; ++k) {
        plain = plain && plainStart(s[k][0]) && plainStart(s[k][1]) && plainStart(s[k][2]) && plainStart(s[k][3]);
    }
    if (plain) {
        groupSums<N, false>(s, p, q, count);
    } else {
        groupSums<N, true>(s, p, q, count);
    }
}

// Multiplies the lanes other than 0.0 by factor; returns whether all four results are finite.
[[gnu::always_inline]] inline bool scaleLanes(Lanes& v, double factor) {
    const LaneBits nonZero = v != kZero;
    const Lanes scaled = v * factor;
    v = reinterpret_cast<Lanes>((reinterpret_cast<LaneBits>(scaled) & nonZero) |
                                (reinterpret_cast<LaneBits>(v) & ~nonZero));
    return allFinite(v);
}

inline bool baselineLanesAsked() {
    const char* lanes = std::getenv("RVN_LANES");
    return lanes != nullptr && std::string_view(lanes) == "baseline";
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

// RVN_LANES=baseline in the environment keeps the baseline build, so that it can be tested on any
// processor.
template <typename Work>
auto runOnBestLanes(Work&& work) {
    static const bool useAvx2 = !baselineLanesAsked() && (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return useAvx2 ? runWithAvx2(work) : runOnBaseline(work);
}

}  // namespace rvnlanes
