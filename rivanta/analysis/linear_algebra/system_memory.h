// Whether a calculation's system matrix fits in memory, asked before it is allocated: the full
// N x N matrix grows with the square of the nodes and would otherwise be refused by the operating
// system halfway through, or bring the machine to a halt. The solver compares it with the memory
// its caller found available (TzRvnSolverChoice::availableMemoryBytes).
#pragma once

#include "analysis/linear_algebra/sparse_system.h"

#include <cstdint>

// Bytes the matrix of n nodes takes with the factorisation; 0 for the sparse ones, whose size is
// known only once their pattern is built (they hold a few entries per node).
std::uint64_t SystemMatrixBytes(int nodeCount, TzRvnFactorisation factorisation);
