// Times each factorisation of the calculation on the system of one network, without the rest of
// the calculation: the envelope and the pattern factorisation in the network's own order (both
// exact) and the pattern one in a fill-reducing order. The envelope one runs with the threads it
// takes on this computer, with one thread, and, when UNIT_ENTRIES is given, with units of that
// many entries. The matrix has the network's branches with conductances drawn at random and a
// diagonal a little above the sum of its row, as a Newton step gives after its tanks are fixed.
//
//     factor_bench NETWORK.inp [REPEATS [UNIT_ENTRIES]]
//
// prints, for each factorisation, its entries and the best wall time of a factorisation and solve.
#include "analysis/linear_algebra/cholesky.h"
#include "analysis/linear_algebra/envelope_cholesky.h"
#include "analysis/jobs/network_exchange.h"
#include "analysis/linear_algebra/ordering_amd.h"
#include "analysis/linear_algebra/sparse_cholesky.h"
#include "analysis/linear_algebra/sparse_system.h"
#include "analysis/topology/topology_check.h"
#include "text_codec.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

using Links = std::vector<std::pair<int, int>>;
using EntryIndex = std::function<std::size_t(int i, int j)>;

// Fills the stored values of a system of n rows with the links.
void fillSystem(int n, const Links& links, std::vector<double>& values, const EntryIndex& index) {
    std::fill(values.begin(), values.end(), 0.0);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> conductance(0.5, 50.0);
    std::vector<double> diagonal(static_cast<std::size_t>(n), 1e-3);
    for (const auto& [a, b] : links) {
        const double c = conductance(random);
        values[index(std::max(a, b), std::min(a, b))] -= c;
        diagonal[static_cast<std::size_t>(a)] += c;
        diagonal[static_cast<std::size_t>(b)] += c;
    }
    for (int i = 0; i < n; ++i) values[index(i, i)] += diagonal[static_cast<std::size_t>(i)];
}

// The best wall time in seconds of fill-then-solve over the repeats.
template <typename Factor>
double bestSolve(Factor& factor, int n, const Links& links, const EntryIndex& index, int repeats) {
    double best = 1e30;
    for (int r = 0; r < repeats; ++r) {
        fillSystem(n, links, factor.values(), index);
        std::vector<double> b(static_cast<std::size_t>(n), 1.0);
        const auto start = std::chrono::steady_clock::now();
        const int pivot = factor.solve(b);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (pivot != kCholeskySolved) std::fprintf(stderr, "pivot %d not positive\n", pivot);
        best = std::min(best, took.count());
    }
    return best;
}

void report(const char* name, long long entries, double seconds) {
    std::printf("%-28s %12lld entries %10.2f ms\n", name, entries, seconds * 1e3);
}

Links permuted(const Links& links, const std::vector<int>& positionOf) {
    Links moved = links;
    for (auto& [a, b] : moved) {
        a = positionOf[static_cast<std::size_t>(a)];
        b = positionOf[static_cast<std::size_t>(b)];
    }
    return moved;
}

void benchPattern(const char* name, int n, const Links& links, int repeats) {
    TzRvnSparseFactor factor(FactorPattern(n, links));
    const TzRvnFactorPattern& p = factor.pattern();
    const EntryIndex index = [&](int i, int j) { return i == j ? p.diagonal(i) : p.find(i, j); };
    report(name, static_cast<long long>(p.entries()), bestSolve(factor, n, links, index, repeats));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: factor_bench NETWORK.inp [REPEATS]\n");
        return 2;
    }
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    TzRvnNetworkData network;
    const TzRvnImportResult imported = ImportInpFile(rvnos::fromUtf8(argv[1]), {}, network);
    if (imported.status != TzRvnImportStatus::imported) {
        std::fprintf(stderr, "%s\n", rvnos::toUtf8(imported.message).c_str());
        return 1;
    }
    ResolveNodeIndices(network);
    const int n = network.numNodes();
    const Links links = BranchLinks(network);
    std::printf("%d nodes, %zu branches taking part\n", n, links.size());

    TzRvnEnvelopeStorage storage = EnvelopeStorage(n, links);
    const bool panels = EnvelopeIsCheaper(storage, FactorEntryCount(n, links));
    TzRvnEnvelopeFactor envelope(storage);
    const EntryIndex onEnvelope = [&](int i, int j) { return envelope.storage().index(i, j); };
    report(panels ? "exact, envelope (chosen)" : "exact, envelope", envelope.storage().entries(),
           bestSolve(envelope, n, links, onEnvelope, repeats));
    TzRvnEnvelopeFactor oneThread(storage, storage.entries() + 1, 1);
    report("exact, envelope, 1 thread", storage.entries(), bestSolve(oneThread, n, links, onEnvelope, repeats));
    if (argc > 3) {
        TzRvnEnvelopeFactor units(storage, std::atoll(argv[3]), envelope.threads());
        report("exact, envelope, the units", storage.entries(), bestSolve(units, n, links, onEnvelope, repeats));
    }
    benchPattern(panels ? "exact, pattern" : "exact, pattern (chosen)", n, links, repeats);

    const std::vector<int> order = FillReducingOrder(n, links);
    std::vector<int> positionOf(order.size());
    for (std::size_t p = 0; p < order.size(); ++p) positionOf[static_cast<std::size_t>(order[p])] = static_cast<int>(p);
    benchPattern("ordered, pattern", n, permuted(links, positionOf), repeats);
    return 0;
}
