// The Portavia import: mapping into the network, damaged files, the questions. The shared cases
// check real files whole, notes of every length among them.
#include "analysis/exchange/portavia_reader.h"
#include "network_builder.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

using rvntest::PtvWriter;

const std::vector<CMateriale> kMaterials = {{L"Ghisa", 0.00026}, {L"PVC", 1.5e-6}};

TzRvnImportResult read(const std::string& bytes, TzRvnNetworkData& network,
                       const TzRvnImportQuestion& ask = [](const std::wstring&) { return true; }) {
    return ReadPortaviaBytes(bytes, L"rete.ptv", kMaterials, ask, network);
}

TEST(PortaviaImport, MapsNodesBranchesTanksAndSettings) {
    PtvWriter file;
    file.header(3, 2, 1).node(0, 50).node(0.002, 30, u"Citt\u00e0").node(0.001, 25);
    file.branch(1, 2, 250, 5e-4, 0.1, 0.5, u"PEAD").branch(2, 3, 100, 1e-4, 0.08).tank(1, 100);
    TzRvnNetworkData network;
    ASSERT_EQ(read(file.bytes() + "trailing bytes", network).status, TzRvnImportStatus::imported);

    ASSERT_EQ(network.numNodes(), 3);
    EXPECT_EQ(network.nodes()[2].name.view(), L"3");
    EXPECT_EQ(network.nodes()[1].demand, 0.002);
    EXPECT_EQ(network.nodes()[1].elevation, 30);
    EXPECT_EQ(network.nodes()[1].note.text(), L"Citt\u00e0");
    EXPECT_FALSE(network.nodes()[0].note.has());
    EXPECT_EQ(network.nodes()[0].head, NO_RESULT);

    ASSERT_EQ(network.numEdges(), 2);
    const TzRvnEdge& edge = network.edges()[0];
    EXPECT_EQ(edge.startNode.view(), L"1");
    EXPECT_EQ(edge.endNode.view(), L"2");
    EXPECT_EQ(edge.length, 250);
    EXPECT_EQ(edge.roughness, 5e-4);
    EXPECT_EQ(edge.csi, 0.5);
    EXPECT_EQ(edge.diameter, 0.1);
    EXPECT_EQ(edge.note.text(), L"PEAD");
    EXPECT_EQ(edge.startIndex, 0);
    EXPECT_EQ(edge.flow, NO_RESULT);

    ASSERT_EQ(network.numTanks(), 1);
    EXPECT_EQ(network.tanks()[0].nodeName.view(), L"1");
    EXPECT_EQ(network.tanks()[0].head, 100);

    const TzRvnSettings& s = network.settings();
    EXPECT_EQ(s.fluidIndex, 0);
    EXPECT_EQ(s.viscosity, 1.004e-6);
    EXPECT_EQ(s.initialVelocity, 0.8);
    EXPECT_EQ(s.maxIterations, 50);
    EXPECT_EQ(s.minBranchFlow, 1e-7);
    EXPECT_EQ(s.headTolerance, 0.001);
    EXPECT_EQ(s.flowTolerance, 1e-5);
    EXPECT_EQ(s.materialIndex, 0);
    EXPECT_EQ(s.defaultRoughness, 0.00026);
    EXPECT_EQ(s.minPressureHead, 0.1);
    EXPECT_EQ(s.maxVelocity, 1.0);
    EXPECT_EQ(s.colourHighVelocity, 400u);
    EXPECT_FALSE(network.hasSchema());
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
    EXPECT_NE(shortHeader.message.find(L"rete.ptv"), std::wstring::npos);
    EXPECT_EQ(network.numNodes(), 5);

    PtvWriter negative;
    negative.header(-3, -1, 0);
    ASSERT_EQ(read(negative.bytes(), network).status, TzRvnImportStatus::imported);
    EXPECT_EQ(network.numNodes(), 0);
    EXPECT_EQ(network.numEdges(), 0);
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
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], L"La lunghezza del ramo 2 NON e' POSITIVA\n\nProseguire con l'IMPORTAZIONE dei dati?");
    EXPECT_EQ(questions[1], L"La scabrezza del ramo 2 NON e' POSITIVA\n\nProseguire con l'IMPORTAZIONE dei dati?");
    EXPECT_EQ(network.edges()[1].length, 0);

    TzRvnNetworkData untouched;
    untouched.setNumTanks(4);
    TzRvnImportResult abandoned = read(file.bytes(), untouched, [](const std::wstring&) { return false; });
    EXPECT_EQ(abandoned.status, TzRvnImportStatus::abandoned);
    EXPECT_EQ(untouched.numTanks(), 4);
    EXPECT_EQ(untouched.numNodes(), 0);
}

TEST(PortaviaImport, OpensFilesAndNamesTheNetworkAfterThem) {
    EXPECT_EQ(PortaviaNetworkName(L"/dati/reti/Quartiere.nord.ptv"), L"Quartiere.nord");
    EXPECT_EQ(PortaviaNetworkName(L"rete"), L"rete");
    rvntest::ScratchDir dir;
    PtvWriter file;
    file.header(1, 0, 0).node(0.5, 1);
    rvntest::writeBytes(dir / "a.ptv", file.bytes());
    TzRvnNetworkData network;
    auto yes = [](const std::wstring&) { return true; };
    EXPECT_EQ(ImportPortaviaFile((dir / "a.ptv").wstring(), {}, yes, network).status, TzRvnImportStatus::imported);
    EXPECT_EQ(network.settings().defaultRoughness, 0.0);
    EXPECT_EQ(ImportPortaviaFile((dir / "b.ptv").wstring(), {}, yes, network).status, TzRvnImportStatus::notOpened);
    EXPECT_EQ(ImportPortaviaFile(dir.path().wstring(), {}, yes, network).status, TzRvnImportStatus::notOpened);
}

}  // namespace
