#include "analysis/linear_algebra/ordering_amd.h"

#include "analysis/linear_algebra/vector_position.h"

#include <suitesparse/amd.h>

#include <algorithm>
#include <numeric>

namespace {

// The graph as AMD takes it: both triangles, columns sorted, no repeats, no diagonal.
struct CompressedGraph {
    std::vector<int> start;
    std::vector<int> neighbour;
};

CompressedGraph compressedGraph(int n, const std::vector<std::pair<int, int>>& links) {
    std::vector<std::vector<int>> adjacent(at(n));
    for (const auto& [a, b] : links) {
        if (a == b) continue;
        adjacent[at(a)].push_back(b);
        adjacent[at(b)].push_back(a);
    }
    CompressedGraph graph;
    graph.start.push_back(0);
    for (std::vector<int>& list : adjacent) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        graph.neighbour.insert(graph.neighbour.end(), list.begin(), list.end());
        graph.start.push_back(static_cast<int>(graph.neighbour.size()));
    }
    return graph;
}

}  // namespace

std::vector<int> FillReducingOrder(int n, const std::vector<std::pair<int, int>>& links) {
    std::vector<int> order(at(std::max(n, 0)));
    std::iota(order.begin(), order.end(), 0);
    if (n <= 1) return order;
    const CompressedGraph graph = compressedGraph(n, links);
    std::vector<int> amdOrder(at(n));
    const int status = amd_order(n, graph.start.data(), graph.neighbour.data(), amdOrder.data(), nullptr, nullptr);
    if (status == AMD_OK || status == AMD_OK_BUT_JUMBLED) order = std::move(amdOrder);
    return order;
}
