// Results that are not finite numbers: what a calculation gives when its data lead to an infinity
// or a NaN (a zero length, a demand no branch can carry). Such results are never a solution.
#pragma once

#include "network/network_data.h"

#include <vector>

struct TzRvnNonFiniteResults {
    std::vector<int> nodes;     // 0-based nodes whose head or pressure head is not finite
    std::vector<int> branches;  // 0-based branches with a result that is not finite
    std::vector<int> tanks;     // 0-based tanks whose flow is not finite

    bool empty() const { return nodes.empty() && branches.empty() && tanks.empty(); }
};

TzRvnNonFiniteResults NonFiniteResults(const TzRvnNetworkData& network);
