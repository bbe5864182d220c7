// The three steps of the envelope factorisation (envelope_cholesky.h) on its storage's values.
// Each performs the dense factorisation's operations (cholesky.h) on the same values in the same
// order: every entry's sum term by term in increasing column, every term whose matrix factor is
// exactly 0.0 left out.
#pragma once

#include "analysis/linear_algebra/envelope_storage.h"
#include "analysis/linear_algebra/envelope_units.h"

#include <vector>

// A's lower triangle in the storage (structural zeros of A read as +0.0 whatever they hold)
// becomes L in place, row by row in the matrix's own order, each unit's rows by one of the units'
// threads. inversePivot (one per row) receives 1 / L[k][k]; nextColumn is working space of one int
// per panel. Returns kCholeskySolved, or the first row whose pivot is <= 0.0, the values then left
// part-way.
int EliminateEnvelope(const TzRvnEnvelopeStorage& storage, const TzRvnEliminationUnits& units, double* values,
                      double* inversePivot, int* nextColumn);

// b becomes the solution of L y = b: each y[i] is b[i] less its terms L[i][j] * y[j] in increasing
// j, then times 1 / L[i][i].
void ForwardSubstituteEnvelope(const TzRvnEnvelopeStorage& storage, const double* values, const double* inversePivot,
                               std::vector<double>& b);

// b becomes the solution of L^T x = b: each x[i] is b[i] less its terms L[j][i] * x[j] in
// increasing j, then divided by L[i][i]. Column by column from the last, with the active rows
// (those whose envelope reaches the column) kept in increasing order as it goes: row i + 1 joins
// them before column i, and a row leaves them past its first column.
void BackSubstituteEnvelope(const TzRvnEnvelopeStorage& storage, const double* values, std::vector<double>& b);
