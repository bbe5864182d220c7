// A looped street grid with the small demands of a real district (0.01 to 0.1 l/s a node) and
// dead ends without demand: its stagnant branches sit at the flow floor, where the ten Colebrook
// steps break down. The calculation must give finite results there, and the same heads and flows
// as an independent calculation of the same law: linear-theory iterations on a dense system
// solved by Gaussian elimination, with the friction factor of a converged Colebrook root (laminar
// 64/Re where the fixed point does not converge).
#include "analysis/solver/non_finite_results.h"
#include "analysis/solver/solver.h"
#include "analysis/topology/topology_check.h"
#include "network_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 12;
constexpr int kColumns = 20;
constexpr int kDeadEnds = 10;
constexpr double kViscosity = 1.004e-6;
constexpr double kMinFlow = 1e-7;

std::wstring gridName(int row, int column) { return std::to_wstring(row * kColumns + column + 1); }

TzRvnNetworkData lowDemandGrid() {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> demand(0.01e-3, 0.1e-3);
    rvntest::NetworkBuilder builder;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) builder.node(gridName(r, c), demand(random), 20.0);
    }
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const double diameter = (r % 5 == 0 || c % 5 == 0) ? 0.15 : 0.08;
            if (c + 1 < kColumns) builder.branch(gridName(r, c), gridName(r, c + 1), 100.0, diameter, 1e-4);
            if (r + 1 < kRows) builder.branch(gridName(r, c), gridName(r + 1, c), 120.0, diameter, 1e-4);
        }
    }
    for (int d = 0; d < kDeadEnds; ++d) {
        const std::wstring end = L"D" + std::to_wstring(d + 1);
        builder.node(end, 0.0, 20.0).branch(gridName(1 + d % (kRows - 2), 3 + 2 * d % (kColumns - 4)), end, 40.0, 0.05, 1e-4);
    }
    builder.tank(gridName(0, 0), 80.0).tank(gridName(kRows - 1, kColumns - 1), 80.0);
    TzRvnNetworkData network = builder.build();
    TzRvnSettings settings = network.getSettings();
    settings.headTolerance = 1e-5;
    settings.flowTolerance = 1e-6;  // a few floor flows meeting at a node
    settings.maxIterations = 200;
    network.setSettings(settings);
    return network;
}

// x = 1/sqrt(f) by the fixed point alone, ten steps from 6: what the friction was before the
// laminar rule.
double tenColebrookSteps(double reynolds, double roughness, double diameter) {
    double x = 6.0;
    for (int step = 0; step < 10; ++step) x = -2.0 * std::log10(2.51 * x / reynolds + roughness / (3.71 * diameter));
    return x;
}

// The friction law solved to convergence: Colebrook's root where its fixed point converges, else
// the laminar law.
double frictionFactor(double reynolds, double roughness, double diameter) {
    double x = 6.0;
    for (int step = 0; step < 500; ++step) {
        const double next = -2.0 * std::log10(2.51 * x / reynolds + roughness / (3.71 * diameter));
        if (std::isfinite(next) && next > 0.0 && std::fabs(next - x) < 1e-13 * next) return 1.0 / (next * next);
        x = next;
    }
    return 64.0 / reynolds;
}

double resistance(const TzRvnEdge& edge, double flow) {
    const double area = M_PI / 4.0 * edge.diameter * edge.diameter;
    const double reynolds = std::fabs(flow) / area * edge.diameter / kViscosity;
    const double f = frictionFactor(reynolds, edge.roughness, edge.diameter);
    return (f * edge.length / edge.diameter + edge.csi) / (2.0 * 9.80665 * area * area);
}

// Solves A x = b in place by Gaussian elimination with partial pivoting.
std::vector<double> gaussianSolve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i) {
            if (std::fabs(a[i][k]) > std::fabs(a[pivot][k])) pivot = i;
        }
        std::swap(a[k], a[pivot]);
        std::swap(b[k], b[pivot]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double factor = a[i][k] / a[k][k];
            if (factor == 0.0) continue;
            for (std::size_t j = k; j < n; ++j) a[i][j] -= factor * a[k][j];
            b[i] -= factor * b[k];
        }
    }
    std::vector<double> x(n);
    for (std::size_t i = n; i-- > 0;) {
        double sum = b[i];
        for (std::size_t j = i + 1; j < n; ++j) sum -= a[i][j] * x[j];
        x[i] = sum / a[i][i];
    }
    return x;
}

struct Solution {
    std::vector<double> heads;
    std::vector<double> flows;
};

