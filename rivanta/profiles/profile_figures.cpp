#include "profiles/profile_figures.h"

#include <algorithm>
#include <cwchar>

const TzRvnNode* FindNodeNamed(const TzRvnNetworkData& network, std::wstring_view name) {
    const auto& nodes = network.nodes();
    const auto found = std::find_if(nodes.begin(), nodes.end(), [&](const TzRvnNode& node) { return node.name.view() == name; });
    return found == nodes.end() ? nullptr : &*found;
}

const TzRvnEdge* JoiningBranch(const TzRvnNetworkData& network, std::wstring_view a, std::wstring_view b) {
    const auto among = [&](const TzRvnName& end) { return end.view() == a || end.view() == b; };
    const auto& edges = network.edges();
    const auto found = std::find_if(edges.begin(), edges.end(),
                                    [&](const TzRvnEdge& edge) { return among(edge.startNode) && among(edge.endNode); });
    return found == edges.end() ? nullptr : &*found;
}

bool BranchTouches(const TzRvnEdge& edge, std::wstring_view node) {
    return edge.startNode.view() == node || edge.endNode.view() == node;
}

TzRvnProfileFigures ComputeProfileFigures(const TzRvnNetworkData& network, std::span<const std::wstring> names) {
    TzRvnProfileFigures figures;
    const std::wstring* previous = nullptr;
    for (const std::wstring& name : names) {
        if (name.empty()) break;
        if (const TzRvnNode* node = FindNodeNamed(network, name)) {
            const double high = std::max(node->elevation, node->head);
            const double low = std::min(node->elevation, node->head);
            figures.maximum = figures.maximum ? std::max(*figures.maximum, high) : high;
            figures.minimum = figures.minimum ? std::min(*figures.minimum, low) : low;
        }
        if (previous == nullptr) {
            previous = &name;
            continue;
        }
        if (const TzRvnEdge* branch = JoiningBranch(network, *previous, name)) {
            figures.length = figures.length.value_or(0.0) + branch->length;
            previous = &name;
        }
    }
    return figures;
}

std::wstring ProfileFigureText(const std::optional<double>& value) {
    if (!value) return L"";
    wchar_t buffer[64] = {};
    std::swprintf(buffer, std::size(buffer), L"%.2f", *value);
    return buffer;
}
