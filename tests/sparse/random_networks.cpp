#include "random_networks.h"

#include "analysis/topology/topology_check.h"
#include "network_builder.h"

#include <limits>
#include <numeric>
#include <string>

namespace rvntest {

namespace {

double uniform(std::mt19937& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

int pick(std::mt19937& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

bool chance(std::mt19937& random, double p) { return std::bernoulli_distribution(p)(random); }

TzRvnSettings settings(std::mt19937& random) {
    TzRvnSettings s;
    s.setFluid(0, 1.004e-6);
    s.initialVelocity = uniform(random, 0.3, 1.5);
    s.maxIterations = 1 + pick(random, 40);
    s.minBranchFlow = chance(random, 0.2) ? 1e-15 : 1e-7;
    s.headTolerance = 1e-4;
    s.flowTolerance = 1e-6;
    return s;
}

double demand(std::mt19937& random) {
    const int kind = pick(random, 10);
    if (kind == 0) return 0.0;
    if (kind == 1) return -uniform(random, 0.0, 0.005);
    return uniform(random, 0.0, 0.01);
}

double level(std::mt19937& random, bool odd) {
    if (odd && chance(random, 0.3)) {
        const double odds[] = {-25.0, 0.0, -0.0, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()};
        return odds[pick(random, 5)];
    }
    return uniform(random, 40.0, 120.0);
}

void addBranch(NetworkBuilder& builder, const std::vector<int>& name, int a, int b, std::mt19937& random) {
    if (chance(random, 0.5)) std::swap(a, b);
    const double diameters[] = {0.05, 0.08, 0.1, 0.15, 0.2, 0.3};
    const double diameter = diameters[pick(random, 6)];
    const double length = uniform(random, 5.0, 800.0);
    const double roughness = uniform(random, 1e-5, 1e-3);
    const double csi = chance(random, 0.2) ? uniform(random, 0.0, 5.0) : 0.0;
    const std::wstring start = std::to_wstring(name[static_cast<std::size_t>(a)]);
    const std::wstring end = std::to_wstring(name[static_cast<std::size_t>(b)]);
    if (chance(random, 0.08)) {
        builder.excludedBranch(start, end, length, diameter, roughness, csi);
    } else {
        builder.branch(start, end, length, diameter, roughness, csi);
    }
}

// A spanning tree and extra links between random nodes; with unfedParts the tree is now and then
// cut at a split point, so the part past it may get no tank.
void addRandomBranches(NetworkBuilder& builder, const std::vector<int>& name, bool unfedParts, std::mt19937& random) {
    const int n = static_cast<int>(name.size());
    const int cut = unfedParts && chance(random, 0.3) ? 1 + pick(random, n) : n;
    for (int i = 1; i < n; ++i) {
        if (i != cut) addBranch(builder, name, i, pick(random, i), random);
    }
    const int extra = pick(random, n + 1);
    for (int k = 0; k < extra; ++k) {
        const int a = pick(random, n);
        const int b = pick(random, n);
        if (a != b) addBranch(builder, name, a, b, random);
        if (a != b && chance(random, 0.1)) addBranch(builder, name, a, b, random);
    }
}

// Each node joined to its left neighbour within its row and to the node above it.
void addGridStreets(NetworkBuilder& builder, const std::vector<int>& name, int width, std::mt19937& random) {
    const int n = static_cast<int>(name.size());
    for (int i = 1; i < n; ++i) {
        if (i % width != 0) addBranch(builder, name, i, i - 1, random);
        if (i >= width) addBranch(builder, name, i, i - width, random);
    }
}

}  // namespace

TzRvnNetworkData RandomNetwork(std::mt19937& random, const RandomNetworkShape& shape) {
    const int n = shape.minNodes + pick(random, shape.maxNodes - shape.minNodes + 1);
    std::vector<int> name(static_cast<std::size_t>(n));
    std::iota(name.begin(), name.end(), 1);
    if (shape.gridWidth == 0) std::shuffle(name.begin(), name.end(), random);
    NetworkBuilder builder;
    builder.settings(settings(random));
    for (int i = 0; i < n; ++i) {
        const double nodeDemand = demand(random);
        builder.node(std::to_wstring(i + 1), nodeDemand, uniform(random, 0.0, 30.0));
    }
    if (shape.gridWidth > 0) {
        addGridStreets(builder, name, shape.gridWidth, random);
    } else {
        addRandomBranches(builder, name, shape.unfedParts, random);
    }
    const int tanks = 1 + pick(random, 4);
    for (int t = 0; t < tanks; ++t) {
        const int node = t > 0 && chance(random, 0.2) ? name[0] : name[static_cast<std::size_t>(pick(random, n))];
        builder.tank(std::to_wstring(node), level(random, shape.oddLevels));
    }
    TzRvnNetworkData network = builder.build();
    ResolveNodeIndices(network);
    return network;
}

}  // namespace rvntest
