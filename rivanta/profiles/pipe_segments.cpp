#include "profiles/pipe_segments.h"

#include "profiles/pipe_on_profile_texts.h"

#include <algorithm>

namespace {

double demandOf(const std::vector<TzRvnNode>& nodes, std::wstring_view name) {
    const auto node = std::find_if(nodes.begin(), nodes.end(), [&](const TzRvnNode& n) { return n.name.view() == name; });
    return node == nodes.end() ? 0.0 : node->demand;
}

bool joins(const TzRvnEdge& edge, std::wstring_view a, std::wstring_view b) {
    const std::wstring_view start = edge.startNode.view();
    const std::wstring_view end = edge.endNode.view();
    return (start == a && end == b) || (start == b && end == a);
}

}  // namespace

TzRvnPipeValues PipeValuesOf(const TzRvnPipeSegment& s) {
    return {s.firstNodeValue, s.secondNodeValue, s.length,   s.diameter,      s.roughness, s.csi,
            s.flow,           s.velocity,        s.reynolds, s.frictionSlope, s.headLoss};
}

std::vector<std::wstring> SplitProfileKey(std::wstring_view key) {
    std::vector<std::wstring> names;
    std::size_t from = 0;
    for (std::size_t at = key.find(rvnprofile::kProfileKeySeparator); at != std::wstring_view::npos;
         at = key.find(rvnprofile::kProfileKeySeparator, from)) {
        names.emplace_back(key.substr(from, at - from));
        from = at + 1;
    }
    names.emplace_back(key.substr(from));
    return names;
}

std::vector<TzRvnPipeSegment> MakePipeSegments(const std::vector<std::wstring>& names,
                                               const std::vector<TzRvnNode>& nodes,
                                               const std::vector<TzRvnEdge>& edges) {
    std::vector<TzRvnPipeSegment> segments;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const std::wstring& a = names[i];
        const std::wstring& b = names[i + 1];
        const auto edge = std::find_if(edges.begin(), edges.end(), [&](const TzRvnEdge& e) { return joins(e, a, b); });
        if (edge == edges.end()) continue;
        TzRvnPipeSegment segment;
        segment.firstNodeValue = demandOf(nodes, a);
        segment.secondNodeValue = demandOf(nodes, b);
        segment.length = edge->length;
        segment.diameter = edge->diameter;
        segment.roughness = edge->roughness;
        segment.csi = edge->csi;
        segment.flow = edge->flow;
        segment.velocity = edge->velocity;
        segment.reynolds = edge->reynolds;
        segment.frictionSlope = edge->frictionSlope;
        segment.headLoss = edge->headLoss;
        segment.endNode = b;
        segments.push_back(std::move(segment));
    }
    return segments;
}

std::vector<double> SegmentEndAbscissas(double x0, const std::vector<TzRvnPipeSegment>& segments) {
    std::vector<double> abscissas;
    double x = x0;
    for (const TzRvnPipeSegment& segment : segments) {
        x += segment.length;
        abscissas.push_back(x);
    }
    return abscissas;
}
