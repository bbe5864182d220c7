// A network as plain data: its settings, its nodes, branches and tanks, and whether a schema in
// the drawing represents it. The network object of the drawing holds one and hands it to the
// topology check, the solver and the filing.
#pragma once

#include "network/elements.h"
#include "network/settings.h"

#include <vector>

class TzRvnNetworkData {
public:
    explicit TzRvnNetworkData(bool hasSchema = false) : hasSchema_(hasSchema) {}

    int numNodes() const { return static_cast<int>(nodes_.size()); }
    int numEdges() const { return static_cast<int>(edges_.size()); }
    int numTanks() const { return static_cast<int>(tanks_.size()); }

    // Set a count: elements beyond n are dropped, new ones are new records (a negative n is 0).
    void setNumNodes(int n);
    void setNumEdges(int n);
    void setNumTanks(int n);

    // Element operations in display units; i is 0-based and below the count.
    // getNode: a copy with demand in the display flow unit.
    TzRvnNode getNode(int i) const;
    // setNode: takes entityId, name, demand (display flow unit), elevation and the note when the
    // record has one; keeps the node's results.
    void setNode(int i, const TzRvnNode& node);
    // getEdge: a copy with diameter, roughness, flow and frictionSlope in display units.
    TzRvnEdge getEdge(int i) const;
    // setEdge: takes entityId, startNode, endNode, excluded (above 1 stored as 1, negative as 0),
    // length, diameter and roughness (display units), csi and the note when the record has one;
    // keeps startIndex, endIndex and the results.
    void setEdge(int i, const TzRvnEdge& edge);
    // getTank: a copy with flow in the display flow unit.
    TzRvnTank getTank(int i) const;
    // setTank: takes entityId, nodeName, head and the note when the record has one; keeps
    // nodeIndex and flow.
    void setTank(int i, const TzRvnTank& tank);

    TzRvnSettings getSettings() const { return settings_; }
    void setSettings(const TzRvnSettings& settings) { settings_ = settings; }
    const TzRvnSettings& settings() const { return settings_; }

    bool hasSchema() const { return hasSchema_; }
    void setHasSchema(bool hasSchema) { hasSchema_ = hasSchema; }

    // The largest node head, never below 0.0.
    double maxHead() const;
    // The smallest node head, starting from 1e10 (NO_RESULT when a node has no result).
    double minHead() const;

    // The records in SI units, for the topology check, the solver, the filing and the import.
    std::vector<TzRvnNode>& nodes() { return nodes_; }
    const std::vector<TzRvnNode>& nodes() const { return nodes_; }
    std::vector<TzRvnEdge>& edges() { return edges_; }
    const std::vector<TzRvnEdge>& edges() const { return edges_; }
    std::vector<TzRvnTank>& tanks() { return tanks_; }
    const std::vector<TzRvnTank>& tanks() const { return tanks_; }

private:
    TzRvnSettings settings_;
    std::vector<TzRvnNode> nodes_;
    std::vector<TzRvnEdge> edges_;
    std::vector<TzRvnTank> tanks_;
    bool hasSchema_ = false;
};
