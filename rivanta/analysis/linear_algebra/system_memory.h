// Whether a calculation's system matrix fits in memory, asked before it is allocated: the full
// N x N matrix grows with the square of the nodes and would otherwise be refused by the operating
// system halfway through, or bring the machine to a halt.
#pragma once

#include "analysis/linear_algebra/sparse_system.h"

#include <cstdint>
#include <string>

// Bytes the matrix of n nodes takes with the factorisation; 0 for the sparse ones, whose size is
// known only once their pattern is built (they hold a few entries per node).
std::uint64_t SystemMatrixBytes(int nodeCount, TzRvnFactorisation factorisation);

// The log line refusing the matrix when it needs more than availableBytes; empty when it fits.
std::wstring SystemMemoryRefusal(int nodeCount, TzRvnFactorisation factorisation, std::uint64_t availableBytes);

// Physical memory available now, in bytes; the largest value when it cannot be told.
std::uint64_t AvailableMemoryBytes();
