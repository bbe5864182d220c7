// The vector steps of the envelope factorisation, each on the four rows of one panel at once.
// Every entry still receives its terms one by one in increasing column, and a term with a factor
// of exactly 0.0 is left out, as in the dense factorisation. A panel's column c is the four
// values of its rows in column c, side by side; `panel` arguments point at a panel's column
// `first`.
#pragma once

// Completes and scales panel P's entries in the columns top .. top + 3 of an earlier panel Q's
// rows: p and q point at both panels' column top - before, the terms of the columns from there
// up to top - 1 are subtracted, then those of Q's diagonal block. inversePivot points at
// 1 / L[top][top].
void EliminatePanelAgainst(double* p, const double* q, int before, const double* inversePivot);

// Factorises panel P's diagonal block, whose column top is `before` columns after `panel`:
// the terms of those columns first, then the block's own. Only the first `rows` rows are real.
// Pivots go to the block's diagonal and their inverses to inversePivot[0 .. rows - 1]. Returns
// the lane of the first pivot found <= 0.0 (a NaN passes), or -1.
int FactorDiagonalBlock(double* panel, int before, int rows, double* inversePivot);

// Forward substitution of panel P's rows top .. top + 3: x[first .. top - 1] are solved, x[top ..
// top + 3] hold the right-hand sides and are solved in turn (only the first `rows` are real).
void ForwardSubstitutePanel(const double* panel, int first, int top, int rows, double* x, const double* inversePivot);
