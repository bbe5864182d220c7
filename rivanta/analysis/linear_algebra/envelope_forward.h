// The forward substitution with an envelope factor: b becomes the solution of L y = b, each y[i]
// being b[i] less its terms L[i][j] * y[j] one by one in increasing j (a term whose L[i][j] is
// exactly 0.0 left out), then times 1 / L[i][i], as in the dense solve.
#pragma once

#include "analysis/linear_algebra/envelope_layout.h"

#include <vector>

void ForwardSubstituteEnvelope(const TzRvnEnvelopeLayout& layout, const double* values, const double* inversePivot,
                               std::vector<double>& b);
