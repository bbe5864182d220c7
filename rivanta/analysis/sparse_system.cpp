#include "analysis/sparse_system.h"

#include "analysis/dense_system.h"
#include "analysis/ordering_amd.h"
#include "analysis/sparse_factor_system.h"

namespace {

std::vector<std::pair<int, int>> nodeLinks(const TzRvnNetworkData& network) {
    std::vector<std::pair<int, int>> links;
    links.reserve(network.edges().size());
    for (const TzRvnEdge& edge : network.edges()) {
        if (!edge.excluded) links.emplace_back(edge.startIndex - 1, edge.endIndex - 1);
    }
    return links;
}

}  // namespace

std::unique_ptr<TzRvnSystemMatrix> MakeSystemMatrix(const TzRvnNetworkData& network, TzRvnFactorisation kind) {
    switch (kind) {
        case TzRvnFactorisation::dense:
            return std::make_unique<TzRvnDenseSystem>(network.numNodes());
        case TzRvnFactorisation::ordered:
            return std::make_unique<TzRvnSparseSystem>(network,
                                                       FillReducingOrder(network.numNodes(), nodeLinks(network)));
        case TzRvnFactorisation::exact:
            break;
    }
    return std::make_unique<TzRvnSparseSystem>(network, std::vector<int>{});
}
