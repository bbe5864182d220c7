// The vector steps of the envelope factorisation, on the four lanes of a panel at once. Every
// entry still receives its terms one by one in increasing column, and a term with a factor of
// exactly 0.0 is left out, as in the dense factorisation. A panel's column is its lanes' four
// values in that column, side by side; p points at a panel's column, and p + kPanelRows * t at
// the t-th column after it.
//
// finiteFactors tells a step that every factor it reads is finite. A step then takes its terms
// without testing them for 0.0 wherever its starting values are finite and none is -0.0: a
// product with a finite factor of 0.0 is then a zero, and a sum that never was -0.0 keeps its bits
// when a zero is taken from it.
#pragma once

// column -= p_t * row[kPanelRows * t] in each lane, for t = 0 .. count - 1 in turn: a panel's
// column against one row, whose values in the same columns are kPanelRows apart.
void SubtractColumnTerms(double* column, const double* p, const double* row, int count, bool finiteFactors);

// columns[m] -= p_t * q[kPanelRows * t + m] in each lane, for t = 0 .. count - 1 in turn and each
// m < kPanelRows: a panel's columns against the four rows of another panel q, at once.
void SubtractGroupTerms(double* const* columns, const double* p, const double* q, int count, bool finiteFactors);

// Multiplies the column's values other than 0.0 by factor; returns whether all four results are
// finite.
bool ScaleColumn(double* column, double factor);
