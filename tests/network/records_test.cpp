// Names and the operations of the plain network record. Its conversions between display and SI
// units are the grids' (tests/database), the example scripts' and the profiles'; a note emptied is
// the schema's regeneration test's.
#include "network/network_data.h"
#include "network/settings_units.h"
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
    // What fits (UTF-16 units, no zero character) is the document state's test of the names it takes.
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
