// The factor pattern and the sparse Cholesky solve against the dense one: same pivot, same bits of
// the solution and of the factor, on random sparse matrices with zeros, signed zeros, NaN and
// infinities among the stored values.
#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/sparse_cholesky.h"
#include "analysis/linear_algebra/sparse_pattern.h"
#include "random_systems.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using rvntest::bits;
using rvntest::Links;
using rvntest::RandomSystem;

TEST(FactorPattern, FillFollowsTheEliminationOrder) {
    // A star: its centre eliminated first joins all the leaves, eliminated last it adds nothing.
    const Links centreFirst = {{0, 1}, {0, 2}, {0, 3}, {0, 4}};
    const Links centreLast = {{4, 0}, {4, 1}, {4, 2}, {4, 3}};
    EXPECT_EQ(FactorPattern(5, centreFirst).entries(), 15u);
    EXPECT_EQ(FactorPattern(5, centreLast).entries(), 9u);
    // A ring 0-1-2-3-0 in its own order fills one place, (3, 1), besides its edges and diagonal.
    const TzRvnFactorPattern ring = FactorPattern(4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
    EXPECT_EQ(ring.entries(), 4u + 4u + 1u);
    EXPECT_EQ(ring.row[ring.find(3, 1)], 3);
    EXPECT_EQ(FactorPattern(0, {}).entries(), 0u);
}

TEST(FactorPattern, RowListsMirrorTheColumns) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 50; ++trial) {
        const int n = 1 + static_cast<int>(random() % 30);
        Links links;
        for (int k = 0; k < 2 * n; ++k) links.emplace_back(random() % n, random() % n);
        const TzRvnFactorPattern p = FactorPattern(n, links);
        std::size_t listed = 0;
        for (int k = 0; k < n; ++k) {
            EXPECT_EQ(p.row[p.diagonal(k)], k);
            for (std::size_t r = p.rowStart[k]; r < p.rowStart[k + 1]; ++r) {
                EXPECT_EQ(p.row[p.rowEntry[r]], k);
                if (r > p.rowStart[k]) {
                    EXPECT_LT(p.rowColumn[r - 1], p.rowColumn[r]);
                }
                ++listed;
            }
        }
        EXPECT_EQ(listed + static_cast<std::size_t>(n), p.entries());
        EXPECT_EQ(FactorEntryCount(n, links), static_cast<long long>(p.entries()));
    }
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
void expectSameFactor(const TzRvnDenseMatrix& dense, const TzRvnSparseFactor& sparse, int upTo) {
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

void compareOn(std::mt19937& random, double oddShare, int trials) {
    rvntest::CompareWithDense(random, oddShare, trials, 25, sparseOf,
                              expectSameFactor);
}

TEST(SparseCholesky, SameBitsAsTheDenseSolveOnWellPosedSystems) {
    std::mt19937 random(11);
    compareOn(random, 0.0, 400);
}

TEST(SparseCholesky, SameBitsAndPivotsWithZerosNaNAndInfinities) {
    std::mt19937 random(23);
    compareOn(random, 0.15, 800);
}

}  // namespace
