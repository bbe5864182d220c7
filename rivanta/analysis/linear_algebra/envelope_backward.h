// The back substitution with an envelope factor: b becomes the solution of L^T x = b, each x[i]
// being b[i] less its terms L[j][i] * x[j] one by one in increasing j (a term whose L[j][i] is
// exactly 0.0 left out), then divided by L[i][i], as in the dense solve.
#pragma once

#include "analysis/linear_algebra/envelope_layout.h"

#include <vector>

// Column by column from the last, with the list of the rows whose envelope reaches the column
// kept in increasing order as it goes: row i + 1 joins it before column i, and a row leaves it
// past its first column.
void BackSubstituteEnvelope(const TzRvnEnvelopeLayout& layout, const double* values, std::vector<double>& b);
