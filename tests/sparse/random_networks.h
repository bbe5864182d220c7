// Random networks for comparing the factorisations: looped graphs under a shuffled numbering with
// excluded, reversed and repeated branches, several tanks (two on one node at times, negative or
// not finite levels at times), zero, negative and positive demands.
#pragma once

#include "network/network_data.h"

#include <random>

namespace rvntest {

struct RandomNetworkShape {
    int minNodes = 2;
    int maxNodes = 40;
    bool oddLevels = false;      // tank levels negative, zero, infinite or NaN now and then
    bool unfedParts = false;     // now and then a part of the network no tank feeds
    // Above 0: a street grid of rows this wide, numbered row by row, each node joined to its left
    // and upper neighbours, instead of a random graph under a shuffled numbering.
    int gridWidth = 0;
};

TzRvnNetworkData RandomNetwork(std::mt19937& random, const RandomNetworkShape& shape);

}  // namespace rvntest
