// The sorted lookup arrays by node name and by insertion point.
#include "analysis/topology/topology_check.h"
#include "network/name_index.h"
#include "schema/position_index.h"
#include "network_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rvntest::name;

TEST(NameIndex, FirstIndexOfANameWinsAndMissingNamesGiveZero) {
    TzRvnNameIndex index;
    EXPECT_EQ(index.lookup(L"A"), 0);
    index.insert(name(L"B"), 1);
    index.insert(name(L"A"), 2);
    index.insert(name(L"B"), 3);
    index.insert(name(L"b"), 4);
    EXPECT_EQ((std::vector<int>{1, 2, 4, 0, 0}),
              (std::vector<int>{index.lookup(L"B"), index.lookup(L"A"), index.lookup(L"b"), index.lookup(L"C"), index.lookup(L"")}));
}

TEST(NameIndex, OrdersByUtf16CodeUnitsNotByCodePoints) {
    // U+FF21 comes after the surrogate pair of U+1F4A7 in UTF-16 order, before it by code point.
    TzRvnNameIndex index;
    index.insert(name(L"\uFF21"), 1);
    index.insert(name(L"\U0001F4A7"), 2);
    index.insert(name(L"Z"), 3);
    std::vector<std::wstring> order;
    for (const TzRvnNameIndex::Entry& entry : index.entries()) order.emplace_back(entry.name.view());
    EXPECT_EQ((std::vector<std::wstring>{L"Z", L"\U0001F4A7", L"\uFF21"}), order);
    EXPECT_EQ(std::pair(1, 2), std::pair(index.lookup(L"\uFF21"), index.lookup(L"\U0001F4A7")));
}

TEST(PositionIndex, PointsWithinAThousandthOnEveryAxisAreOneKey) {
    TzRvnPositionIndex index;
    EXPECT_EQ(index.lookup(AcGePoint3d(0, 0, 0)).view(), L"--");
    index.insert(AcGePoint3d(10, 5, 0), name(L"N1"));
    index.insert(AcGePoint3d(10.0009, 4.9995, 0.0005), name(L"N2"));
    index.insert(AcGePoint3d(10, 5.002, 0), name(L"N3"));
    index.insert(AcGePoint3d(2, 100, 0), name(L"N4"));
    ASSERT_EQ(index.entries().size(), 3u);
    EXPECT_EQ(index.entries()[0].name.view(), L"N4");
    EXPECT_EQ(index.lookup(AcGePoint3d(10.0005, 5.0005, 0)).view(), L"N1");
    EXPECT_EQ(index.lookup(AcGePoint3d(10, 5.002, 0.0009)).view(), L"N3");
    EXPECT_EQ(index.lookup(AcGePoint3d(10, 5, 0.01)).view(), L"--");
}

TEST(NodeIndices, BranchesAndTanksFindTheFirstNodeOfTheirNameAndUnknownNamesGiveZero) {
    rvntest::NetworkBuilder builder;
    for (int i = 0; i < 300; ++i) builder.node(L"N" + std::to_wstring(i));
    builder.node(L"N5").branch(L"N5", L"N299").branch(L"X", L"").branch(L"n5", L"N0").tank(L"N0", 10).tank(L"N300", 10);
    TzRvnNetworkData network = builder.build();
    ResolveNodeIndices(network);
    std::vector<int> indices;
    for (const TzRvnEdge& edge : network.edges()) indices.insert(indices.end(), {edge.startIndex, edge.endIndex});
    for (const TzRvnTank& tank : network.tanks()) indices.push_back(tank.nodeIndex);
    EXPECT_EQ((std::vector<int>{6, 300, 0, 0, 0, 1, 1, 0}), indices);
}

}  // namespace
