// Small networks for the analysis tests, in SI units.
#pragma once

#include "network/network_data.h"

#include <string_view>

namespace rvntest {

class NetworkBuilder {
public:
    NetworkBuilder() {
        TzRvnSettings s;
        s.setFluid(0, 1.004e-6);
        s.initialVelocity = 1.0;
        s.maxIterations = 100;
        s.minBranchFlow = 1e-7;
        s.headTolerance = 0.001;
        s.flowTolerance = 1e-5;
        network_.setSettings(s);
    }

    NetworkBuilder& maxIterations(int limit) {
        TzRvnSettings s = network_.getSettings();
        s.maxIterations = limit;
        network_.setSettings(s);
        return *this;
    }

    NetworkBuilder& node(std::wstring_view name, double demand = 0.0, double elevation = 0.0) {
        TzRvnNode node;
        node.name = *TzRvnName::from(name);
        node.demand = demand;
        node.elevation = elevation;
        network_.nodes().push_back(node);
        return *this;
    }

    NetworkBuilder& branch(std::wstring_view start, std::wstring_view end, double length = 100.0,
                           double diameter = 0.1, double roughness = 1e-4, double csi = 0.0) {
        TzRvnEdge edge;
        edge.startNode = *TzRvnName::from(start);
        edge.endNode = *TzRvnName::from(end);
        edge.length = length;
        edge.diameter = diameter;
        edge.roughness = roughness;
        edge.csi = csi;
        network_.edges().push_back(edge);
        return *this;
    }

    NetworkBuilder& excludedBranch(std::wstring_view start, std::wstring_view end) {
        branch(start, end);
        network_.edges().back().excluded = 1;
        return *this;
    }

    NetworkBuilder& tank(std::wstring_view node, double level) {
        TzRvnTank tank;
        tank.nodeName = *TzRvnName::from(node);
        tank.head = level;
        network_.tanks().push_back(tank);
        return *this;
    }

    TzRvnNetworkData build() const { return network_; }

private:
    TzRvnNetworkData network_;
};

}  // namespace rvntest
