// Export of a network as an EPANET input file: read back it gives the same network; what an
// input file cannot hold is refused; numbers keep their decimal point under any locale.
#include "analysis/jobs/network_exchange.h"
#include "analysis/exchange/inp_writer.h"
#include "network_builder.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <stdexcept>
#include <tuple>

namespace {

// Tanks on the first and fourth nodes, so that the order of nodes alternates in kind.
TzRvnNetworkData sampleNetwork() {
    TzRvnNetworkData network = rvntest::NetworkBuilder()
                                   .node(L"1", 0.0, 102.5, L"serbatoio alto").node(L"nodoè", 0.00123456789, 87.25)
                                   .node(L"3", -0.0004, 80.0, L"pozzo; nota").node(L"4", 0.0, 70.0).node(L"5", 0.1, 71.5)
                                   .branch(L"1", L"nodoè", 1234.5, 0.1101, 0.00015)
                                   .branch(L"nodoè", L"3", 300.0, 0.09, 0.0, 3.75)
                                   .branch(L"3", L"4", 50.0, 0.2, 1e-6).branchNote(L"attraversamento")
                                   .branch(L"4", L"5", 10.0, 0.3, 2e-3)
                                   .tank(L"1", 140.125).tank(L"4", 65.5).build();
    network.edges()[1].excluded = 1;
    // Units, fluid, controls, material, thresholds and colours, each unlike its default.
    network.setSettings({1, 2, 1, 1, 0, 1.004e-6, 0.8, 75, 2e-7, 0.0005, 3e-6, 2, 0.0001, 12.0, 60.0, 0.25, 1.75, 1, 2,
                         0xFFFFFF, 4});
    return network;
}

void expectClose(std::initializer_list<double> expected, std::initializer_list<double> actual, const char* what, int i) {
    for (auto x = expected.begin(), y = actual.begin(); x != expected.end(); ++x, ++y) {
        EXPECT_NEAR(*x, *y, std::fabs(*x) * 1e-14) << what << " " << i << ", value " << x - expected.begin();
    }
}

void expectSameNetwork(const TzRvnNetworkData& a, const TzRvnNetworkData& b) {
    ASSERT_EQ(a.numNodes(), b.numNodes());
    ASSERT_EQ(a.numEdges(), b.numEdges());
    ASSERT_EQ(a.numTanks(), b.numTanks());
    for (int i = 0; i < a.numNodes(); ++i) {
        const TzRvnNode& x = a.nodes()[i];
        const TzRvnNode& y = b.nodes()[i];
        EXPECT_EQ(std::tie(x.name, x.note), std::tie(y.name, y.note));
        expectClose({x.demand, x.elevation}, {y.demand, y.elevation}, "node", i);
    }
    for (int i = 0; i < a.numEdges(); ++i) {
        const TzRvnEdge& x = a.edges()[i];
        const TzRvnEdge& y = b.edges()[i];
        EXPECT_EQ(std::tie(x.startNode, x.endNode, x.excluded, x.note), std::tie(y.startNode, y.endNode, y.excluded, y.note));
        expectClose({x.length, x.diameter, x.roughness, x.csi}, {y.length, y.diameter, y.roughness, y.csi}, "branch", i);
    }
    for (int i = 0; i < a.numTanks(); ++i) {
        EXPECT_EQ(a.tanks()[i].nodeName, b.tanks()[i].nodeName);
        expectClose({a.tanks()[i].head}, {b.tanks()[i].head}, "tank", i);
    }
    const TzRvnSettings& s = a.settings();
    const TzRvnSettings& t = b.settings();
    expectClose({s.viscosity, s.headTolerance, s.flowTolerance}, {t.viscosity, t.headTolerance, t.flowTolerance}, "settings", 0);
    TzRvnSettings exact = t;
    exact.viscosity = s.viscosity;
    exact.headTolerance = s.headTolerance;
    exact.flowTolerance = s.flowTolerance;
    EXPECT_EQ(s, exact);
}

TzRvnNetworkData readBack(const std::string& text) {
    TzRvnNetworkData network;
    const TzRvnImportResult result = ReadInpText(text, L"back.inp", {}, network);
    EXPECT_EQ(TzRvnImportStatus::imported, result.status) << rvnos::toUtf8(result.message) << "\n" << text;
    return network;
}

std::string exported(const TzRvnNetworkData& network) {
    std::string text;
    const std::optional<TzRvnInpExportRefusal> refusal = InpFileText(network, L"Rete di prova", text);
    EXPECT_FALSE(refusal.has_value()) << rvnos::toUtf8(InpExportReason(*refusal));
    return text;
}

TEST(InpExport, ReadBackGivesTheSameNetworkInTheSameOrder) {
    const TzRvnNetworkData network = sampleNetwork();
    const std::string text = exported(network);
    expectSameNetwork(network, readBack(text));
    // Exporting the imported network again writes the same file.
    EXPECT_EQ(text, exported(readBack(text)));
}

TEST(InpExport, WritesEpanetSectionsInLitresPerSecondMetresAndMillimetres) {
    const std::string text = exported(sampleNetwork());
    EXPECT_TRUE(text.starts_with("[TITLE]\nRete di prova\n\n[TANKS]\n")) << text;
    for (const char* written : {" 1 102.5 37.625 37.625 37.625 0 0 ;serbatoio alto\n", " nodoè 87.25 1.23456789\n",
                                " 2 nodoè 3 300 90 0 3.75 Closed\n", " 1 1 nodoè 1234.5 110.1 0.15 0 Open\n",
                                " UNITS LPS\n HEADLOSS D-W\n VISCOSITY 1.004e-06\n TRIALS 75\n",
                                " ACCURACY 5e-04\n HEADERROR 5e-04\n FLOWCHANGE 0.003\n;RIVANTA FLOW_UNIT 1\n"}) {
        EXPECT_NE(std::string::npos, text.find(written)) << written << " is not in:\n" << text;
    }
    EXPECT_TRUE(text.ends_with("\n[END]\n"));
}

struct ExportRefusal {
    const char* name;
    void (*spoil)(TzRvnNetworkData&);
    const char* reason;
};

class InpExportRefused : public testing::TestWithParam<ExportRefusal> {};

TEST_P(InpExportRefused, WithTheReasonAndWithoutTouchingTheFile) {
    TzRvnNetworkData network = sampleNetwork();
    GetParam().spoil(network);
    rvntest::ScratchDir scratch;
    const std::filesystem::path path = scratch / "rete.inp";
    rvntest::writeBytes(path, "old");
    const std::string message = rvnos::toUtf8(ExportInpFile(network, L"x", path.wstring()));
    EXPECT_NE(std::string::npos, message.find("Impossibile esportare la rete in " + path.string())) << message;
    EXPECT_NE(std::string::npos, message.find(GetParam().reason)) << message;
    EXPECT_EQ("old", rvntest::readBytes(path));
}

INSTANTIATE_TEST_SUITE_P(
    Networks, InpExportRefused,
    testing::Values(
        ExportRefusal{"BlankInName", [](TzRvnNetworkData& n) { n.nodes()[2].name = *TzRvnName::from(L"a b"); },
                      "il nodo 3 ha un nome"},
        ExportRefusal{"EmptyName", [](TzRvnNetworkData& n) { n.nodes()[4].name = TzRvnName(); }, "il nodo 5"},
        ExportRefusal{"SameName", [](TzRvnNetworkData& n) { n.nodes()[4].name = *TzRvnName::from(L"3"); },
                      "i nodi 3 e 5 hanno lo stesso nome 3"},
        ExportRefusal{"TankOnMissingNode", [](TzRvnNetworkData& n) { n.tanks()[1].nodeName = *TzRvnName::from(L"9"); },
                      "il serbatoio 2 sta sul nodo 9"},
        ExportRefusal{"TwoTanksOnANode", [](TzRvnNetworkData& n) { n.tanks().push_back(n.tanks()[0]); },
                      "il nodo 1 porta piu' di un serbatoio"},
        ExportRefusal{"TankWithDemand", [](TzRvnNetworkData& n) { n.nodes()[3].demand = 0.001; },
                      "il nodo 4 porta un serbatoio e una portata"},
        ExportRefusal{"BranchToMissingNode", [](TzRvnNetworkData& n) { n.edges()[3].endNode = *TzRvnName::from(L"8"); },
                      "il ramo 4 va al nodo 8"},
        ExportRefusal{"BranchOnOneNode", [](TzRvnNetworkData& n) { n.edges()[0].endNode = *TzRvnName::from(L"1"); },
                      "il ramo 1 ha lo stesso nodo 1"},
        ExportRefusal{"NoIteration",
                      [](TzRvnNetworkData& n) {
                          TzRvnSettings s = n.settings();
                          s.maxIterations = 0;
                          n.setSettings(s);
                      },
                      "il limite di iterazioni e' sotto 1"},
        ExportRefusal{"ZeroLength", [](TzRvnNetworkData& n) { n.edges()[2].length = 0.0; },
                      "il ramo 3 ha una lunghezza"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InpExport, AFileThatCannotBeWrittenIsReported) {
    const std::string message = rvnos::toUtf8(ExportInpFile(sampleNetwork(), L"x", L"/nonexistent/dir/rete.inp"));
    EXPECT_EQ("Impossibile scrivere il file /nonexistent/dir/rete.inp: No such file or directory", message);
}

// Sets a comma-decimal locale for the process (C and C++) while it lives.
class CommaLocale {
public:
    CommaLocale() : previous_(std::locale()) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "it_IT.UTF-8", "it_IT.utf8"}) {
            try {
                std::locale::global(std::locale(name));
                installed_ = true;
                return;
            } catch (const std::runtime_error&) {
                continue;
            }
        }
    }
    ~CommaLocale() {
        std::locale::global(previous_);
        std::setlocale(LC_ALL, "C");
    }
    bool installed() const { return installed_; }

private:
    std::locale previous_;
    bool installed_ = false;
};

TEST(InpExport, NumbersReadAndWriteWithADecimalPointUnderACommaLocale) {
    CommaLocale locale;
    if (!locale.installed()) GTEST_SKIP() << "no comma-decimal locale (de_DE.UTF-8) is installed";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    ASSERT_STREQ("0,5", buffer) << "the locale does not use a decimal comma";
    const TzRvnNetworkData network = sampleNetwork();
    const std::string text = exported(network);
    EXPECT_NE(std::string::npos, text.find(" 1234.5 110.1 0.15 ")) << text;
    EXPECT_EQ(std::string::npos, text.find("1234,5")) << text;
    expectSameNetwork(network, readBack(text));
}

}  // namespace
