// The dense Cholesky solve on small known matrices; the sparse factorisations against it: the factor
// pattern and the envelope storage, then the same pivot and the same bits of the factor and of the solution on random sparse
// matrices with zeros, signed zeros, NaN and infinities among the stored values, of sizes across
// several panels.
#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/envelope_cholesky.h"
#include "analysis/linear_algebra/sparse_cholesky.h"
#include "analysis/linear_algebra/sparse_pattern.h"
#include "random_systems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <tuple>

namespace {

using rvntest::bits;
using rvntest::Links;
using rvntest::OddValues;
using rvntest::RandomSystem;

TzRvnDenseMatrix matrixOf(std::initializer_list<std::initializer_list<double>> rows) {
    TzRvnDenseMatrix a(static_cast<int>(rows.size()));
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (double value : row) a[i][j++] = value;
        ++i;
    }
    return a;
}

TEST(Cholesky, SolvesFromTheLowerTriangleOnly) {
    // The upper triangle holds garbage: only the lower one may be read.
    TzRvnDenseMatrix a = matrixOf({{4, 99, 99}, {2, 5, 99}, {0, 1, 3}});
    std::vector<double> b = {8, 15, 11};  // A * (1, 2, 3)
    ASSERT_EQ(CholeskySolve(a, b), kCholeskySolved);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(b[i], i + 1, 1e-14) << i;
    // The factor's first entries.
    EXPECT_EQ(std::tuple(2.0, 1.0, 2.0), std::tuple(a[0][0], a[1][0], a[1][1]));
}

TEST(Cholesky, ReportsTheFirstNonPositivePivot) {
    TzRvnDenseMatrix singular = matrixOf({{1, 0, 0}, {0, 2, 0}, {0, 0, 0}});
    std::vector<double> b = {1, 1, 1};
    EXPECT_EQ(CholeskySolve(singular, b), 2);

    TzRvnDenseMatrix negative = matrixOf({{-1}});
    std::vector<double> c = {1};
    EXPECT_EQ(CholeskySolve(negative, c), 0);

    TzRvnDenseMatrix notANumber = matrixOf({{std::numeric_limits<double>::quiet_NaN()}});
    EXPECT_EQ(CholeskySolve(notANumber, c), kCholeskySolved);
    EXPECT_TRUE(std::isnan(c[0]));
}

TEST(Cholesky, SkipsProductsWithAZeroMatrixFactor) {
    // Without the skipping, 0 * inf would turn the second unknown into NaN.
    TzRvnDenseMatrix identity = matrixOf({{1, 0}, {0, 1}});
    std::vector<double> b = {std::numeric_limits<double>::infinity(), 1};
    ASSERT_EQ(CholeskySolve(identity, b), kCholeskySolved);
    EXPECT_EQ(b[1], 1);
}

// Rows 9, 10, 11 and 13 reach back eight columns or more and share a wide panel; rows 0 to 8 are
// units of their own where units may be as small as a row; the wide panel's rows 9 to 13 stay in
// one unit, with row 12 among them. Rows 0 to 8 hold ten entries of the profile.
TEST(EnvelopeStorage, UnitsOfRowsHoldWholePanels) {
    const TzRvnEnvelopeStorage storage = EnvelopeStorage(14, {{9, 0}, {1, 10}, {11, 3}, {13, 2}, {13, 12}, {4, 5}});
    EXPECT_EQ(EliminationUnits(storage, 1, 2).firstRow, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14}));
    EXPECT_EQ(EliminationUnits(storage, 10, 2).firstRow, (std::vector<int>{0, 9, 14}));
    EXPECT_EQ(EliminationUnits(storage, 1000, 2).firstRow, (std::vector<int>{0, 14}));
    EXPECT_EQ(EliminationUnits(EnvelopeStorage(0, {}), 1, 2).count(), 1);
}

