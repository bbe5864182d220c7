// The calculation core on its own: this program links it without the host library and without the
// rest of the plug-in. What the core needs of the host reaches it as parameters: the translation of
// its texts, the network's name, the memory available, the yes/no question of an import.
#include "analysis/exchange/inp_reader.h"
#include "analysis/exchange/inp_writer.h"
#include "analysis/exchange/portavia_reader.h"
#include "analysis/solver/run_calculation.h"
#include "analysis/solver/solver.h"
#include "analysis/topology/topology_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A translation that tells its texts from the others: each comes back between angle quotes.
std::wstring quoted(std::wstring_view text) { return L"\u00AB" + std::wstring(text) + L"\u00BB"; }

// Three junctions in a line fed by a tank, through three pipes.
constexpr std::string_view kTwoPipes =
    "[JUNCTIONS]\n A 10\n B 5 1\n C 0 2\n"
    "[TANKS]\n T 50 0 0 0 0 0\n"
    "[PIPES]\n 1 T A 100 200 0.1 0 Open\n 2 A B 200 150 0.1 0 Open\n 3 B C 200 100 0.1 0 Open\n"
    "[OPTIONS]\n UNITS LPS\n HEADLOSS D-W\n";

TzRvnNetworkData importedNetwork() {
    TzRvnNetworkData network;
    TzRvnSettings installed;
    installed.setFluid(0, 1.01e-6);
    installed.initialVelocity = 0.5;
    installed.minBranchFlow = 1e-7;
    const TzRvnInpRead read = ParseInpText(kTwoPipes, installed, network);
    EXPECT_EQ(TzRvnInpStatus::imported, read.status);
    return network;
}

TEST(CalcCore, CalculatesAnImportedNetworkWithTheTranslationItIsGiven) {
    TzRvnNetworkData network = importedNetwork();
    ASSERT_EQ(4, network.numNodes());
    TzRvnStringReport check;
    TzRvnStringReport calc;
    const TzRvnRunOutcome outcome =
        RunCalculation(network, std::wstring(L"rete"), check, [&calc] { return &calc; }, quoted);
    ASSERT_EQ(1, outcome.check) << check.text();
    ASSERT_EQ(1, outcome.calc) << calc.text();
    EXPECT_TRUE(outcome.converged);
    EXPECT_TRUE(check.text().starts_with(L"\u00AB====")) << check.text();
    EXPECT_NE(std::wstring::npos, check.text().find(L"\u00ABNODI ISOLATI:\n\u00BB\u00ABNessuno\n\u00BB"));
    EXPECT_NE(std::wstring::npos, calc.text().find(L"RETE:  \u00BBrete\n")) << calc.text();
    EXPECT_NE(std::wstring::npos, calc.text().find(L"\u00ABErrore max in Q pari a ")) << calc.text();
    // The tank (the fourth node) feeds the 3 l/s the junctions draw, the heads falling on the way.
    EXPECT_NEAR(0.003, network.tanks()[0].flow, 1e-9);
    EXPECT_NEAR(0.003, network.edges()[0].flow, 1e-9);
    EXPECT_GT(network.nodes()[3].head, network.nodes()[0].head);
    EXPECT_GT(network.nodes()[0].head, network.nodes()[2].head);
}

TEST(CalcCore, ARefusedCalculationTellsWhyAsAStatusThatTheCallerWords) {
    TzRvnNetworkData network = importedNetwork();
    network.edges()[1].diameter = 0.0;
    TzRvnStringReport check;
    TzRvnStringReport calc;
    TzRvnSolverChoice choice(TzRvnFactorisation::dense);
    choice.availableMemoryBytes = 0;
    ASSERT_EQ(1, CheckTopology(network, std::wstring(L"rete"), check, KeepText));
    TzRvnSolverOutcome outcome = SolveNetwork(network, std::wstring(L"rete"), calc, quoted, choice);
    ASSERT_EQ(TzRvnSolverStatus::unusableValues, outcome.status);
    EXPECT_EQ(outcome.unusable,
              (std::vector<TzRvnUnusableValue>{{TzRvnUnusableKind::diameter, 1, 0.0}}));
    EXPECT_TRUE(calc.text().ends_with(SolverRefusalText(outcome, network, quoted)));
    EXPECT_EQ(SolverRefusalText(outcome, network, KeepText),
              L"Impossibile avviare il calcolo: valori non utilizzabili\n"
              L"Ramo 2 (A-B): diametro 0 m: deve essere un numero positivo\n");

    network.edges()[1].diameter = 0.15;
    outcome = SolveNetwork(network, std::wstring(L"rete"), calc, KeepText, choice);
    ASSERT_EQ(TzRvnSolverStatus::systemTooLarge, outcome.status);
    EXPECT_EQ(0u, outcome.availableBytes);
    EXPECT_EQ(4u * 4 * sizeof(double) + 4 * sizeof(double*), outcome.systemBytes);
    EXPECT_EQ(NO_RESULT, network.nodes()[1].head);
}

TEST(CalcCore, ReadersAndWriterTellWhyTheyStopAndTheImportAsksItsQuestions) {
    TzRvnNetworkData network = importedNetwork();
    network.edges()[1].length = 0.0;
    std::string text;
    const std::optional<TzRvnInpExportRefusal> refusal = InpFileText(network, L"rete", text);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(TzRvnInpExportProblem::branchValue, refusal->problem);
    EXPECT_EQ(2, refusal->element);

    std::string header(kPortaviaHeaderSize, '\0');
    header[158] = 2;  // two nodes, one branch of length 0
    header[160] = 1;
    std::string bytes = header + std::string(2 * kPortaviaNodeSize + kPortaviaBranchSize, '\0');
    std::vector<TzRvnImportDoubt> asked;
    const auto no = [&](const TzRvnImportDoubt& doubt) {
        asked.push_back(doubt);
        return false;
    };
    TzRvnNetworkData read;
    EXPECT_EQ(TzRvnPortaviaStatus::abandoned, ParsePortaviaBytes(bytes, {}, no, read).status);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(TzRvnBranchValue::length, asked[0].value);
    EXPECT_EQ(1, asked[0].branch);
    EXPECT_EQ(0, read.numNodes());

    const TzRvnPortaviaRead cut = ParsePortaviaBytes(header.substr(0, 10), {}, no, read);
    EXPECT_EQ(TzRvnPortaviaStatus::shortHeader, cut.status);
    EXPECT_EQ(10, cut.size);

    const TzRvnInpRead refused = ParseInpText("[PUMPS]\n P1 A B\n", {}, read);
    ASSERT_EQ(TzRvnInpStatus::refused, refused.status);
    EXPECT_EQ(L"[PUMPS]", refused.refusal->section);
    EXPECT_EQ(2, refused.refusal->line);
}

}  // namespace
