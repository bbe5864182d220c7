// The Portavia import: mapping into the network, damaged files, the questions.
#include "analysis/jobs/network_exchange.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

// Builds a .ptv file in memory, little-endian.
class PtvWriter {
public:
    PtvWriter& int16(std::int16_t value) { return unsignedValue(static_cast<std::uint16_t>(value), 2); }
    PtvWriter& real(double value) { return unsignedValue(std::bit_cast<std::uint64_t>(value), 8); }
    PtvWriter& zeros(std::size_t count) {
        bytes_.append(count, '\0');
        return *this;
    }
    PtvWriter& note(std::u16string units) {
        units.resize(8, u'\0');
        for (char16_t unit : units) unsignedValue(unit, 2);
        return *this;
    }
    PtvWriter& header(std::int16_t nodes, std::int16_t branches, std::int16_t tanks) {
        zeros(84).real(1.004e-6).real(0.8).zeros(32).real(1e-7).int16(50).real(0.001).real(1e-5);
        return int16(nodes).int16(branches).int16(tanks);
    }
    PtvWriter& node(double demand, double elevation, std::u16string text = u"") {
        return zeros(16).real(demand).real(elevation).note(std::move(text));
    }
    PtvWriter& branch(std::int16_t start, std::int16_t end, double length, double roughness, double diameter,
                      std::u16string text = u"") {
        return int16(start).int16(end).real(length).real(roughness).real(0.5).real(diameter).note(std::move(text));
    }
    PtvWriter& tank(std::int16_t node, double level) { return int16(node).real(level); }
    const std::string& bytes() const { return bytes_; }

private:
    PtvWriter& unsignedValue(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
        return *this;
    }
    std::string bytes_;
};

const std::vector<CMateriale> kMaterials = {{L"Ghisa", 0.00026}, {L"PVC", 1.5e-6}};

TzRvnImportResult read(const std::string& bytes, TzRvnNetworkData& network,
                       const TzRvnImportQuestion& ask = [](const std::wstring&) { return true; }) {
    return ReadPortaviaBytes(bytes, L"rete.ptv", kMaterials, ask, network);
}

TEST(PortaviaImport, MapsNodesBranchesTanksAndSettings) {
    PtvWriter file;
    file.header(3, 2, 1).node(0, 50).node(0.002, 30, u"Citt\u00e0").node(0.001, 25);
    file.branch(1, 2, 250, 5e-4, 0.1, u"PEAD").branch(2, 3, 100, 1e-4, 0.08).tank(1, 100);
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

TEST(PortaviaImport, NotesStopAtTheirFirstZeroOrKeepAllEightUnits) {
    PtvWriter file;
    file.header(3, 0, 0).node(0, 0, u"ABCDEFGH").node(0, 0, u"ab\0zz").node(0, 0, u"\U0001F4A7x");
    TzRvnNetworkData network;
    ASSERT_EQ(read(file.bytes(), network).status, TzRvnImportStatus::imported);
    EXPECT_EQ(network.nodes()[0].note.text(), L"ABCDEFGH");
    EXPECT_EQ(network.nodes()[1].note.text(), L"ab");
    EXPECT_EQ(network.nodes()[2].note.text(), L"\U0001F4A7x");
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
