// The branches of a profile as the pipe drawn on it needs them: one segment per pair of
// consecutive nodes of the profile key that a branch joins, with the values its vertex data carry.
#pragma once

#include "network/elements.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct TzRvnPipeSegment {
    double firstNodeValue = 0.0;   // demand of the pair's first node
    double secondNodeValue = 0.0;  // demand of the pair's second node
    double gradeX = 0.0, gradeY = 0.0, gradeZ = 0.0;  // grade line point at the branch's end
    double length = 0.0;
    double diameter = 0.0;
    double roughness = 0.0;
    double csi = 0.0;
    double flow = 0.0;
    double velocity = 0.0;
    double reynolds = 0.0;
    double frictionSlope = 0.0;
    double headLoss = 0.0;
    std::wstring endNode;  // the pair's second node, for messages
};

// The eleven reals of a pipe vertex's data, in their order: the two node values, then L, D,
// roughness, CSI, Q, V, Re, J and dH.
using TzRvnPipeValues = std::array<double, 11>;
TzRvnPipeValues PipeValuesOf(const TzRvnPipeSegment& segment);

// The node names of a profile key ("P1-P2-P3"), split at every "-".
std::vector<std::wstring> SplitProfileKey(std::wstring_view key);

// One segment per consecutive pair (a, b) of names that a branch joins: the first branch, in
// network order, from a to b or from b to a. Node values come from the nodes of those names (0
// for a name no node has); the grade point is left at 0. Values are taken as the records give
// them.
std::vector<TzRvnPipeSegment> MakePipeSegments(const std::vector<std::wstring>& names,
                                               const std::vector<TzRvnNode>& nodes,
                                               const std::vector<TzRvnEdge>& edges);

// The abscissa of the end of each segment along a profile starting at x0: x0 plus the lengths of
// that segment and all before it.
std::vector<double> SegmentEndAbscissas(double x0, const std::vector<TzRvnPipeSegment>& segments);
