// Random symmetric systems for comparing the sparse factorisations with the dense one.
#pragma once

#include "analysis/dense_matrix.h"

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace rvntest {

using Links = std::vector<std::pair<int, int>>;

inline std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// The bits of a and b agree, or both are NaN: an operation on two NaNs returns one of them, and
// which one the compiler's order of operands decides, so a NaN's sign is not the arithmetic's.
inline bool SameBits(double a, double b) { return bits(a) == bits(b) || (a != a && b != b); }

// A report with every "-nan" written "nan", for the same reason.
std::wstring WithoutNanSigns(std::wstring report);

// A random symmetric matrix on a random graph, diagonally dominant most of the time, with odd
// values (signed zeros, NaN of both signs, infinity, -1, a tiny number) at about oddShare of
// its entries.
struct RandomSystem {
    int n = 0;
    Links links;
    TzRvnDenseMatrix dense{0};
    std::vector<double> b;
};

RandomSystem RandomSystemOf(std::mt19937& random, double oddShare, int maxSize);

}  // namespace rvntest
