// The topology report where names, not the shared cases' node numbers, decide (unknown, empty and
// repeated names, excluded branches), and the iteration log's columns. The shared cases check both
// reports whole; the network object's tests the report of a network without its dictionary.
#include "analysis/solver/iteration_log.h"
#include "analysis/solver/text_format.h"
#include "analysis/topology/topology_check.h"
#include "network_builder.h"

#include <gtest/gtest.h>

namespace {

using rvntest::NetworkBuilder;

std::wstring check(TzRvnNetworkData& network, int expectedResult) {
    TzRvnStringReport report;
    EXPECT_EQ(CheckTopology(network, L"rete", report, KeepText), expectedResult);
    return report.text();
}

bool contains(const std::wstring& text, std::wstring_view part) { return text.find(part) != std::wstring::npos; }

TEST(TopologyCheck, UnknownAndEmptyNamesAreReportedWithIndexZero) {
    TzRvnNetworkData network =
        NetworkBuilder().node(L"N1").node(L"N2").branch(L"N1", L"N2").branch(L"n1", L"N2").branch(L"", L"").tank(L"", 10).tank(L"X", 5).build();
    const std::wstring report = check(network, 0);
    EXPECT_EQ(network.edges()[1].startIndex, 0);
    EXPECT_TRUE(contains(report, L"RAMI CON UGUALE NODO INIZIALE E FINALE:\n"
                                 L"Il ramo 3 ha entrambi i nodi senza nome o con lo stesso nome errato\n"
                                 L"Il ramo 3 ha nodo di entrata e di uscita eguali: \n"));
    EXPECT_TRUE(contains(report, L"RAMI CON INDICI NODALI ERRATI:\n"
                                 L"Il ramo 2 ha nodo di partenza con indice errato: n1\n"
                                 L"Il ramo 3 ha nodo di arrivo senza indice\n"
                                 L"Il ramo 3 ha nodo di partenza senza indice\n"));
    EXPECT_TRUE(contains(report, L"SERBATOI CON INDICI NODALI ERRATI:\n"
                                 L"Il serbatoio 1 non ha l'indice del nodo associato\n"
                                 L"Il serbatoio 2 afferisce su un nodo con indice errato: X\n"));
}

TEST(TopologyCheck, TheFirstOfTwoNodesWithOneNameIsTheOneConnected) {
    TzRvnNetworkData network = NetworkBuilder().node(L"A").node(L"B").node(L"A").branch(L"A", L"B").tank(L"A", 10).build();
    const std::wstring report = check(network, 0);
    EXPECT_EQ(network.edges()[0].startIndex, 1);
    EXPECT_EQ(network.tanks()[0].nodeIndex, 1);
    EXPECT_TRUE(contains(report, L"NODI ISOLATI:\nIl nodo A e' isolato\nRAMI"));
}

TEST(TopologyCheck, AnExcludedBranchWithWrongNamesPassesWithItsIndicesCleared) {
    TzRvnNetworkData network =
        NetworkBuilder().node(L"1").node(L"2").branch(L"1", L"2").excludedBranch(L"9", L"9").tank(L"1", 10).build();
    network.edges()[1].startIndex = 5;
    const std::wstring report = check(network, 1);
    EXPECT_EQ(network.edges()[1].startIndex, 0);
    EXPECT_EQ(network.edges()[1].endIndex, 0);
    EXPECT_TRUE(contains(report, L"Nodo 2\n  arrivano i rami: 1\n="));
}

TEST(IterationLog, PadsAndCutsItsColumns) {
    EXPECT_EQ(IterationLine(1, L"2", 0.005854, L"1", L"2", 2.257328),
              L"    1  2      0.005854    1      2      2.257328\n");
    EXPECT_EQ(IterationLine(12, L"ABCDEFGHIJ", 0, L"PARTENZA-LUNGA", L"ARRIVO-LUNGO", 10.5),
              L"   12  ABCDE  0.000000    PARTE  ARRIV 10.500000\n");
    EXPECT_EQ(IterationLine(1, L"12", 12266.46, L"10", L"12", 3370.943643),
              L"    1  12     12266.460000    1  12    3370.943643\n");
    // A character beyond the basic plane fills two columns; one cut in half becomes a blank.
    EXPECT_EQ(IterationLine(1, L"\U0001F4A7\U0001F4A7x", 0, L"a", L"b", 0),
              L"    1  \U0001F4A7\U0001F4A7x  0.000000    a      b      0.000000\n");
    EXPECT_EQ(IterationLine(1, L"\U0001F4A7\U0001F4A7\U0001F4A7", 0, L"a", L"b", 0),
              L"    1  \U0001F4A7\U0001F4A7   0.000000    a      b      0.000000\n");
}

TEST(TextFormat, FillsConversionsAndKeepsThoseWithoutAMatchingArgument) {
    EXPECT_EQ(FormatText(L"%d%% %s %lf", {7, std::wstring_view(L"x"), 2.5}), L"7% x 2.500000");
    EXPECT_EQ(FormatText(L"%lf e %d e %s", {3}), L"%lf e %d e %s");
    EXPECT_EQ(FormatText(L"%lf", {std::numeric_limits<double>::quiet_NaN()}), L"nan");
}

}  // namespace
