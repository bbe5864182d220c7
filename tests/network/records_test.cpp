// Names, notes and the operations of the plain network record, in display and SI units.
#include "network/network_data.h"
#include "network/settings_units.h"
#include "expect_doubles.h"
#include "network_builder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using rvntest::name;

TEST(NameField, HoldsFifteenUtf16UnitsAndRefusesMoreWithoutCutting) {
    TzRvnName field = name(L"N1");
    EXPECT_TRUE(field.assign(L"ABCDEFGHIJKLMNO"));
    EXPECT_FALSE(field.assign(L"ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(field.view(), L"ABCDEFGHIJKLMNO");
    // A character beyond the basic plane takes two UTF-16 code units.
    EXPECT_TRUE(field.assign(L"\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7X"));
    EXPECT_FALSE(field.assign(L"\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7\U0001F4A7"));
    EXPECT_FALSE(TzRvnName::from(std::wstring(L"A\0B", 3)));
    EXPECT_NE(name(L"Nodo"), name(L"nodo"));
}

TEST(NetworkRecord, NewElementsAreNewRecordsAndCountsDropTheRest) {
    TzRvnNetworkData network;
    network.setNumNodes(3);
    network.nodes()[2].head = 50.0;
    network.setNumNodes(2);
    network.setNumNodes(3);
    EXPECT_EQ(network.nodes()[2].head, NO_RESULT);
    EXPECT_EQ(network.minHead(), NO_RESULT);
    network.setNumEdges(-4);
    EXPECT_EQ(network.numEdges(), 0);
}

TEST(NetworkRecord, ConvertsOnlyTheDisplayedQuantities) {
    TzRvnNetworkData network;
    network.setSettings({kFlowLitresPerSecond, kLengthMillimetres, kLengthCentimetres, kSlopeMetresPerKilometre, -1, 0.0,
                         0.0, 0, 0.0, 0.0, 0.0, -1, 0.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0, 0});
    network.setNumNodes(1);
    network.setNumEdges(1);

    TzRvnNode node;
    node.demand = 5;
    node.elevation = 12.5;
    network.setNode(0, node);
    rvntest::ExpectDoublesEq({0.005, 5, 12.5}, {network.nodes()[0].demand, network.getNode(0).demand, network.getNode(0).elevation});

    TzRvnEdge edge;
    edge.diameter = 110;
    edge.roughness = 0.05;
    edge.length = 300;
    network.setEdge(0, edge);
    rvntest::ExpectDoublesEq({0.11, 0.0005, 110, 300}, {network.edges()[0].diameter, network.edges()[0].roughness,
                                                        network.getEdge(0).diameter, network.edges()[0].length});

    network.edges()[0].flow = 0.002;
    network.edges()[0].frictionSlope = 0.004;
    network.edges()[0].velocity = 1.5;
    rvntest::ExpectDoublesEq({2, 4, 1.5}, {network.getEdge(0).flow, network.getEdge(0).frictionSlope, network.getEdge(0).velocity});
}

TEST(NetworkRecord, SettersKeepResultsIndicesAndNotesNotGiven) {
    TzRvnNetworkData network;
    network.setNumNodes(1);
    network.setNumEdges(1);
    network.setNumTanks(1);
    network.nodes()[0].note.set(L"pozzo");
    network.nodes()[0].head = 80;
    network.edges()[0].startIndex = 2;
    network.edges()[0].endIndex = 3;
    network.edges()[0].flow = 0.01;
    network.tanks()[0].nodeIndex = 4;
    network.tanks()[0].flow = 0.03;

    TzRvnNode node;
    node.name = name(L"N7");
    network.setNode(0, node);
    const TzRvnNode& kept = network.nodes()[0];
    EXPECT_EQ(std::tuple(std::wstring(L"pozzo"), 80.0, name(L"N7")), std::tuple(kept.note.text(), kept.head, kept.name));

    TzRvnEdge edge;
    edge.excluded = 7;
    edge.note.set(L"PEAD");
    network.setEdge(0, edge);
    const TzRvnEdge& set = network.edges()[0];
    EXPECT_EQ(std::tuple(1, 2, 3, 0.01, std::wstring(L"PEAD")),
              std::tuple(set.excluded, set.startIndex, set.endIndex, set.flow, set.note.text()));
    edge.excluded = -3;
    network.setEdge(0, edge);
    EXPECT_EQ(network.edges()[0].excluded, 0);

    TzRvnTank tank;
    tank.nodeName = name(L"N7");
    tank.head = 95;
    network.setTank(0, tank);
    EXPECT_EQ(std::tuple(4, 0.03, 95.0), std::tie(network.tanks()[0].nodeIndex, network.tanks()[0].flow, network.tanks()[0].head));
}

TEST(NetworkRecord, AnEmptyNoteRemovesTheNote) {
    TzRvnNode node;
    node.note.set(L"Vecchia nota");
    node.note.set(L"");
    EXPECT_FALSE(node.note.has());
}

TEST(NetworkRecord, ExtremeHeads) {
    TzRvnNetworkData network;
    EXPECT_EQ(network.maxHead(), 0.0);
    EXPECT_EQ(network.minHead(), 1e10);
    network.setNumNodes(2);
    network.nodes()[0].head = -4;
    network.nodes()[1].head = -2;
    EXPECT_EQ(network.maxHead(), 0.0);
    EXPECT_EQ(network.minHead(), -4);
}

TEST(UnitFactors, HoldTheirFactorsBeforeAndAfterFillingAndOneOutsideTheTables) {
    EXPECT_EQ(FlowUnitFactor(kFlowLitresPerSecond), 0.001);
    EXPECT_EQ(DiameterUnitFactor(kLengthCentimetres), 0.01);
    FillUnitFactorTables();
    EXPECT_EQ(RoughnessUnitFactor(kLengthMillimetres), 0.001);
    EXPECT_EQ(SlopeUnitFactor(kSlopeMetresPerKilometre), 0.001);
    EXPECT_EQ(FlowUnitFactor(2), 1.0);
    EXPECT_EQ(DiameterUnitFactor(-1), 1.0);
}

}  // namespace
