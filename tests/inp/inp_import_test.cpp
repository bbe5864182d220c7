// Import of EPANET input files: what every section and option gives the network, in SI units.
#include "analysis/jobs/network_exchange.h"
#include "analysis/exchange/inp_units.h"
#include "expect_doubles.h"
#include "network/settings_file.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A small SI network: a reservoir and a tank feeding three junctions.
constexpr char kSiNetwork[] =
    "[TITLE]\nQuartiere ; a title line is skipped\n\n"
    "[JUNCTIONS]\n;ID  Elev  Demand\n J1  12.5  2.5   ;piazza\n J2  10    0\n J3  8     -1.5\n\n"
    "[RESERVOIRS]\n R1  60\n\n"
    "[TANKS]\n T1  40  5  0  10  12  0\n\n"
    "[PIPES]\n P1  R1  J1  1200  150  0.1  2.5  Open  ;dorsale\n P2  J1  J2  800   100  0.05\n"
    " P3  J2  J3  500   100  0.05  CLOSED\n P4  T1  J3  300   80   0.2   0.5\n\n"
    "[COORDINATES]\n J1  1  2\n\n"
    "[OPTIONS]\n Units      LPS\n Headloss   D-W\n Viscosity  1.004e-6\n Trials     40\n Accuracy   0.002\n Pattern    1\n\n"
    "[END]\n[PUMPS]\n after the end nothing is read\n";

// The settings file of a program folder, read as the calculation job reads it.
TzRvnSettings settingsFileOf(const std::filesystem::path& folder) {
    const std::string text = rvntest::readBytes(folder / "rvnsetup.par");
    EXPECT_FALSE(CheckSettingsText(text).has_value()) << folder;
    TzRvnSettings settings;
    ReadSettingsText(text, settings);
    return settings;
}

const TzRvnSettings kInstalled = settingsFileOf(std::filesystem::path(RVN_SOURCE_DIR) / "examples");

TzRvnNetworkData imported(const std::string& text, const TzRvnSettings& installed = kInstalled) {
    TzRvnNetworkData network;
    const TzRvnImportResult result = ReadInpText(text, L"rete.inp", installed, network);
    EXPECT_EQ(TzRvnImportStatus::imported, result.status) << rvnos::toUtf8(result.message);
    return network;
}

// A one-pipe file with the given options, for the unit cases.
std::string onePipe(const std::string& options, const std::string& junctionValues = "100 1",
                    const std::string& pipeValues = "1000 12 1.5") {
    return "[JUNCTIONS]\n J " + junctionValues + "\n[RESERVOIRS]\n R 100\n[PIPES]\n P R J " + pipeValues +
           "\n[OPTIONS]\n HEADLOSS D-W\n" + options;
}

// The units and numbers of an input file against a Portavia file of the same network are
// inp_tools_test.cpp's; here what that network does not hold: notes, reservoirs, tanks standing at
// their elevation plus their level, closed pipes, minor losses, the order of the file.
TEST(InpImport, NodesTanksAndBranchesKeepTheFileOrderNotesAndClosedPipes) {
    const TzRvnNetworkData network = imported(kSiNetwork);
    ASSERT_EQ(std::tuple(5, 4, 2), std::tuple(network.numNodes(), network.numEdges(), network.numTanks()));
    const char* names[] = {"J1", "J2", "J3", "R1", "T1"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(std::wstring(names[i], names[i] + 2), network.nodes()[i].name.str());
    EXPECT_EQ(L"piazza", network.nodes()[0].note.text());
    EXPECT_EQ(L"dorsale", network.edges()[0].note.text());
    EXPECT_DOUBLE_EQ(-0.0015, network.nodes()[2].demand);
    EXPECT_EQ(std::tuple(std::wstring(L"R1"), std::wstring(L"T1")),
              std::tuple(network.tanks()[0].nodeName.str(), network.tanks()[1].nodeName.str()));
    rvntest::ExpectDoublesEq({60.0, 45.0, 2.5, 0.5}, {network.tanks()[0].head, network.tanks()[1].head,
                                                      network.edges()[0].csi, network.edges()[3].csi});
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0}), (std::vector<int>{network.edges()[0].excluded, network.edges()[1].excluded,
                                                               network.edges()[2].excluded, network.edges()[3].excluded}));
    EXPECT_FALSE(network.hasSchema());
}

TEST(InpImport, OptionsSetTheSettingsAndTheRestComesFromTheInstalledDefaults) {
    const TzRvnSettings s = imported(kSiNetwork).settings();
    // The head tolerance is ACCURACY of one metre, the flow tolerance ACCURACY of the total demand.
    rvntest::ExpectDoublesEq({1.004e-6, 0.002, 0.002 * (0.0025 + 0.0015), 1.5e-6, 1.0, 1e-7},
                             {s.viscosity, s.headTolerance, s.flowTolerance, s.defaultRoughness, s.initialVelocity,
                              s.minBranchFlow});
    EXPECT_EQ((std::vector<int>{40, 0, 0, 1, 2}),
              (std::vector<int>{s.maxIterations, s.fluidIndex, s.materialIndex, s.flowUnit, s.diameterUnit}));
}

