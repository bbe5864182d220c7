// Every shared calculation case through the import, the topology check and the solver: reports
// byte for byte, results and the imported network within the cases' tolerances.
#include "analysis/jobs/network_exchange.h"
#include "analysis/exchange/results_json.h"
#include "analysis/solver/run_calculation.h"
#include "results_compare.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

std::string noteJson(const TzRvnNote& note) { return note.has() ? JsonString(note.text()) : "null"; }

// The imported network in the shape of the cases' network.json.
std::string networkJson(const TzRvnNetworkData& network, const std::wstring& name) {
    const TzRvnSettings& s = network.settings();
    std::string out = "{\"name\": " + JsonString(name) + ", \"settings\": {";
    out += "\"flowUnit\": " + std::to_string(s.flowUnit) + ", \"diameterUnit\": " + std::to_string(s.diameterUnit);
    out += ", \"roughnessUnit\": " + std::to_string(s.roughnessUnit) + ", \"slopeUnit\": " + std::to_string(s.slopeUnit);
    out += ", \"fluidIndex\": " + std::to_string(s.fluidIndex) + ", \"viscosity\": " + JsonNumber(s.viscosity);
    out += ", \"initialVelocity\": " + JsonNumber(s.initialVelocity);
    out += ", \"maxIterations\": " + std::to_string(s.maxIterations);
    out += ", \"minBranchFlow\": " + JsonNumber(s.minBranchFlow) + ", \"headTolerance\": " + JsonNumber(s.headTolerance);
    out += ", \"flowTolerance\": " + JsonNumber(s.flowTolerance) + ", \"materialIndex\": " + std::to_string(s.materialIndex);
    out += ", \"defaultRoughness\": " + JsonNumber(s.defaultRoughness);
    out += ", \"minPressureHead\": " + JsonNumber(s.minPressureHead) + ", \"maxPressureHead\": " + JsonNumber(s.maxPressureHead);
    out += ", \"minVelocity\": " + JsonNumber(s.minVelocity) + ", \"maxVelocity\": " + JsonNumber(s.maxVelocity);
    out += ", \"colourLowHead\": " + std::to_string(s.colourLowHead) + ", \"colourHighHead\": " + std::to_string(s.colourHighHead);
    out += ", \"colourLowVelocity\": " + std::to_string(s.colourLowVelocity);
    out += ", \"colourHighVelocity\": " + std::to_string(s.colourHighVelocity) + "}, \"nodes\": [";
    for (std::size_t i = 0; i < network.nodes().size(); ++i) {
        const TzRvnNode& n = network.nodes()[i];
        out += (i ? ", " : "") + std::string("{\"name\": ") + JsonString(n.name.view()) + ", \"demand\": " +
               JsonNumber(n.demand) + ", \"elevation\": " + JsonNumber(n.elevation) + ", \"note\": " + noteJson(n.note) + "}";
    }
    out += "], \"branches\": [";
    for (std::size_t k = 0; k < network.edges().size(); ++k) {
        const TzRvnEdge& e = network.edges()[k];
        out += (k ? ", " : "") + std::string("{\"startNode\": ") + JsonString(e.startNode.view()) +
               ", \"endNode\": " + JsonString(e.endNode.view()) + ", \"excluded\": " + std::to_string(e.excluded) +
               ", \"length\": " + JsonNumber(e.length) + ", \"diameter\": " + JsonNumber(e.diameter) +
               ", \"roughness\": " + JsonNumber(e.roughness) + ", \"csi\": " + JsonNumber(e.csi) +
               ", \"note\": " + noteJson(e.note) + "}";
    }
    out += "], \"tanks\": [";
    for (std::size_t t = 0; t < network.tanks().size(); ++t) {
        const TzRvnTank& tank = network.tanks()[t];
        out += (t ? ", " : "") + std::string("{\"nodeName\": ") + JsonString(tank.nodeName.view()) +
               ", \"head\": " + JsonNumber(tank.head) + ", \"note\": " + noteJson(tank.note) + "}";
    }
    return out + "]}";
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
