// The topology check's repeated-pair section and the name index built at once, against the plain
// definitions: every pair of branches compared, every name inserted in turn.
#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/text_format.h"
#include "analysis/topology/topology_check.h"
#include "network/name_index.h"
#include "schema/position_index.h"
#include "network_builder.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The section as its definition reads: each a < b of branches taking part, compared.
std::wstring repeatedPairsByEveryPair(const TzRvnNetworkData& network) {
    std::wstring lines;
    const std::vector<TzRvnEdge>& edges = network.edges();
    for (std::size_t a = 0; a < edges.size(); ++a) {
        for (std::size_t b = a + 1; b < edges.size(); ++b) {
            const TzRvnEdge& x = edges[a];
            const TzRvnEdge& y = edges[b];
            if (x.excluded || y.excluded) continue;
            const bool same = (x.startIndex == y.startIndex && x.endIndex == y.endIndex) ||
                              (x.startIndex == y.endIndex && x.endIndex == y.startIndex);
            if (!same) continue;
            lines += FormatText(rvntext::kRepeatedPair, {static_cast<int>(a) + 1, static_cast<int>(b) + 1,
                                                          x.startNode.view(), x.endNode.view()});
        }
    }
    return lines.empty() ? std::wstring(rvntext::kNone) : lines;
}

// The lines of the report between the repeated-pairs title and the next section.
std::wstring repeatedPairsSection(const std::wstring& report) {
    const std::size_t start = report.find(rvntext::kRepeatedPairsTitle) + rvntext::kRepeatedPairsTitle.size();
    return report.substr(start, report.find(rvntext::kWrongBranchIndicesTitle) - start);
}

TzRvnNetworkData randomNetwork(std::mt19937& random) {
    rvntest::NetworkBuilder builder;
    const int nodes = 1 + static_cast<int>(random() % 8);
    for (int i = 1; i <= nodes; ++i) builder.node(std::to_wstring(i));
    const int branches = static_cast<int>(random() % 25);
    for (int k = 0; k < branches; ++k) {
        // Names beyond the nodes are unknown and resolve to 0.
        const std::wstring start = std::to_wstring(1 + random() % (nodes + 2));
        const std::wstring end = std::to_wstring(1 + random() % (nodes + 2));
        if (random() % 6 == 0) builder.excludedBranch(start, end);
        else builder.branch(start, end);
    }
    return builder.build();
}

TEST(ScalableCheck, RepeatedPairsAsIfEveryPairWereCompared) {
    std::mt19937 random(3);
    int withPairs = 0;
    for (int trial = 0; trial < 300; ++trial) {
        TzRvnNetworkData network = randomNetwork(random);
        TzRvnStringReport report;
        CheckTopology(network, std::wstring(L"R"), report, KeepText);
        const std::wstring expected = repeatedPairsByEveryPair(network);
        ASSERT_EQ(repeatedPairsSection(report.text()), expected) << "trial " << trial;
        withPairs += expected != rvntext::kNone;
    }
    EXPECT_GT(withPairs, 100);
}

TEST(ScalableCheck, NameIndexBuiltAtOnceAsIfInsertedInTurn) {
    std::mt19937 random(8);
    const std::wstring names[] = {L"a", L"A", L"b", L"10", L"9", L"\U0001F600", L"\uFF5E", L"ab"};
    for (int trial = 0; trial < 100; ++trial) {
        std::vector<TzRvnNameIndex::Entry> entries;
        TzRvnNameIndex inTurn;
        for (int i = 1; i <= static_cast<int>(random() % 20); ++i) {
            const TzRvnName name = *TzRvnName::from(names[random() % 8]);
            entries.push_back({name, i});
            inTurn.insert(name, i);
        }
        TzRvnNameIndex atOnce;
        atOnce.assign(entries);
        ASSERT_EQ(atOnce.entries().size(), inTurn.entries().size());
        for (std::size_t e = 0; e < inTurn.entries().size(); ++e) {
            EXPECT_EQ(atOnce.entries()[e].name, inTurn.entries()[e].name);
            EXPECT_EQ(atOnce.entries()[e].index, inTurn.entries()[e].index);
        }
        for (const std::wstring& name : names) EXPECT_EQ(atOnce.lookup(name), inTurn.lookup(name));
    }
}

// The position index as one sorted array, each point entered by a binary search and an insert.
struct OneArrayIndex {
    std::vector<TzRvnPositionIndex::Entry> entries;

    std::size_t lowerBound(const AcGePoint3d& point) const {
        return static_cast<std::size_t>(
            std::lower_bound(entries.begin(), entries.end(), point,
                             [](const auto& entry, const AcGePoint3d& p) { return ComparePoints(entry.point, p) < 0; }) -
            entries.begin());
    }
    void insert(const AcGePoint3d& point, const TzRvnName& name) {
        const std::size_t at = lowerBound(point);
        if (at < entries.size() && ComparePoints(entries[at].point, point) == 0) return;
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), {point, name});
    }
    std::wstring lookup(const AcGePoint3d& point) const {
        const std::size_t at = lookupAt(point);
        return at == entries.size() ? L"--" : std::wstring(entries[at].name.view());
    }
    std::size_t lookupAt(const AcGePoint3d& point) const {
        const std::size_t at = lowerBound(point);
        return at < entries.size() && ComparePoints(entries[at].point, point) == 0 ? at : entries.size();
    }
};

// Thousands of points, many within the tolerance of others on some axes (where the order of the
// tolerance comparison is not transitive), entered in blocks and in one array alike.
TEST(ScalableCheck, PositionIndexInBlocksAsInOneArray) {
    std::mt19937 random(17);
    std::uniform_int_distribution<int> coarse(0, 60);
    std::uniform_int_distribution<int> fine(0, 3);
    auto point = [&] {
        return AcGePoint3d(coarse(random) * 0.0007 * fine(random) + coarse(random), coarse(random) + 0.0006 * fine(random),
                           0.0004 * fine(random));
    };
    TzRvnPositionIndex blocks;
    OneArrayIndex array;
    for (int i = 0; i < 6000; ++i) {
        const AcGePoint3d p = point();
        const TzRvnName name = *TzRvnName::from(std::to_wstring(i));
        blocks.insert(p, name);
        array.insert(p, name);
    }
    ASSERT_GT(array.entries.size(), 1000u);
    ASSERT_EQ(blocks.entries().size(), array.entries.size());
    for (std::size_t e = 0; e < array.entries.size(); ++e) {
        ASSERT_EQ(blocks.entries()[e].name, array.entries[e].name) << e;
    }
    for (int i = 0; i < 3000; ++i) {
        const AcGePoint3d p = point();
        ASSERT_EQ(std::wstring(blocks.lookup(p).view()), array.lookup(p));
    }
}

}  // namespace
