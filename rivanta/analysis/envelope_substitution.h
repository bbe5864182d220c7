// The two triangular solves with a factor L kept in its rows' envelopes (envelope_layout.h):
// L y = b, then L^T x = y. Each b[i] takes its terms L[i][j] b[j] or L[j][i] b[j] one by one in
// increasing j, every term whose factor is exactly 0.0 left out, and then its pivot: the dense
// solve's operations (cholesky.h) in the dense solve's order, so the same bits.
#pragma once

#include "analysis/envelope_layout.h"

#include <vector>

// The columns the back substitution solves per block: the best of 16 to 256 on networks of
// 10,000 to 50,000 nodes.
inline constexpr int kBackSubstitutionBlock = 64;

// Turns b into y with L y = b; values holds L at the layout's places and inversePivot[i] is
// 1 / L[i][i].
void ForwardSubstitute(const TzRvnEnvelopeLayout& layout, const std::vector<double>& values,
                       const std::vector<double>& inversePivot, std::vector<double>& b);

// Turns b into x with L^T x = b. Columns are solved in blocks of blockColumns (>= 1) from the
// last: the products of a block's columns with the rows after the block are gathered row by row,
// where each row's entries lie side by side, and then taken column by column in their order.
void BackSubstitute(const TzRvnEnvelopeLayout& layout, const std::vector<double>& values, std::vector<double>& b,
                    int blockColumns = kBackSubstitutionBlock);
