// The vector steps of the envelope factorisation, on the four lanes of a panel at once. Every
// entry still receives its terms one by one in increasing column, and a term with a factor of
// exactly 0.0 is left out, as in the dense factorisation. A panel's column is its lanes' four
// values in that column, side by side; p points at a panel's column, and p + kPanelRows * t at
// the t-th column after it.
#pragma once

// column -= p_t * row[kPanelRows * t] in each lane, for t = 0 .. count - 1 in turn: a panel's
// column against one row, whose values in the same columns are kPanelRows apart.
void SubtractColumnTerms(double* column, const double* p, const double* row, int count);

// columns[m] -= p_t * q[kPanelRows * t + m] in each lane, for t = 0 .. count - 1 in turn and each
// m < kPanelRows: a panel's columns against the four rows of another panel q, at once.
void SubtractGroupTerms(double* const* columns, const double* p, const double* q, int count);
