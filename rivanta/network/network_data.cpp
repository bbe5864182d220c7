#include "network/network_data.h"

#include "network/settings_units.h"

#include <algorithm>

namespace {

template <typename Record>
void resize(std::vector<Record>& records, int n) {
    records.resize(static_cast<std::size_t>(std::max(n, 0)));
}

void takeNote(TzRvnNote& target, const TzRvnNote& given) {
    if (given.has()) target = given;
}

std::int32_t clampExcluded(std::int32_t excluded) { return std::clamp(excluded, 0, 1); }

constexpr double kMinHeadStart = 1e10;

}  // namespace

void TzRvnNetworkData::setNumNodes(int n) { resize(nodes_, n); }
void TzRvnNetworkData::setNumEdges(int n) { resize(edges_, n); }
void TzRvnNetworkData::setNumTanks(int n) { resize(tanks_, n); }

TzRvnNode TzRvnNetworkData::getNode(int i) const {
    TzRvnNode node = nodes_[static_cast<std::size_t>(i)];
    node.demand /= FlowUnitFactor(settings_.flowUnit);
    return node;
}

void TzRvnNetworkData::setNode(int i, const TzRvnNode& node) {
    TzRvnNode& target = nodes_[static_cast<std::size_t>(i)];
    target.entityId = node.entityId;
    target.name = node.name;
    target.demand = node.demand * FlowUnitFactor(settings_.flowUnit);
    target.elevation = node.elevation;
    takeNote(target.note, node.note);
}

TzRvnEdge TzRvnNetworkData::getEdge(int i) const {
    TzRvnEdge edge = edges_[static_cast<std::size_t>(i)];
    edge.diameter /= DiameterUnitFactor(settings_.diameterUnit);
    edge.roughness /= RoughnessUnitFactor(settings_.roughnessUnit);
    edge.flow /= FlowUnitFactor(settings_.flowUnit);
    edge.frictionSlope /= SlopeUnitFactor(settings_.slopeUnit);
    return edge;
}

void TzRvnNetworkData::setEdge(int i, const TzRvnEdge& edge) {
    TzRvnEdge& target = edges_[static_cast<std::size_t>(i)];
    target.entityId = edge.entityId;
    target.startNode = edge.startNode;
    target.endNode = edge.endNode;
    target.excluded = clampExcluded(edge.excluded);
    target.length = edge.length;
    target.diameter = edge.diameter * DiameterUnitFactor(settings_.diameterUnit);
    target.roughness = edge.roughness * RoughnessUnitFactor(settings_.roughnessUnit);
    target.csi = edge.csi;
    takeNote(target.note, edge.note);
}

TzRvnTank TzRvnNetworkData::getTank(int i) const {
    TzRvnTank tank = tanks_[static_cast<std::size_t>(i)];
    tank.flow /= FlowUnitFactor(settings_.flowUnit);
    return tank;
}

void TzRvnNetworkData::setTank(int i, const TzRvnTank& tank) {
    TzRvnTank& target = tanks_[static_cast<std::size_t>(i)];
    target.entityId = tank.entityId;
    target.nodeName = tank.nodeName;
    target.head = tank.head;
    takeNote(target.note, tank.note);
}

double TzRvnNetworkData::maxHead() const {
    double highest = 0.0;
    for (const TzRvnNode& node : nodes_) highest = std::max(highest, node.head);
    return highest;
}

double TzRvnNetworkData::minHead() const {
    double lowest = kMinHeadStart;
    for (const TzRvnNode& node : nodes_) lowest = std::min(lowest, node.head);
    return lowest;
}
