// The elimination of the envelope factorisation: A's lower triangle, kept at the layout's places,
// becomes L in place, row by row in the matrix's own order, with the dense factorisation's
// operations on the same values (cholesky.h).
#pragma once

#include "analysis/linear_algebra/envelope_layout.h"

// values holds A at the layout's places (+0.0 elsewhere in the panels); inversePivot (one per
// row) receives 1 / L[k][k]; done is working space of one int per panel. Returns
// kCholeskySolved, or the first row whose pivot is <= 0.0, the values then left part-way.
int EliminateEnvelope(const TzRvnEnvelopeLayout& layout, double* values, double* inversePivot, int* done);
