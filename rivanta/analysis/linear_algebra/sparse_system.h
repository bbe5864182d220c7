// The linear system of one Newton step as the assembly fills it and the solver solves it, with
// the factorisation chosen for the run: the dense reference, the exact sparse one in the
// network's node order (envelope or pattern storage, same bits as the dense one), or a sparse one
// in a fill-reducing order.
#pragma once

#include "network/network_data.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

enum class TzRvnFactorisation {
    dense,    // full N x N matrix, the reference
    exact,    // sparse, node order kept: the dense results bit for bit
    ordered,  // sparse, nodes reordered to reduce fill: the same results within rounding
};

// The factorisation a calculation uses, who hears of the factor's size, and the memory it may take.
struct TzRvnSolverChoice {
    // A factorisation alone stands for the choice of it (implicit on purpose).
    TzRvnSolverChoice(TzRvnFactorisation kind = TzRvnFactorisation::exact) : factorisation(kind) {}

    TzRvnFactorisation factorisation;
    // Told the number of the factor's entries once its pattern is known, before the first step.
    std::function<void(long long entries)> factorReady;
    // The physical memory available now, as the caller asked the host: a full matrix that needs
    // more is refused before it is allocated. The largest value when it is not known.
    std::uint64_t availableMemoryBytes = std::numeric_limits<std::uint64_t>::max();
};

class TzRvnSystemMatrix {
public:
    virtual ~TzRvnSystemMatrix() = default;

    // Sets every entry to 0.
    virtual void clear() = 0;
    // Branch k (not excluded) of conductance c from node s to node e (0-based): A[s][e] -= c;
    // A[e][s] -= c; A[s][s] += c; A[e][e] += c.
    virtual void addBranch(int k, int s, int e, double c) = 0;
    // A fixed head at node n: for every row i, rhs[i] -= level * A[i][n], then A[i][n] = 0 and
    // A[n][i] = 0; finally A[n][n] = 1.
    virtual void fixHead(int n, double level, std::vector<double>& rhs) = 0;
    // Factorises the matrix and turns b into the solution. Returns kCholeskySolved, or the
    // 0-based node whose pivot was found <= 0.0.
    virtual int solve(std::vector<double>& b) = 0;
    // The number of factor entries stored (lower triangle and diagonal).
    virtual long long factorEntries() const = 0;
};

// The branches taking part (not excluded) as pairs of 0-based nodes.
std::vector<std::pair<int, int>> BranchLinks(const TzRvnNetworkData& network);

// The system of network, whose branches not excluded and tanks name valid nodes, for the
// factorisation asked.
std::unique_ptr<TzRvnSystemMatrix> MakeSystemMatrix(const TzRvnNetworkData& network, TzRvnFactorisation kind);
