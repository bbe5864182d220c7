// A small network for the tests that file, save or draw one.
#pragma once

#include "netobj/network_object.h"
#include "network_builder.h"

namespace rvntest {

// Three nodes (the second without name or note), two branches (the second excluded), two tanks (the
// second without note), with results as a calculation leaves them and settings in l/s and mm.
inline TzRvnNetworkData sampleNetwork() {
    TzRvnNetworkData network = NetworkBuilder()
                                   .node(L"N1", 0.0, 40.0, L"sorgente").node(L"", 0.002).node(L"N3", 0.0015, 20.0, L"valle")
                                   .branch(L"N1", L"N3", 120.0, 0.11, 0.0001, 2.5).branchNote(L"ramo \u00e8 nuovo")
                                   .excludedBranch(L"N3", L"N1", 10.0, 0.05, 0.0)
                                   .tank(L"N1", 75.0).tank(L"N3", 60.0).build();
    network.setHasSchema(true);
    // The builder's fluid, start velocity, iteration limit and tolerances; units, material, thresholds
    // and colours of their own.
    network.setSettings({1, 2, 2, 1, 0, 1.004e-6, 1.0, 100, 1e-7, 0.001, 1e-5, 2, 0.0001, 0.1, 1.0, 0.1, 1.0, 100, 200, 300,
                         0xFFFFFFFFu});

    TzRvnNode& source = network.nodes()[0];
    source.head = 75.0;
    source.pressureHead = 35.0;
    TzRvnEdge& pipe = network.edges()[0];
    pipe.startIndex = 1;
    pipe.endIndex = 3;
    pipe.flow = 0.0035;
    pipe.velocity = 0.368;
    pipe.reynolds = 40345.0;
    pipe.frictionSlope = 0.0021;
    pipe.headLoss = 0.252;
    TzRvnTank& tank = network.tanks()[0];
    tank.nodeIndex = 1;
    tank.note.set(L"serbatoio alto");
    tank.flow = 0.0035;
    return network;
}

}  // namespace rvntest