TEST(InpImport, WithoutRivantaLinesAnotherSettingsFileGivesItsValuesAndTheOptionsStillWin) {
    const TzRvnSettings installed = settingsFileOf(std::filesystem::path(RVN_TEST_DATA) / "program_folder");
    const TzRvnSettings s = imported(kSiNetwork, installed).settings();
    // The settings file's values, but VISCOSITY, TRIALS and ACCURACY of the file.
    rvntest::ExpectDoublesEq({0.7, 3e-7, 4.6e-5, 15.0, 1.5, 1.004e-6, 0.002},
                             {s.initialVelocity, s.minBranchFlow, s.defaultRoughness, s.minPressureHead, s.maxVelocity,
                              s.viscosity, s.headTolerance});
    EXPECT_EQ((std::vector<int>{0, 1, 2, 400, 40}), (std::vector<int>{s.flowUnit, s.diameterUnit, s.materialIndex,
                                                                     static_cast<int>(s.colourHighVelocity), s.maxIterations}));

    std::string marked = kSiNetwork;
    marked.insert(marked.find(" Trials"), ";RIVANTA INITIAL_VELOCITY 1.25\n");
    const TzRvnSettings given = imported(marked, installed).settings();
    EXPECT_DOUBLE_EQ(1.25, given.initialVelocity);
    EXPECT_DOUBLE_EQ(3e-7, given.minBranchFlow);
}

TEST(InpImport, HeadErrorAndFlowChangeGiveTheTolerancesInFileUnits) {
    const TzRvnSettings s =
        imported(onePipe(" UNITS GPM\n HEADERROR 0.01\n FLOWCHANGE 2\n ACCURACY 0.01\n")).settings();
    EXPECT_DOUBLE_EQ(0.01 * 0.3048, s.headTolerance);
    EXPECT_DOUBLE_EQ(2 * 6.30901964e-5, s.flowTolerance);
}

TEST(InpImport, AccuracyIsLimitedAsEpanetLimitsItAndANetworkWithoutDemandUsesOneLitrePerSecond) {
    const TzRvnSettings s = imported(onePipe(" UNITS LPS\n ACCURACY 0.5\n", "100 0")).settings();
    EXPECT_DOUBLE_EQ(0.1, s.headTolerance);
    EXPECT_DOUBLE_EQ(0.1 * 0.001, s.flowTolerance);
    EXPECT_EQ(200, s.maxIterations);  // EPANET's default TRIALS
}

// One junction demand of 1 in each flow unit, against hand-computed cubic metres per second.
struct FlowCase {
    const char* unit;
    double cubicMetresPerSecond;
};

class InpFlowUnit : public testing::TestWithParam<FlowCase> {};