// The envelope pays off where it is mostly fill, as in a grid numbered row by row; ten chains
// woven into each other (node i joined to i + 10) keep ten columns of envelope per row and no fill.
TEST(EnvelopeStorage, EnvelopeIsCheaperWhereTheEnvelopeIsMostlyFill) {
    const int n = 400;
    Links grid;
    Links woven;
    for (int i = 0; i < n; ++i) {
        if (i % 20 != 0) grid.emplace_back(i, i - 1);
        if (i >= 20) grid.emplace_back(i, i - 20);
        if (i >= 10) woven.emplace_back(i, i - 10);
    }
    EXPECT_TRUE(EnvelopeIsCheaper(EnvelopeStorage(n, grid), FactorEntryCount(n, grid)));
    EXPECT_FALSE(EnvelopeIsCheaper(EnvelopeStorage(n, woven), FactorEntryCount(n, woven)));
    EXPECT_EQ(FactorEntryCount(n, woven), 2 * n - 10);
}

TzRvnSparseFactor sparseOf(const RandomSystem& s) {
    TzRvnSparseFactor factor(FactorPattern(s.n, s.links));
    const TzRvnFactorPattern& p = factor.pattern();
    for (int j = 0; j < s.n; ++j) {
        for (std::size_t e = p.columnStart[j]; e < p.columnStart[j + 1]; ++e) factor.values()[e] = s.dense[p.row[e]][j];
    }
    return factor;
}

// The dense factor holds exactly +0.0 outside the pattern, and the sparse one its bits inside.
void expectSameSparseFactor(const TzRvnDenseMatrix& dense, const TzRvnSparseFactor& sparse, int upTo) {
    const TzRvnFactorPattern& p = sparse.pattern();
    for (int j = 0; j < upTo; ++j) {
        std::vector<bool> stored(static_cast<std::size_t>(p.size), false);
        for (std::size_t e = p.columnStart[j]; e < p.columnStart[j + 1]; ++e) {
            stored[p.row[e]] = true;
            ASSERT_PRED2(rvntest::SameBits, dense[p.row[e]][j], sparse.values()[e]) << "L[" << p.row[e] << "][" << j << "]";
        }
        for (int i = j; i < p.size; ++i) {
            if (!stored[i]) {
                ASSERT_EQ(bits(dense[i][j]), bits(0.0)) << "fill outside the pattern at " << i << "," << j;
            }
        }
    }
}

// A's entries at its links and diagonal; every other entry holds a NaN left from an earlier
// factorisation, which must be read as +0.0.
TzRvnEnvelopeFactor envelopeOf(const RandomSystem& s, int threads) {
    // Units as small as the panels allow, so that the threads hand over rows at every chance.
    TzRvnEnvelopeFactor factor(EnvelopeStorage(s.n, s.links), 1, threads);
    const TzRvnEnvelopeStorage& l = factor.storage();
    std::fill(factor.values().begin(), factor.values().end(), std::numeric_limits<double>::quiet_NaN());
    for (int i = 0; i < s.n; ++i) factor.values()[l.index(i, i)] = s.dense[i][i];
    for (const auto& [a, b] : s.links) factor.values()[l.index(std::max(a, b), std::min(a, b))] = s.dense[a][b];
    return factor;
}

// Inside the envelopes the bits agree; outside them the dense factor holds exactly +0.0. A factor
// stopped at a failed pivot is left part-way in another order than the dense one's: only a whole
// one is compared.
void expectSameEnvelopeFactor(const TzRvnDenseMatrix& dense, const TzRvnEnvelopeFactor& envelope, int columns) {
    const TzRvnEnvelopeStorage& l = envelope.storage();
    if (columns < l.size) return;
    for (int i = 0; i < l.size; ++i) {
        for (int j = 0; j <= i; ++j) {
            const double kept = j < l.rowFirst[i] ? 0.0 : envelope.values()[l.index(i, j)];
            ASSERT_PRED2(rvntest::SameBits, dense[i][j], kept) << "L[" << i << "][" << j << "]";
        }
    }
}

