// The figures of a profile as the profile dialog shows them: its length along the branches that
// join its nodes, and the highest and lowest of its nodes' ground elevations and heads. Plain
// records in, plain values out: no host call.
#pragma once

#include "network/network_data.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The first node (network order) with that name, or nullptr.
const TzRvnNode* FindNodeNamed(const TzRvnNetworkData& network, std::wstring_view name);

// The first branch (network order) whose start and end are both among {a, b}, or nullptr.
const TzRvnEdge* JoiningBranch(const TzRvnNetworkData& network, std::wstring_view a, std::wstring_view b);

// True when the branch has the node at its start or at its end.
bool BranchTouches(const TzRvnEdge& edge, std::wstring_view node);

struct TzRvnProfileFigures {
    std::optional<double> length;   // none until a branch length has been summed
    std::optional<double> maximum;  // none when no name of the profile is a node of the network
    std::optional<double> minimum;
};

// Walks the names up to the first empty one. Each name that is a node widens the maximum with the
// larger of its elevation and head, and the minimum with the smaller (an uncalculated head,
// NO_RESULT, takes part as it is). Each later name adds the length of the first branch joining it
// to the previous name; a name no branch joins to the previous one adds nothing and the previous
// name stays.
TzRvnProfileFigures ComputeProfileFigures(const TzRvnNetworkData& network, std::span<const std::wstring> names);

// A figure as the dialog's fields show it: two decimals, empty for none.
std::wstring ProfileFigureText(const std::optional<double>& value);