TEST_P(InpFlowUnit, ADemandOfOneIsTheHandComputedFlow) {
    const TzRvnNetworkData network = imported(onePipe(std::string(" UNITS ") + GetParam().unit + "\n"));
    EXPECT_NEAR(GetParam().cubicMetresPerSecond, network.nodes()[0].demand, GetParam().cubicMetresPerSecond * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(AllUnits, InpFlowUnit,
                         testing::Values(FlowCase{"CFS", 0.028316846592},       // 0.3048^3
                                         FlowCase{"GPM", 6.30901964e-5},        // 3.785411784 l / 60 s
                                         FlowCase{"MGD", 0.0438126363888889},   // 1e6 US gal / 86400 s
                                         FlowCase{"IMGD", 0.0526167824074074},  // 1e6 x 4.54609 l / 86400 s
                                         FlowCase{"AFD", 0.0142764101568},      // 43560 ft3 / 86400 s
                                         FlowCase{"LPS", 0.001}, FlowCase{"lpm", 1.0 / 60000.0},
                                         FlowCase{"MLD", 1000.0 / 86400.0}, FlowCase{"CMH", 1.0 / 3600.0},
                                         FlowCase{"CMD", 1.0 / 86400.0}, FlowCase{"CMS", 1.0}),
                         [](const auto& info) { return std::string(info.param.unit); });

TEST(InpImport, UsUnitsReadFeetInchesAndMillifeet) {
    const TzRvnNetworkData network = imported(onePipe(" UNITS CFS\n"));
    const TzRvnEdge& pipe = network.edges()[0];
    // 100 feet, 1000 feet, 12 inches, 1.5 millifeet.
    rvntest::ExpectDoublesEq({30.48, 30.48, 304.8, 0.3048, 1.5 * 0.0003048},
                             {network.nodes()[0].elevation, network.tanks()[0].head, pipe.length, pipe.diameter, pipe.roughness});
}

TEST(InpImport, ViscosityIsReadAsEpanetTwoPointTwoReadsIt) {
    constexpr double kFt2 = 0.3048 * 0.3048;
    const double reference = 1.1e-5 * kFt2;
    EXPECT_DOUBLE_EQ(reference, InpReferenceViscosity());
    EXPECT_DOUBLE_EQ(reference, imported(onePipe(" UNITS LPS\n")).settings().viscosity);  // none given
    EXPECT_DOUBLE_EQ(1.5 * reference, imported(onePipe(" UNITS LPS\n VISCOSITY 1.5\n")).settings().viscosity);
    EXPECT_DOUBLE_EQ(1.3e-6, imported(onePipe(" UNITS LPS\n VISCOSITY 1.3e-6\n")).settings().viscosity);
    EXPECT_DOUBLE_EQ(1.2e-5 * kFt2, imported(onePipe(" UNITS GPM\n VISCOSITY 1.2e-5\n")).settings().viscosity);
    // The exported value reads back as the same viscosity in either system.
    for (const wchar_t* unit : {L"LPS", L"GPM"}) {
        const TzRvnInpUnits units = *InpUnitsFor(unit);
        for (double viscosity : {1.004e-6, 0.02}) {
            EXPECT_DOUBLE_EQ(viscosity, InpViscosity(InpViscosityValue(viscosity, units), units));
        }
    }
}

TEST(InpImport, DemandsReplaceTheJunctionDemandAndAddUpAndTheMultiplierScalesThem) {
    const std::string text = onePipe(" UNITS LPS\n DEMAND MULTIPLIER 2\n", "100 5") +
                             "[DEMANDS]\n J 1 ;domestic\n J 0.25\n[STATUS]\n P Closed\n";
    const TzRvnNetworkData network = imported(text);
    EXPECT_DOUBLE_EQ(2 * 0.00125, network.nodes()[0].demand);
    EXPECT_EQ(1, network.edges()[0].excluded);
}

TEST(InpImport, QuotedNamesCrLfLinesAndSectionsInAnyOrderAreRead) {
    const std::string text =
        "[OPTIONS]\r\n HEADLOSS D-W\r\n UNITS LPS\r\n[PIPES]\r\n P \"R 1\" J 10 100 0.1\r\n"
        "[JUNCTIONS]\r\n J 5 1\r\n[RESERVOIRS]\r\n \"R 1\" 20\r\n";
    const TzRvnNetworkData network = imported(text);
    ASSERT_EQ(2, network.numNodes());
    EXPECT_EQ(L"R 1", network.nodes()[1].name.str());
    EXPECT_EQ(L"R 1", network.edges()[0].startNode.str());
    EXPECT_DOUBLE_EQ(0.1, network.edges()[0].diameter);
}

// Names are compared as the network keeps them: bytes that are not UTF-8 read as U+FFFD, so two
// spellings that read the same are one node, and a name's length counts its characters.
TEST(InpImport, NamesAreTheNodesTheyReadAsWhateverTheirBytes) {
    std::string fifteen;
    for (int i = 0; i < 15; ++i) fifteen += "\xC3\xA8";
    const std::string text = "[JUNCTIONS]\n A\xFF 5 1\n " + fifteen + " 5 1\n[RESERVOIRS]\n R 20\n[PIPES]\n" +
                             " P R A\xFE 10 100 0.1\n Q A\xEF\xBF\xBD " + fifteen + " 10 100 0.1\n" +
                             "[OPTIONS]\n UNITS LPS\n HEADLOSS D-W\n";
    const TzRvnNetworkData network = imported(text);
    ASSERT_EQ(2, network.numEdges());
    EXPECT_EQ(L"A\uFFFD", network.edges()[0].endNode.str());
    EXPECT_EQ(L"A\uFFFD", network.edges()[1].startNode.str());
    EXPECT_EQ(std::wstring(15, L'\u00E8'), network.edges()[1].endNode.str());

    TzRvnNetworkData refused;
    const std::string twiceText = "[JUNCTIONS]\n A\xFF 5 1\n A\xEF\xBF\xBD 5 1\n[OPTIONS]\n HEADLOSS D-W\n";
    const TzRvnImportResult twice = ReadInpText(twiceText, L"rete.inp", {}, refused);
    EXPECT_EQ(TzRvnImportStatus::refused, twice.status);
    EXPECT_NE(std::wstring::npos, twice.message.find(L"riga 3: il nodo A\uFFFD e' gia' definito"))
        << rvnos::toUtf8(twice.message);
}

TEST(InpImport, AFileThatCannotBeOpenedIsReportedAndTheNetworkKept) {
    TzRvnNetworkData network;
    network.setNumNodes(3);
    const TzRvnImportResult result = ImportInpFile(L"/nonexistent/rete.inp", {}, network);
    EXPECT_EQ(TzRvnImportStatus::notOpened, result.status);
    EXPECT_NE(std::wstring::npos, result.message.find(L"/nonexistent/rete.inp"));
    EXPECT_EQ(3, network.numNodes());
}

TEST(InpImport, InputFilesAreKnownByTheirExtensionInAnyCase) {
    EXPECT_TRUE(IsInpFile(L"rete.inp"));
    EXPECT_TRUE(IsInpFile(L"/a/b/RETE.INP"));
    EXPECT_FALSE(IsInpFile(L"rete.ptv"));
    EXPECT_FALSE(IsInpFile(L"inp"));
}

}  // namespace
