// The back substitution with an envelope factor: b becomes the solution of L^T x = b, each x[i]
// being b[i] less its terms L[j][i] * x[j] one by one in increasing j (a term whose L[j][i] is
// exactly 0.0 left out), then divided by L[i][i], as in the dense solve.
#pragma once

#include "analysis/envelope_layout.h"

#include <vector>

// The columns solved per block: the best of 16 to 512 on a network of 50,000 nodes.
inline constexpr int kBackSubstitutionBlock = 64;

// Columns are solved in blocks of blockColumns (at least 1) from the last. Each column's terms
// from the rows after its block are gathered before the block, row by row, where a row's entries
// lie side by side; those from the block's own rows as each row is solved.
void BackSubstituteEnvelope(const TzRvnEnvelopeLayout& layout, const double* values, std::vector<double>& b,
                            int blockColumns = kBackSubstitutionBlock);
