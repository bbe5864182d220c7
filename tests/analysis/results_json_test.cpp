// The results file: shape, exact numbers, non-finite values, read back by the tests' JSON reader.
#include "analysis/exchange/results_json.h"
#include "network_builder.h"
#include "results_compare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

TEST(ResultsJson, WritesEveryResultSoThatItReadsBackExactly) {
    TzRvnNetworkData network = rvntest::NetworkBuilder().node(L"N\"1\u00e8").node(L"2").branch(L"N\"1\u00e8", L"2").tank(L"2", 5).build();
    network.nodes()[0].head = 0.1 + 0.2;
    network.edges()[0].flow = std::numeric_limits<double>::infinity();
    network.edges()[0].velocity = -std::numeric_limits<double>::infinity();
    network.edges()[0].reynolds = std::numeric_limits<double>::quiet_NaN();
    network.tanks()[0].flow = 1e-300;

    const TzRvnJson json = rvntest::ParsedJson(ResultsJson(network, 1, 0));
    const TzRvnJson& node = json.find("nodes")->items()[0];
    const TzRvnJson& tank = json.find("tanks")->items()[0];
    EXPECT_EQ(std::tuple(1.0, 0.0, 0.1 + 0.2, NO_RESULT, 1e-300),
              std::tuple(json.find("check")->number(), json.find("calc")->number(), node.find("head")->number(),
                         node.find("pressureHead")->number(), tank.find("flow")->number()));
    const TzRvnJson& branch = json.find("branches")->items()[0];
    EXPECT_EQ((std::vector<std::wstring>{L"N\"1\u00e8", L"2", L"inf", L"-inf", L"nan", L"2"}),
              (std::vector<std::wstring>{node.find("name")->string(), branch.find("endNode")->string(),
                                         branch.find("flow")->string(), branch.find("velocity")->string(),
                                         branch.find("reynolds")->string(), tank.find("nodeName")->string()}));
    EXPECT_TRUE(std::isnan(*branch.find("reynolds")->asNumber()));
}

}  // namespace
