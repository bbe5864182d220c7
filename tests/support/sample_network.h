// A small network for the tests that file, save or draw one, and the items a network files.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "dwg_memory_filer.h"
#include "netobj/network_object.h"
#include "network_builder.h"

namespace rvntest {

// Three nodes (the second without name or note), two branches (the second excluded), two tanks (the
// second without note), with results as a calculation leaves them and settings in l/s and mm.
inline TzRvnNetworkData sampleNetwork() {
    TzRvnNetworkData network(true);
    TzRvnSettings settings = NetworkBuilder().build().settings();
    settings.flowUnit = 1;
    settings.diameterUnit = 2;
    settings.roughnessUnit = 2;
    settings.slopeUnit = 1;
    settings.fluidIndex = 0;
    settings.materialIndex = 2;
    settings.defaultRoughness = 0.0001;
    settings.minPressureHead = 0.1;
    settings.maxPressureHead = 1.0;
    settings.minVelocity = 0.1;
    settings.maxVelocity = 1.0;
    settings.colourLowHead = 100;
    settings.colourHighHead = 200;
    settings.colourLowVelocity = 300;
    settings.colourHighVelocity = 0xFFFFFFFFu;
    network.setSettings(settings);

    TzRvnNode source;
    source.name = name(L"N1");
    source.elevation = 40.0;
    source.note.set(L"sorgente");
    source.head = 75.0;
    source.pressureHead = 35.0;
    TzRvnNode unnamed;
    unnamed.demand = 0.002;
    TzRvnNode last;
    last.name = name(L"N3");
    last.demand = 0.0015;
    last.elevation = 20.0;
    last.note.set(L"valle");
    network.nodes() = {source, unnamed, last};

    TzRvnEdge pipe;
    pipe.startIndex = 1;
    pipe.endIndex = 3;
    pipe.startNode = name(L"N1");
    pipe.endNode = name(L"N3");
    pipe.length = 120.0;
    pipe.diameter = 0.11;
    pipe.roughness = 0.0001;
    pipe.csi = 2.5;
    pipe.note.set(L"ramo \u00e8 nuovo");
    pipe.flow = 0.0035;
    pipe.velocity = 0.368;
    pipe.reynolds = 40345.0;
    pipe.frictionSlope = 0.0021;
    pipe.headLoss = 0.252;
    TzRvnEdge excluded;
    excluded.startNode = name(L"N3");
    excluded.endNode = name(L"N1");
    excluded.excluded = 1;
    excluded.length = 10.0;
    excluded.diameter = 0.05;
    network.edges() = {pipe, excluded};

    TzRvnTank tank;
    tank.nodeIndex = 1;
    tank.nodeName = name(L"N1");
    tank.head = 75.0;
    tank.note.set(L"serbatoio alto");
    tank.flow = 0.0035;
    TzRvnTank second;
    second.nodeName = name(L"N3");
    second.head = 60.0;
    network.tanks() = {tank, second};
    return network;
}

// The items the network files: all it holds but its entities and the indices derived from names.
inline std::wstring filedItems(const TzRvnNetworkData& data) {
    rvnhost::MemoryDwgFiler filer;
    EXPECT_EQ(Acad::eOk, TzRvnNetwork(data).dwgOutFields(&filer));
    return filer.dump();
}

}  // namespace rvntest
