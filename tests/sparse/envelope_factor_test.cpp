// The envelope layout and the panel factorisation against the dense one: same pivot, same bits
// of the factor and of the solution, on random sparse matrices with zeros, signed zeros, NaN and
// infinities among the stored values, of sizes across several panels.
#include "analysis/linear_algebra/envelope_cholesky.h"
#include "analysis/linear_algebra/sparse_pattern.h"
#include "random_systems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

using rvntest::Links;
using rvntest::RandomSystem;

TEST(EnvelopeLayout, WideRowsShareAPanelNarrowRowsHaveTheirOwn) {
    // Rows 9, 10, 11 and 13 reach back eight columns or more; row 12 has no neighbour below it.
    const TzRvnEnvelopeLayout layout = EnvelopeLayout(14, {{9, 0}, {1, 10}, {11, 3}, {13, 2}, {13, 12}, {4, 5}});
    EXPECT_EQ(layout.rowFirst[5], 4);
    EXPECT_EQ(layout.panels(), 11);
    EXPECT_EQ((std::vector<int>{layout.row(9, 0), layout.row(9, 1), layout.row(9, 2), layout.row(9, 3)}),
              (std::vector<int>{9, 10, 11, 13}));
    EXPECT_EQ(layout.panelOf[12], 10);
    EXPECT_EQ(layout.row(10, 1), -1);
    EXPECT_EQ(layout.panelFirst[9], 0);
    EXPECT_EQ(layout.lastRow(9), 13);
    // Nine narrow panels before the wide one, of one column each but row 5's two; the wide one
    // keeps fourteen columns.
    EXPECT_EQ(layout.place(13, 2), 10u * 4u + 4u * 2u + 3u);
    EXPECT_EQ(layout.values(), 10u * 4u + 14u * 4u + 4u);
    EXPECT_EQ(layout.entries(), 9 + 1 + 10 + 10 + 9 + 1 + 12);
    EXPECT_EQ(EnvelopeLayout(0, {}).values(), 0u);
}

// The envelope pays off where it is mostly fill, as in a grid numbered row by row; ten chains
// woven into each other (node i joined to i + 10) keep ten columns of envelope per row and no fill.
TEST(EnvelopeLayout, PanelsPayOffWhereTheEnvelopeIsMostlyFill) {
    const int n = 400;
    Links grid;
    Links woven;
    for (int i = 0; i < n; ++i) {
        if (i % 20 != 0) grid.emplace_back(i, i - 1);
        if (i >= 20) grid.emplace_back(i, i - 20);
        if (i >= 10) woven.emplace_back(i, i - 10);
    }
    EXPECT_TRUE(PanelsPayOff(EnvelopeLayout(n, grid), FactorEntryCount(n, grid)));
    EXPECT_FALSE(PanelsPayOff(EnvelopeLayout(n, woven), FactorEntryCount(n, woven)));
    EXPECT_EQ(FactorEntryCount(n, woven), 2 * n - 10);
}

// A's entries at its links and diagonal; every other place holds a NaN left from an earlier
// factorisation, which must be read as +0.0.
TzRvnEnvelopeFactor envelopeOf(const RandomSystem& s) {
    TzRvnEnvelopeFactor factor(EnvelopeLayout(s.n, s.links));
    const TzRvnEnvelopeLayout& l = factor.layout();
    std::fill(factor.values().begin(), factor.values().end(), std::numeric_limits<double>::quiet_NaN());
    for (int i = 0; i < s.n; ++i) factor.values()[l.place(i, i)] = s.dense[i][i];
    for (const auto& [a, b] : s.links) factor.values()[l.place(std::max(a, b), std::min(a, b))] = s.dense[a][b];
    return factor;
}

// Inside the envelopes the bits agree; outside them the dense factor holds exactly +0.0. A factor
// stopped at a failed pivot is left part-way in another order than the dense one's: only a whole
// one is compared.
void expectSameFactor(const TzRvnDenseMatrix& dense, const TzRvnEnvelopeFactor& envelope, int columns) {
    const TzRvnEnvelopeLayout& l = envelope.layout();
    if (columns < l.size) return;
    for (int i = 0; i < l.size; ++i) {
        for (int j = 0; j <= i; ++j) {
            const double kept = j < l.rowFirst[i] ? 0.0 : envelope.values()[l.place(i, j)];
            ASSERT_PRED2(rvntest::SameBits, dense[i][j], kept) << "L[" << i << "][" << j << "]";
        }
    }
}

void compareOn(std::mt19937& random, double oddShare, int trials,
               rvntest::OddValues kinds = rvntest::OddValues::any) {
    rvntest::CompareWithDense(random, oddShare, trials, 40, envelopeOf, expectSameFactor, kinds);
}

TEST(EnvelopeCholesky, SameBitsAsTheDenseSolveOnWellPosedSystems) {
    std::mt19937 random(17);
    compareOn(random, 0.0, 400);
}

TEST(EnvelopeCholesky, SameBitsAndPivotsWithZerosNaNAndInfinities) {
    std::mt19937 random(29);
    compareOn(random, 0.15, 1500);
}

// Without NaN and infinity in the matrix the factorisation takes its terms untested while every
// value stays finite; a sum starting at -0.0 must still be tested.
TEST(EnvelopeCholesky, SameBitsWithSignedZerosAndHugeValuesAmongFiniteOnes) {
    std::mt19937 random(31);
    compareOn(random, 0.15, 1500, rvntest::OddValues::finite);
}

// Larger systems, whose rows join and leave the list of rows reaching a column in the back
// substitution many times over.
TEST(EnvelopeCholesky, SameBitsOnLargerSystemsWithOddValues) {
    std::mt19937 random(43);
    rvntest::CompareWithDense(random, 0.1, 200, 150, envelopeOf, expectSameFactor);
}

}  // namespace
