// The test networks, as records (NetworkBuilder, in SI units) and as Portavia files (PtvWriter).
#pragma once

#include "network/network_data.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rvntest {

inline TzRvnName name(std::wstring_view text) { return *TzRvnName::from(text); }

class NetworkBuilder {
public:
    // With the settings a calculation converges with on small networks: water at 20 °C, a start
    // at 1 m/s, tolerances of 1 mm and 0.01 l/s.
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

    NetworkBuilder& settings(const TzRvnSettings& settings) {
        network_.setSettings(settings);
        return *this;
    }

    NetworkBuilder& node(std::wstring_view name, double demand = 0.0, double elevation = 0.0,
                         std::wstring_view note = {}) {
        TzRvnNode node;
        node.name = *TzRvnName::from(name);
        node.demand = demand;
        node.elevation = elevation;
        if (!note.empty()) node.note.set(std::wstring(note));
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

    NetworkBuilder& excludedBranch(std::wstring_view start, std::wstring_view end, double length = 100.0,
                                   double diameter = 0.1, double roughness = 1e-4, double csi = 0.0) {
        branch(start, end, length, diameter, roughness, csi);
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

    // Sets a note on the last branch.
    NetworkBuilder& branchNote(std::wstring_view note) {
        network_.edges().back().note.set(std::wstring(note));
        return *this;
    }

    TzRvnNetworkData build() const { return network_; }

private:
    TzRvnNetworkData network_;
};

// Builds a Portavia file in memory: header, 48-byte nodes, 52-byte branches, 10-byte tanks,
// little-endian.
class PtvWriter {
public:
    PtvWriter& int16(std::int16_t value) { return unsignedValue(static_cast<std::uint16_t>(value), 2); }
    PtvWriter& real(double value) { return unsignedValue(std::bit_cast<std::uint64_t>(value), 8); }
    PtvWriter& zeros(std::size_t count) {
        bytes_.append(count, '\0');
        return *this;
    }
    PtvWriter& note(std::u16string units) {
        units.resize(8, u'\0');
        for (char16_t unit : units) unsignedValue(unit, 2);
        return *this;
    }
    PtvWriter& header(std::int16_t nodes, std::int16_t branches, std::int16_t tanks, double initialVelocity = 0.8,
                      std::int16_t iterationLimit = 50) {
        zeros(84).real(1.004e-6).real(initialVelocity).zeros(32).real(1e-7).int16(iterationLimit);
        real(0.001).real(1e-5);
        return int16(nodes).int16(branches).int16(tanks);
    }
    PtvWriter& node(double demand, double elevation, std::u16string text = u"") {
        return zeros(16).real(demand).real(elevation).note(std::move(text));
    }
    PtvWriter& branch(std::int16_t start, std::int16_t end, double length, double roughness, double diameter,
                      double csi = 0.0, std::u16string text = u"") {
        return int16(start).int16(end).real(length).real(roughness).real(csi).real(diameter).note(std::move(text));
    }
    PtvWriter& tank(std::int16_t node, double level) { return int16(node).real(level); }
    const std::string& bytes() const { return bytes_; }

private:
    PtvWriter& unsignedValue(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
        return *this;
    }
    std::string bytes_;
};

struct PtvBranch {
    std::int16_t start, end;
    double length, roughness, diameter;
};

// A Portavia file a calculation converges on: nodes at 10 m (the first without demand, the others
// taking 1 l/s), the branches given and `tanks` tanks at `level` on node 1.
inline std::string PortaviaFile(int nodes, const std::vector<PtvBranch>& branches, int tanks, double level) {
    PtvWriter file;
    file.header(static_cast<std::int16_t>(nodes), static_cast<std::int16_t>(branches.size()),
                static_cast<std::int16_t>(tanks), 1.0, 100);
    for (int node = 0; node < nodes; ++node) file.node(node == 0 ? 0.0 : 0.001, 10.0);
    for (const PtvBranch& b : branches) file.branch(b.start, b.end, b.length, b.roughness, b.diameter);
    for (int tank = 0; tank < tanks; ++tank) file.tank(1, level);
    return file.bytes();
}

}  // namespace rvntest
