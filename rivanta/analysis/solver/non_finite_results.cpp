#include "analysis/solver/non_finite_results.h"

#include <cmath>

namespace {

bool finite(const TzRvnNode& node) { return std::isfinite(node.head) && std::isfinite(node.pressureHead); }

bool finite(const TzRvnEdge& edge) {
    return std::isfinite(edge.flow) && std::isfinite(edge.velocity) && std::isfinite(edge.reynolds) &&
           std::isfinite(edge.frictionSlope) && std::isfinite(edge.headLoss);
}

bool finite(const TzRvnTank& tank) { return std::isfinite(tank.flow); }

template <class Element>
std::vector<int> notFinite(const std::vector<Element>& elements) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (!finite(elements[i])) positions.push_back(static_cast<int>(i));
    }
    return positions;
}

}  // namespace

TzRvnNonFiniteResults NonFiniteResults(const TzRvnNetworkData& network) {
    return {notFinite(network.nodes()), notFinite(network.edges()), notFinite(network.tanks())};
}
