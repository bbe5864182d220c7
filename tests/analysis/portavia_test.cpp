// The Portavia import: what the shared cases' files do not vary, damaged files, the questions.
#include "analysis/jobs/network_exchange.h"
#include "network_builder.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using rvntest::PtvWriter;

const std::vector<CMateriale> kMaterials = {{L"Ghisa", 0.00026}, {L"PVC", 1.5e-6}};

TzRvnImportResult read(const std::string& bytes, TzRvnNetworkData& network,
                       const TzRvnImportQuestion& ask = [](const std::wstring&) { return true; }) {
    return ReadPortaviaBytes(bytes, L"rete.ptv", kMaterials, ask, network);
}

// The shared cases check the mapping of whole files against network.json; here what their files do
// not vary: bytes after the data, the header's start velocity and iteration limit, the results and
// indices left unset, the default roughness from the first material.
TEST(PortaviaImport, ReadsTheHeaderLeavesResultsUnsetAndIgnoresTrailingBytes) {
    PtvWriter file;
    file.header(2, 1, 1, 0.8, 50).node(0, 50).node(0.002, 30).branch(1, 2, 250, 5e-4, 0.1).tank(1, 100);
    TzRvnNetworkData network;
    ASSERT_EQ(read(file.bytes() + "trailing bytes", network).status, TzRvnImportStatus::imported);
    ASSERT_EQ(std::tuple(2, 1, 1), std::tuple(network.numNodes(), network.numEdges(), network.numTanks()));
    EXPECT_EQ(std::tuple(NO_RESULT, 0, NO_RESULT, 0), std::tuple(network.nodes()[1].head, network.edges()[0].startIndex,
                                                                network.edges()[0].flow, network.tanks()[0].nodeIndex));
    const TzRvnSettings& s = network.settings();
    EXPECT_EQ(std::tuple(0.8, 50, 0, 0.00026, false),
              std::tuple(s.initialVelocity, s.maxIterations, s.materialIndex, s.defaultRoughness, network.hasSchema()));
}

TEST(PortaviaImport, RefusesShortFilesAndReadsNegativeCountsAsNone) {
    PtvWriter file;
    file.header(2, 0, 1).node(0, 0).node(0, 0).tank(1, 10);
    TzRvnNetworkData network;
    network.setNumNodes(5);
    const std::string& whole = file.bytes();
    EXPECT_EQ(read(whole.substr(0, whole.size() - 1), network).status, TzRvnImportStatus::truncated);
    TzRvnImportResult shortHeader = read(whole.substr(0, 163), network);
    EXPECT_EQ(shortHeader.status, TzRvnImportStatus::truncated);
    EXPECT_NE(shortHeader.message.find(L"rete.ptv: e' piu' corto della sua intestazione (163 byte su 164)"),
              std::wstring::npos);
    EXPECT_EQ(network.numNodes(), 5);

    PtvWriter negative;
    negative.header(-3, -1, 0);
    ASSERT_EQ(read(negative.bytes(), network).status, TzRvnImportStatus::imported);
    EXPECT_EQ(std::pair(0, 0), std::pair(network.numNodes(), network.numEdges()));
}

TEST(PortaviaImport, AsksAboutNonPositiveValuesAndNoAbandonsEverything) {
    PtvWriter file;
    file.header(2, 2, 0).node(0, 0).node(0, 0).branch(1, 2, 100, 1e-4, 0.1).branch(2, 1, 0, -1e-4, 0.1);
    std::vector<std::wstring> questions;
    auto yes = [&](const std::wstring& question) {
        questions.push_back(question);
        return true;
    };
    TzRvnNetworkData network;
    ASSERT_EQ(read(file.bytes(), network, yes).status, TzRvnImportStatus::imported);
    EXPECT_EQ(questions, (std::vector<std::wstring>{
                             L"La lunghezza del ramo 2 NON e' POSITIVA\n\nProseguire con l'IMPORTAZIONE dei dati?",
                             L"La scabrezza del ramo 2 NON e' POSITIVA\n\nProseguire con l'IMPORTAZIONE dei dati?"}));
    EXPECT_EQ(network.edges()[1].length, 0);

    TzRvnNetworkData untouched;
    untouched.setNumTanks(4);
    TzRvnImportResult abandoned = read(file.bytes(), untouched, [](const std::wstring&) { return false; });
    EXPECT_EQ(abandoned.status, TzRvnImportStatus::abandoned);
    EXPECT_EQ(std::pair(4, 0), std::pair(untouched.numTanks(), untouched.numNodes()));
}

}  // namespace
