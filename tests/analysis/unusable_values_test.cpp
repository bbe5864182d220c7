// Values the solver cannot use are refused before it starts, each named with its element and its
// value; values it can use (a zero length, a zero roughness, an excluded branch's data) are not.
#include "analysis/jobs/calc_run.h"
#include "analysis/solver/solver.h"
#include "analysis/linear_algebra/system_memory.h"
#include "analysis/topology/topology_check.h"
#include "analysis/solver/unusable_values.h"
#include "network_builder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using rvntest::NetworkBuilder;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TzRvnNetworkData twoNodes() {
    return NetworkBuilder().node(L"1").node(L"2", 0.002).branch(L"1", L"2").tank(L"1", 40).build();
}

TzRvnNetworkData withSettings(void (*change)(TzRvnSettings&)) {
    TzRvnNetworkData network = twoNodes();
    TzRvnSettings settings = network.getSettings();
    change(settings);
    network.setSettings(settings);
    return network;
}

// The lines that name the unusable values of network, as the calculation report writes them.
std::vector<std::wstring> unusableLines(const TzRvnNetworkData& network) {
    std::vector<std::wstring> lines;
    for (const TzRvnUnusableValue& value : UnusableValues(network)) {
        lines.push_back(UnusableValueLine(value, network, KeepText));
    }
    return lines;
}

// A change of the settings, and the one line that names what it made unusable.
struct SettingCase {
    void (*change)(TzRvnSettings&);
    std::wstring line;
};

TEST(UnusableValues, EachSettingTheSolverCannotUseIsNamedWithItsValue) {
    const SettingCase cases[] = {
        {[](auto& s) { s.setFluid(0, 0.0); }, L"Viscosita' cinematica 0 m2/s: deve essere un numero positivo\n"},
        {[](auto& s) { s.setFluid(0, kNaN); }, L"Viscosita' cinematica nan m2/s: deve essere un numero positivo\n"},
        {[](auto& s) { s.initialVelocity = -0.5; }, L"Velocita' iniziale nei rami -0.5 m/s: deve essere un numero positivo\n"},
        {[](auto& s) { s.maxIterations = 0; }, L"Numero max iterazioni 0: e' richiesta almeno una iterazione\n"},
        {[](auto& s) { s.minBranchFlow = 0.0; }, L"Portata minima rami 0 m3/s: deve essere un numero positivo\n"},
        {[](auto& s) { s.headTolerance = -0.001; }, L"Tolleranza sul carico -0.001 m: deve essere un numero non negativo\n"},
        {[](auto& s) { s.flowTolerance = kNaN; }, L"Tolleranza su Q nan m3/s: deve essere un numero non negativo\n"},
    };
    for (const SettingCase& c : cases) {
        EXPECT_EQ(unusableLines(withSettings(c.change)), std::vector<std::wstring>{c.line});
    }
    EXPECT_TRUE(UnusableValues(withSettings([](TzRvnSettings& s) {
                    s.headTolerance = 0.0;
                    s.flowTolerance = 0.0;
                })).empty())
        << "zero tolerances only make the calculation run to its limit";
}

TEST(UnusableValues, ElementValuesAreNamedInElementOrder) {
    TzRvnNetworkData network = NetworkBuilder()
                                   .node(L"A", kNaN)
                                   .node(L"B", 0.0, kInfinity)
                                   .branch(L"A", L"B", -1.0, 0.0)
                                   .branch(L"A", L"B", kNaN, kNaN, kNaN, -kInfinity)
                                   .branch(L"B", L"A", 0.0, 0.1, 0.0)
                                   .tank(L"A", kNaN)
                                   .build();
    EXPECT_EQ(unusableLines(network), (std::vector<std::wstring>{
                                           L"Nodo A: portata nan m3/s: deve essere un numero\n",
                                           L"Nodo B: quota inf m: deve essere un numero\n",
                                           L"Ramo 1 (A-B): lunghezza -1 m: deve essere un numero non negativo\n",
                                           L"Ramo 1 (A-B): diametro 0 m: deve essere un numero positivo\n",
                                           L"Ramo 2 (A-B): lunghezza nan m: deve essere un numero non negativo\n",
                                           L"Ramo 2 (A-B): diametro nan m: deve essere un numero positivo\n",
                                           L"Ramo 2 (A-B): scabrezza nan m: deve essere un numero\n",
                                           L"Ramo 2 (A-B): perdita concentrata -inf: deve essere un numero\n",
                                           L"Serbatoio 1 (nodo A): livello nan m: deve essere un numero\n",
                                       }));
}

