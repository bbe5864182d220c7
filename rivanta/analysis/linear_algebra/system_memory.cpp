#include "analysis/linear_algebra/system_memory.h"

std::uint64_t SystemMatrixBytes(int nodeCount, TzRvnFactorisation factorisation) {
    if (factorisation != TzRvnFactorisation::dense || nodeCount <= 0) return 0;
    const auto n = static_cast<std::uint64_t>(nodeCount);
    return n * n * sizeof(double) + n * sizeof(double*);
}