// Linear theory: each branch's conductance from its last flow, the heads from continuity with the
// tanks' levels fixed, the flows averaged with the new ones, until they stop changing. The
// resistances stay as given, as the friction of one phase does.
Solution linearTheory(const TzRvnNetworkData& network, const std::vector<double>& r, std::vector<double> flows) {
    const std::size_t n = network.nodes().size();
    Solution solution;
    for (int iteration = 0; iteration < 1000; ++iteration) {
        std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
        std::vector<double> b(n);
        for (std::size_t i = 0; i < n; ++i) b[i] = -network.nodes()[i].demand;
        std::vector<double> conductance(flows.size());
        for (std::size_t k = 0; k < flows.size(); ++k) {
            const TzRvnEdge& e = network.edges()[k];
            conductance[k] = 1.0 / (r[k] * std::max(std::fabs(flows[k]), kMinFlow));
            const int s = e.startIndex - 1, t = e.endIndex - 1;
            a[s][s] += conductance[k];
            a[t][t] += conductance[k];
            a[s][t] -= conductance[k];
            a[t][s] -= conductance[k];
        }
        for (const TzRvnTank& tank : network.tanks()) {
            const int i = tank.nodeIndex - 1;
            std::fill(a[i].begin(), a[i].end(), 0.0);
            a[i][i] = 1.0;
            b[i] = tank.head;
        }
        solution.heads = gaussianSolve(std::move(a), std::move(b));
        double change = 0.0;
        for (std::size_t k = 0; k < flows.size(); ++k) {
            const TzRvnEdge& e = network.edges()[k];
            const double next = conductance[k] * (solution.heads[e.startIndex - 1] - solution.heads[e.endIndex - 1]);
            change = std::max(change, std::fabs(next - flows[k]));
            flows[k] = 0.5 * (flows[k] + next);
        }
        if (change < 1e-13) break;
    }
    solution.flows = flows;
    return solution;
}

// Both friction phases of the calculation, each solved to convergence: the friction of the initial
// velocity, then the friction of the first phase's flows.
Solution independentSolution(const TzRvnNetworkData& network) {
    const double velocity = network.settings().initialVelocity;
    std::vector<double> r, flows;
    for (const TzRvnEdge& e : network.edges()) {
        flows.push_back(M_PI / 4.0 * e.diameter * e.diameter * velocity);
        r.push_back(resistance(e, flows.back()));
    }
    const Solution first = linearTheory(network, r, flows);
    for (std::size_t k = 0; k < r.size(); ++k) r[k] = resistance(network.edges()[k], first.flows[k]);
    return linearTheory(network, r, first.flows);
}

TEST(LowDemandGrid, StagnantBranchesAreLaminarAndTheResultsAgreeWithAnIndependentCalculation) {
    TzRvnNetworkData network = lowDemandGrid();
    TzRvnStringReport check;
    ASSERT_EQ(CheckTopology(network, std::wstring(L"griglia"), check, KeepText), 1);
    const Solution expected = independentSolution(network);
    TzRvnStringReport log;
    const TzRvnSolverOutcome outcome = SolveNetwork(network, std::wstring(L"griglia"), log, KeepText);
    ASSERT_EQ(outcome.result, 1);
    EXPECT_TRUE(outcome.converged);
    EXPECT_TRUE(NonFiniteResults(network).empty());

    int breakdowns = 0;
    for (const TzRvnEdge& e : network.edges()) {
        if (!std::isfinite(tenColebrookSteps(e.reynolds, e.roughness, e.diameter))) ++breakdowns;
    }
    EXPECT_GE(breakdowns, kDeadEnds) << "the grid must hold branches where the ten steps alone give NaN";

    double headDrop = 0.0, largestFlow = 0.0;
    for (std::size_t i = 0; i < expected.heads.size(); ++i) headDrop = std::max(headDrop, 80.0 - expected.heads[i]);
    for (double q : expected.flows) largestFlow = std::max(largestFlow, std::fabs(q));
    ASSERT_GT(headDrop, 0.01);
    for (std::size_t i = 0; i < expected.heads.size(); ++i) {
        EXPECT_NEAR(network.nodes()[i].head, expected.heads[i], 1e-3 * headDrop) << "node " << i + 1;
    }
    for (std::size_t k = 0; k < expected.flows.size(); ++k) {
        EXPECT_NEAR(network.edges()[k].flow, expected.flows[k], 1e-3 * largestFlow) << "branch " << k + 1;
    }
}

}  // namespace
