#include "analysis/envelope_kernels.h"

#include "analysis/envelope_layout.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// The steps are built twice, for AVX2 and for the baseline, and the loader picks one for the
// processor. AVX2 without FMA keeps every product and difference separately rounded, so both
// give the same bits.
#define RVN_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))

// The small vector helpers below are always inlined: no call passes a vector through the ABI that
// -Wpsabi warns about for the baseline build.
#pragma GCC diagnostic ignored "-Wpsabi"

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

[[gnu::always_inline]] inline Lanes splat(double x) { return Lanes{} + x; }

[[gnu::always_inline]] inline Lanes keepWhere(Lanes v, LaneBits keep) {
    return reinterpret_cast<Lanes>(reinterpret_cast<LaneBits>(v) & keep);
}

// s - a * b in every lane where neither factor is exactly 0.0; s - (+0.0), which is s bit for
// bit, elsewhere.
[[gnu::always_inline]] inline Lanes minusProduct(Lanes s, Lanes a, LaneBits aNonZero, double b) {
    const Lanes factor = splat(b);
    return s - keepWhere(a * factor, aNonZero & (factor != kZero));
}

// s * inverse in every lane, except where s is exactly 0.0, which is left as it is.
[[gnu::always_inline]] inline Lanes scaled(Lanes s, double inverse) {
    const LaneBits nonZero = s != kZero;
    const LaneBits product = reinterpret_cast<LaneBits>(s * splat(inverse));
    return reinterpret_cast<Lanes>((product & nonZero) | (reinterpret_cast<LaneBits>(s) & ~nonZero));
}

// s[c] = P's column c of the block, less the terms of the `before` columns from p and q (P's and
// Q's columns there): the accumulators stay in registers, four products per column and row.
[[gnu::always_inline]] inline void subtractEarlierColumns(Lanes (&s)[kPanelRows], const double* block, const double* p,
                                                          const double* q, int before) {
    Lanes s0 = load(block);
    Lanes s1 = load(block + kPanelRows);
    Lanes s2 = load(block + 2 * kPanelRows);
    Lanes s3 = load(block + 3 * kPanelRows);
    for (int j = 0; j < before; ++j) {
        const Lanes a = load(p + kPanelRows * j);
        const LaneBits aNonZero = a != kZero;
        const double* b = q + kPanelRows * j;
        s0 = minusProduct(s0, a, aNonZero, b[0]);
        s1 = minusProduct(s1, a, aNonZero, b[1]);
        s2 = minusProduct(s2, a, aNonZero, b[2]);
        s3 = minusProduct(s3, a, aNonZero, b[3]);
    }
    s[0] = s0;
    s[1] = s1;
    s[2] = s2;
    s[3] = s3;
}

}  // namespace

RVN_VECTOR_CLONES void EliminatePanelAgainst(double* p, const double* q, int before, const double* inversePivot) {
    Lanes s[kPanelRows];
    double* block = p + kPanelRows * before;
    const double* qBlock = q + kPanelRows * before;
    subtractEarlierColumns(s, block, p, q, before);
    for (int c = 0; c < kPanelRows; ++c) {
        for (int j = 0; j < c; ++j) {
            const Lanes a = load(block + kPanelRows * j);
            s[c] = minusProduct(s[c], a, a != kZero, qBlock[kPanelRows * j + c]);
        }
        store(block + kPanelRows * c, scaled(s[c], inversePivot[c]));
    }
}

RVN_VECTOR_CLONES int FactorDiagonalBlock(double* panel, int before, int rows, double* inversePivot) {
    Lanes s[kPanelRows];
    double* block = panel + kPanelRows * before;
    subtractEarlierColumns(s, block, panel, panel, before);
    for (int c = 0; c < rows; ++c) {
        for (int j = 0; j < c; ++j) {
            const Lanes a = load(block + kPanelRows * j);
            s[c] = minusProduct(s[c], a, a != kZero, block[kPanelRows * j + c]);
        }
        const double pivot = s[c][c];
        if (pivot <= 0.0) return c;
        const double root = std::sqrt(pivot);
        inversePivot[c] = 1 / root;
        const Lanes column = scaled(s[c], inversePivot[c]);
        double* to = block + kPanelRows * c;
        to[c] = root;
        for (int i = c + 1; i < kPanelRows; ++i) to[i] = column[i];
    }
    return -1;
}

RVN_VECTOR_CLONES void ForwardSubstitutePanel(const double* panel, int first, int top, int rows, double* x,
                                              const double* inversePivot) {
    Lanes s = load(x + top);
    for (int j = first; j < top; ++j) {
        const Lanes a = load(panel + kPanelRows * (j - first));
        s = s - keepWhere(a * splat(x[j]), a != kZero);
    }
    const double* block = panel + kPanelRows * (top - first);
    for (int c = 0; c < rows; ++c) {
        x[top + c] = s[c] * inversePivot[c];
        const Lanes a = load(block + kPanelRows * c);
        s = s - keepWhere(a * splat(x[top + c]), a != kZero);
    }
}
