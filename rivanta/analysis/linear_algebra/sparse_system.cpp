#include "analysis/linear_algebra/sparse_system.h"

#include "analysis/linear_algebra/dense_system.h"
#include "analysis/linear_algebra/envelope_system.h"
#include "analysis/linear_algebra/ordering_amd.h"
#include "analysis/linear_algebra/sparse_factor_system.h"
#include "analysis/linear_algebra/sparse_pattern.h"

#include <numeric>

std::vector<std::pair<int, int>> BranchLinks(const TzRvnNetworkData& network) {
    std::vector<std::pair<int, int>> links;
    links.reserve(network.edges().size());
    for (const TzRvnEdge& edge : network.edges()) {
        if (!edge.excluded) links.emplace_back(edge.startIndex - 1, edge.endIndex - 1);
    }
    return links;
}

namespace {

// The exact factorisation in the network's own order, in envelope storage when that is the
// cheaper, on the factor's nonzero pattern otherwise: both give the dense one's bits.
std::unique_ptr<TzRvnSystemMatrix> exactSystem(const TzRvnNetworkData& network) {
    const std::vector<std::pair<int, int>> links = BranchLinks(network);
    TzRvnEnvelopeStorage storage = EnvelopeStorage(network.numNodes(), links);
    if (EnvelopeIsCheaper(storage, FactorEntryCount(network.numNodes(), links))) {
        return std::make_unique<TzRvnEnvelopeSystem>(network, std::move(storage));
    }
    std::vector<int> ownOrder(static_cast<std::size_t>(network.numNodes()));
    std::iota(ownOrder.begin(), ownOrder.end(), 0);
    return std::make_unique<TzRvnSparseSystem>(network, std::move(ownOrder));
}

}  // namespace

std::unique_ptr<TzRvnSystemMatrix> MakeSystemMatrix(const TzRvnNetworkData& network, TzRvnFactorisation kind) {
    switch (kind) {
        case TzRvnFactorisation::dense:
            return std::make_unique<TzRvnDenseSystem>(network.numNodes());
        case TzRvnFactorisation::ordered:
            return std::make_unique<TzRvnSparseSystem>(network,
                                                       FillReducingOrder(network.numNodes(), BranchLinks(network)));
        case TzRvnFactorisation::exact:
            break;
    }
    return exactSystem(network);
}
