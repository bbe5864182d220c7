// The system matrix of the solver: n rows of n doubles, each row allocated on its own and reached
// through an array of row pointers.
#pragma once

#include <memory>
#include <vector>

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