TEST(UnusableValues, AnExcludedBranchIsNotLookedAt) {
    TzRvnNetworkData network = twoNodes();
    TzRvnEdge& excluded = network.edges().emplace_back(network.edges()[0]);
    excluded.diameter = 0.0;
    excluded.length = -5.0;
    excluded.excluded = 1;
    EXPECT_TRUE(UnusableValues(network).empty());
}

TEST(UnusableValues, TheTextListsTheFirstTwentyAndCountsTheRest) {
    NetworkBuilder builder;
    for (int i = 1; i <= 23; ++i) builder.node(std::to_wstring(i), kNaN);
    const TzRvnNetworkData network = builder.build();
    const std::vector<TzRvnUnusableValue> values = UnusableValues(network);
    ASSERT_EQ(values.size(), 23u);
    const std::wstring text = UnusableValuesText(values, network, KeepText);
    EXPECT_TRUE(text.starts_with(L"Impossibile avviare il calcolo: valori non utilizzabili\n"
                                 L"Nodo 1: portata nan m3/s: deve essere un numero\n"));
    EXPECT_NE(text.find(L"Nodo 20: portata nan m3/s: deve essere un numero\n... e altri 3 valori non utilizzabili\n"),
              std::wstring::npos);
    EXPECT_EQ(text.find(L"Nodo 21"), std::wstring::npos);
    EXPECT_EQ(UnusableValuesText({values[0]}, network, KeepText),
              L"Impossibile avviare il calcolo: valori non utilizzabili\n"
              L"Nodo 1: portata nan m3/s: deve essere un numero\n");
}

TEST(SystemMemory, AFullMatrixThatCannotFitIsRefusedWithItsSize) {
    constexpr std::uint64_t kGibibyte = 1ULL << 30;
    EXPECT_EQ(SystemMatrixBytes(1000, TzRvnFactorisation::dense), 1000ULL * 1000 * 8 + 1000 * sizeof(double*));
    EXPECT_EQ(SystemMatrixBytes(1000000, TzRvnFactorisation::exact), 0U);
    EXPECT_EQ(SystemMatrixBytes(1000000, TzRvnFactorisation::ordered), 0U);
    TzRvnSolverOutcome tooLarge;
    tooLarge.status = TzRvnSolverStatus::systemTooLarge;
    tooLarge.systemBytes = SystemMatrixBytes(1000000, TzRvnFactorisation::dense);
    tooLarge.availableBytes = kGibibyte;
    EXPECT_EQ(SolverRefusalText(tooLarge, TzRvnNetworkData(), KeepText),
              L"Impossibile allocare la matrice del sistema: servono 7629402 MiB, ne sono disponibili 1024\n");
    EXPECT_LE(SystemMatrixBytes(10000, TzRvnFactorisation::dense), kGibibyte);
    EXPECT_GT(AvailableMemoryBytes(), 0U);
}

TEST(SystemMemory, TheDenseSolverOfAHugeNetworkRefusesInsteadOfAborting) {
    TzRvnNetworkData network;
    network.setSettings(twoNodes().getSettings());
    const int n = 200000;  // 320 GB of matrix
    network.nodes().resize(n);
    for (int i = 0; i < n; ++i) network.nodes()[i].name = *TzRvnName::from(std::to_wstring(i + 1));
    for (int i = 1; i < n; ++i) {
        TzRvnEdge edge = twoNodes().edges()[0];
        edge.startNode = network.nodes()[i - 1].name;
        edge.endNode = network.nodes()[i].name;
        network.edges().push_back(edge);
    }
    network.tanks().push_back(twoNodes().tanks()[0]);
    TzRvnStringReport check;
    ASSERT_EQ(CheckTopology(network, std::wstring(L"grande"), check, KeepText), 1);
    TzRvnStringReport log;
    TzRvnSolverChoice dense(TzRvnFactorisation::dense);
    dense.availableMemoryBytes = AvailableMemoryBytes();
    const TzRvnSolverOutcome outcome = SolveNetwork(network, std::wstring(L"grande"), log, KeepText, dense);
    EXPECT_EQ(outcome.result, 0);
    const std::wstring refusal = SolverRefusalText(outcome, network, KeepText);
    EXPECT_TRUE(refusal.starts_with(L"Impossibile allocare la matrice del sistema: servono 305177 MiB")) << refusal;
    EXPECT_TRUE(log.text().ends_with(refusal));
}

}  // namespace