// A town's grid numbered street row by street row, 100 rows of 60 nodes, with random conductances
// (diagonally dominant), in an envelope factor eliminated by the given threads in the given units.
TzRvnEnvelopeFactor gridFactor(long long unitEntries, int threads) {
    constexpr int kWidth = 60;
    constexpr int kSize = 100 * kWidth;
    Links links;
    for (int i = 0; i < kSize; ++i) {
        if (i % kWidth != 0) links.emplace_back(i, i - 1);
        if (i >= kWidth) links.emplace_back(i, i - kWidth);
    }
    TzRvnEnvelopeFactor factor(EnvelopeStorage(kSize, links), unitEntries, threads);
    const TzRvnEnvelopeStorage& l = factor.storage();
    std::mt19937 random(5);
    std::uniform_real_distribution<double> conductance(0.1, 10.0);
    std::fill(factor.values().begin(), factor.values().end(), std::numeric_limits<double>::quiet_NaN());
    for (int i = 0; i < kSize; ++i) factor.values()[l.index(i, i)] = 1.0;
    for (const auto& [a, b] : links) {
        const double c = conductance(random);
        factor.values()[l.index(a, b)] = -c;
        factor.values()[l.index(a, a)] += c;
        factor.values()[l.index(b, b)] += c;
    }
    return factor;
}

// Threads take units whose columns reach back into rows other threads are still computing: the
// factor and the solution keep the one-thread bits. Each sharing runs several times, since the
// threads meet differently each time.
TEST(EnvelopeCholesky, ThreadsGiveTheOneThreadBitsOnALargeGrid) {
    TzRvnEnvelopeFactor single = gridFactor(1LL << 40, 1);
    std::vector<double> expected(static_cast<std::size_t>(single.storage().size), 1.0);
    ASSERT_EQ(single.solve(expected), kCholeskySolved);
    for (const auto& [unitEntries, threads] : {std::pair{1LL, 3}, std::pair{2000LL, 2}}) {
        for (int run = 0; run < 8; ++run) {
            SCOPED_TRACE(testing::Message() << threads << " threads, units of " << unitEntries << ", run " << run);
            TzRvnEnvelopeFactor shared = gridFactor(unitEntries, threads);
            std::vector<double> x(expected.size(), 1.0);
            ASSERT_EQ(shared.solve(x), kCholeskySolved);
            for (std::size_t i = 0; i < x.size(); ++i) ASSERT_PRED2(rvntest::SameBits, expected[i], x[i]) << "x" << i;
            for (std::size_t e = 0; e < shared.values().size(); ++e) {
                const double one = single.values()[e];
                if (!std::isnan(one)) {
                    ASSERT_PRED2(rvntest::SameBits, one, shared.values()[e]) << "value " << e;
                }
            }
        }
    }
}

// One run of random systems: the seed, the share of odd values, the number of systems, their
// largest size and the kinds of odd values.
struct Trials {
    unsigned seed;
    double oddShare;
    int count;
    int maxSize;
    OddValues kinds = OddValues::any;
};

// Well-posed systems; zeros, NaN and infinities; signed zeros and huge values among finite ones
// (taken untested while every value stays finite, but a sum starting at -0.0 must be tested).
constexpr Trials kSparseTrials[] = {{11, 0.0, 400, 25}, {23, 0.15, 800, 25}};
// The same, and larger systems whose rows join and leave the active rows of the back substitution
// many times over.
constexpr Trials kEnvelopeTrials[] = {
    {17, 0.0, 400, 40}, {29, 0.15, 1500, 40}, {31, 0.15, 1500, 40, OddValues::finite}, {43, 0.1, 200, 150}};

TEST(SparseCholesky, SameBitsAndPivotsAsTheDenseSolve) {
    for (const Trials& t : kSparseTrials) {
        SCOPED_TRACE(t.seed);
        std::mt19937 random(t.seed);
        rvntest::CompareWithDense(random, t.oddShare, t.count, t.maxSize, sparseOf, expectSameSparseFactor, t.kinds);
    }
}

// One thread, and more threads than this machine may have processors, each taking units of rows.
TEST(EnvelopeCholesky, SameBitsAndPivotsAsTheDenseSolveWithAnyNumberOfThreads) {
    for (const int threads : {1, 3}) {
        const auto factor = [threads](const RandomSystem& s) { return envelopeOf(s, threads); };
        for (const Trials& t : kEnvelopeTrials) {
            SCOPED_TRACE(testing::Message() << t.seed << " with " << threads << " threads");
            std::mt19937 random(t.seed);
            rvntest::CompareWithDense(random, t.oddShare, t.count, t.maxSize, factor, expectSameEnvelopeFactor, t.kinds);
        }
    }
}

}  // namespace
