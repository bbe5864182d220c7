// Where a branch's three entries of the matrix live in a sparse system's values, and how a
// branch's conductance goes into them.
#pragma once

#include <cstddef>
#include <vector>

struct TzRvnBranchPlaces {
    std::size_t offDiagonal = 0;  // the lower of A[s][e] and A[e][s]
    std::size_t start = 0;        // A[s][s]
    std::size_t end = 0;          // A[e][e]
};

// A[s][e] -= c, A[e][s] -= c, A[s][s] += c, A[e][e] += c. The matrix is symmetric and both of its
// off-diagonal entries take the same operations, so the lower one stands for both.
inline void AddConductance(std::vector<double>& value, const TzRvnBranchPlaces& places, double c) {
    value[places.offDiagonal] -= c;
    value[places.start] += c;
    value[places.end] += c;
}
