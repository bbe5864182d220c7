// Random symmetric systems for comparing the sparse factorisations with the dense one.
#pragma once

#include "analysis/linear_algebra/cholesky.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace rvntest {

using Links = std::vector<std::pair<int, int>>;

inline std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// The bits of a and b agree, or both are NaN: an operation on two NaNs returns one of them, and
// which one the compiler's order of operands decides, so a NaN's sign is not the arithmetic's.
inline bool SameBits(double a, double b) { return bits(a) == bits(b) || (a != a && b != b); }

// A report with every "-nan" written "nan", for the same reason.
std::wstring WithoutNanSigns(std::wstring report);

// The odd values a random system may hold: signed zeros, -1, a tiny and a huge number, and with
// `any` NaN of both signs and infinity too.
enum class OddValues { any, finite };

// A random symmetric matrix on a random graph, diagonally dominant most of the time, with odd
// values at about oddShare of its entries.
struct RandomSystem {
    int n = 0;
    Links links;
    TzRvnDenseMatrix dense{0};
    std::vector<double> b;
};

RandomSystem RandomSystemOf(std::mt19937& random, double oddShare, int maxSize, OddValues kinds = OddValues::any);

// Solves trials random systems of up to maxSize rows with the dense factorisation and with
// factorOf(system), expecting the same pivot and, when solved, the same bits of the
// solution; expectSameFactor(dense, factor, columns) compares the factors' first columns (all of
// them when solved, those before the failed pivot otherwise). With odd values some trials must
// reach a non-positive pivot.
template <typename FactorOf, typename ExpectSameFactor>
void CompareWithDense(std::mt19937& random, double oddShare, int trials, int maxSize, FactorOf factorOf,
                      ExpectSameFactor expectSameFactor, OddValues kinds = OddValues::any) {
    int failures = 0;
    for (int trial = 0; trial < trials; ++trial) {
        RandomSystem s = RandomSystemOf(random, oddShare, maxSize, kinds);
        auto factor = factorOf(s);
        std::vector<double> x = s.b;
        const int densePivot = CholeskySolve(s.dense, s.b);
        ASSERT_EQ(densePivot, factor.solve(x)) << "trial " << trial;
        const bool solved = densePivot == kCholeskySolved;
        failures += !solved;
        expectSameFactor(s.dense, factor, solved ? s.n : densePivot);
        if (::testing::Test::HasFatalFailure()) return;
        if (!solved) continue;
        for (int i = 0; i < s.n; ++i) ASSERT_PRED2(SameBits, s.b[i], x[i]) << "trial " << trial << " x" << i;
    }
    if (oddShare > 0) {
        EXPECT_GT(failures, 0) << "no trial reached a non-positive pivot";
    }
}

}  // namespace rvntest
