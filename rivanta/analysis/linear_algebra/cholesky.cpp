#include "analysis/linear_algebra/cholesky.h"

#include <algorithm>
#include <cmath>

TzRvnDenseMatrix::TzRvnDenseMatrix(int n) {
    rows_.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) rows_.push_back(std::make_unique<double[]>(static_cast<std::size_t>(n)));
}

void TzRvnDenseMatrix::clearRow(int i) {
    std::fill_n((*this)[i], size(), 0.0);
}

namespace {

// Column k below the diagonal, diagonal included: A[i][k] -= sum over j < k of A[i][j] A[k][j].
void updateColumn(TzRvnDenseMatrix& a, int k) {
    const int n = a.size();
    for (int i = k; i < n; ++i) {
        for (int j = 0; j < k; ++j) {
            if (a[i][j] != 0.0 && a[k][j] != 0.0) a[i][k] -= a[i][j] * a[k][j];
        }
    }
}

void scaleColumn(TzRvnDenseMatrix& a, int k) {
    const int n = a.size();
    for (int i = k + 1; i < n; ++i) {
        if (a[i][k] != 0.0) a[i][k] = a[i][k] * (1 / a[k][k]);
    }
}

void forwardStep(const TzRvnDenseMatrix& a, std::vector<double>& b, int k) {
    for (int j = 0; j < k; ++j) {
        if (a[k][j] != 0.0) b[k] -= a[k][j] * b[j];
    }
    b[k] = b[k] * (1 / a[k][k]);
}

void backSubstitute(const TzRvnDenseMatrix& a, std::vector<double>& b) {
    const int n = a.size();
    for (int i = n - 1; i >= 0; --i) {
        for (int j = i + 1; j < n; ++j) {
            if (a[j][i] != 0.0) b[i] -= a[j][i] * b[j];
        }
        b[i] = b[i] / a[i][i];
    }
}

}  // namespace

int CholeskySolve(TzRvnDenseMatrix& a, std::vector<double>& b) {
    for (int k = 0; k < a.size(); ++k) {
        updateColumn(a, k);
        if (a[k][k] <= 0.0) return k;
        a[k][k] = std::sqrt(a[k][k]);
        scaleColumn(a, k);
        forwardStep(a, b, k);
    }
    backSubstitute(a, b);
    return kCholeskySolved;
}
