// The dense reference: Cholesky factorisation and solve of a symmetric positive definite system
// A x = b (left-looking, column by column, on the lower triangle; A = L L^T, L stored over A).
#pragma once

#include <memory>
#include <vector>

// n rows of n doubles, each row allocated on its own and reached through an array of row pointers.
class TzRvnDenseMatrix {
public:
    explicit TzRvnDenseMatrix(int n);

    int size() const { return static_cast<int>(rows_.size()); }
    double* operator[](int i) { return rows_[static_cast<std::size_t>(i)].get(); }
    const double* operator[](int i) const { return rows_[static_cast<std::size_t>(i)].get(); }
    // Sets every entry of row i to 0.
    void clearRow(int i);

private:
    std::vector<std::unique_ptr<double[]>> rows_;
};

// What solve returns when every pivot was positive.
inline constexpr int kCholeskySolved = -1;

// Factorises a in place and turns b into the solution. Every product whose matrix factor is
// exactly 0.0 is skipped; sums are subtracted term by term in ascending order. Returns
// kCholeskySolved, or the 0-based index k of the first diagonal entry found <= 0.0 (a NaN passes
// that test), in which case a and b are left part-way.
int CholeskySolve(TzRvnDenseMatrix& a, std::vector<double>& b);
