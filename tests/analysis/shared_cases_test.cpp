// Every shared calculation case through the import, the topology check and the solver: reports
// byte for byte, results and the imported network within the cases' tolerances.
#include "analysis/jobs/network_exchange.h"
#include "analysis/exchange/results_json.h"
#include "analysis/solver/run_calculation.h"
#include "results_compare.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

using Json = nlohmann::ordered_json;

Json noteJson(const TzRvnNote& note) { return note.has() ? Json(rvnos::toUtf8(note.text())) : Json(); }

// The imported network in the shape of the cases' network.json.
std::string networkJson(const TzRvnNetworkData& network, const std::wstring& name) {
    const TzRvnSettings& s = network.settings();
    Json out = {{"name", rvnos::toUtf8(name)},
                {"settings",
                 {{"flowUnit", s.flowUnit}, {"diameterUnit", s.diameterUnit}, {"roughnessUnit", s.roughnessUnit},
                  {"slopeUnit", s.slopeUnit}, {"fluidIndex", s.fluidIndex}, {"viscosity", s.viscosity},
                  {"initialVelocity", s.initialVelocity}, {"maxIterations", s.maxIterations},
                  {"minBranchFlow", s.minBranchFlow}, {"headTolerance", s.headTolerance},
                  {"flowTolerance", s.flowTolerance}, {"materialIndex", s.materialIndex},
                  {"defaultRoughness", s.defaultRoughness}, {"minPressureHead", s.minPressureHead},
                  {"maxPressureHead", s.maxPressureHead}, {"minVelocity", s.minVelocity}, {"maxVelocity", s.maxVelocity},
                  {"colourLowHead", s.colourLowHead}, {"colourHighHead", s.colourHighHead},
                  {"colourLowVelocity", s.colourLowVelocity}, {"colourHighVelocity", s.colourHighVelocity}}},
                {"nodes", Json::array()}, {"branches", Json::array()}, {"tanks", Json::array()}};
    for (const TzRvnNode& n : network.nodes()) {
        out["nodes"].push_back({{"name", rvnos::toUtf8(n.name.view())}, {"demand", n.demand},
                                {"elevation", n.elevation}, {"note", noteJson(n.note)}});
    }
    for (const TzRvnEdge& e : network.edges()) {
        out["branches"].push_back({{"startNode", rvnos::toUtf8(e.startNode.view())}, {"endNode", rvnos::toUtf8(e.endNode.view())},
                                   {"excluded", e.excluded}, {"length", e.length}, {"diameter", e.diameter},
                                   {"roughness", e.roughness}, {"csi", e.csi}, {"note", noteJson(e.note)}});
    }
    for (const TzRvnTank& tank : network.tanks()) {
        out["tanks"].push_back({{"nodeName", rvnos::toUtf8(tank.nodeName.view())}, {"head", tank.head}, {"note", noteJson(tank.note)}});
    }
    return out.dump();
}

class SharedCase : public testing::TestWithParam<std::string> {
protected:
    fs::path ptv() const { return rvntest::kSharedCases / (GetParam() + ".ptv"); }
    fs::path expected(const char* file) const { return rvntest::kSharedCases / (GetParam() + ".expected") / file; }
};

TEST_P(SharedCase, MatchesTheExpectedReportsAndResults) {
    const std::string bytes = rvntest::readBytes(ptv());
    const std::wstring name = PortaviaNetworkName(rvnos::fromUtf8(ptv().string()));
    TzRvnNetworkData network;
    const auto alwaysYes = [](const std::wstring&) { return true; };
    TzRvnImportResult imported = ReadPortaviaBytes(bytes, name, {}, alwaysYes, network);
    if (fs::exists(expected("REJECTED"))) {
        EXPECT_EQ(imported.status, TzRvnImportStatus::truncated);
        EXPECT_FALSE(imported.message.empty());
        EXPECT_EQ(network.numNodes() + network.numEdges() + network.numTanks(), 0);
        return;
    }
    ASSERT_EQ(imported.status, TzRvnImportStatus::imported) << rvnos::toUtf8(imported.message);
    rvntest::ExpectSameJson(rvntest::readBytes(expected("network.json")), networkJson(network, name), "network");

    TzRvnStringReport checkReport;
    TzRvnStringReport calcReport;
    TzRvnRunOutcome outcome = RunCalculation(network, name, checkReport, [&] { return &calcReport; }, KeepText);

    EXPECT_EQ(rvnos::toUtf8(checkReport.text()), rvntest::readBytes(expected("rvncheck.tmp")));
    if (fs::exists(expected("rvncalcr.tmp"))) {
        EXPECT_EQ(rvnos::toUtf8(calcReport.text()), rvntest::readBytes(expected("rvncalcr.tmp")));
    } else {
        EXPECT_FALSE(outcome.calcReportOpened);
        EXPECT_TRUE(calcReport.text().empty());
    }
    rvntest::ExpectSameJson(rvntest::readBytes(expected("results.json")), ResultsJson(network, outcome.check, outcome.calc),
                   "results");

    const TzRvnJson manifest = rvntest::ParsedJson(rvntest::readBytes(rvntest::kSharedCases / "MANIFEST.json"));
    const TzRvnJson* entry = manifest.find(GetParam());
    ASSERT_NE(entry, nullptr);
    if (const TzRvnJson* iterations = entry->find("iterations")) {
        EXPECT_EQ(outcome.iterations, iterations->number());
    }
    if (const TzRvnJson* converged = entry->find("converged")) {
        EXPECT_EQ(outcome.converged, converged->boolean());
    }
}

INSTANTIATE_TEST_SUITE_P(Calc, SharedCase, testing::ValuesIn(rvntest::SharedCaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
