// Dense Cholesky factorisation and solve of a symmetric positive definite system A x = b
// (left-looking, column by column, on the lower triangle; A = L L^T, L stored over A).
#pragma once

#include "analysis/linear_algebra/dense_matrix.h"

#include <vector>

inline constexpr int kCholeskySolved = -1;

// Factorises a in place and turns b into the solution. Every product whose matrix factor is
// exactly 0.0 is skipped; sums are subtracted term by term in ascending order. Returns
// kCholeskySolved, or the 0-based index k of the first diagonal entry found <= 0.0 (a NaN passes
// that test), in which case a and b are left part-way.
int CholeskySolve(TzRvnDenseMatrix& a, std::vector<double>& b);
