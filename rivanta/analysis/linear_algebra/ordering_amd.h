// A fill-reducing order of the nodes for the sparse factorisation: approximate minimum degree
// (Amestoy, Davis and Duff, "An approximate minimum degree ordering algorithm", 1996), through
// SuiteSparse's AMD library.
#pragma once

#include <utility>
#include <vector>

// The nodes of an n-node graph whose edges are links (0-based pairs, either order, repeats
// allowed) in elimination order: order[p] is the node eliminated p-th. The identity when the
// library refuses the graph.
std::vector<int> FillReducingOrder(int n, const std::vector<std::pair<int, int>>& links);
