// The network's DWG item sequence, checked item by item against a hand-written expectation, its
// reading back (round trips, versions, damaged sequences) and its DXF groups.
#include "dwg_memory_filer.h"
#include "dxf_memory_filer.h"
#include "host/entity_ids.h"
#include "netobj_support.h"
#include "netobj/network_filing.h"
#include "text_codec.h"

#include <cwchar>
#include <sstream>
#include <variant>
#include <vector>

namespace {

using rvnhost::MemoryDwgFiler;
using rvnhost::MemoryDxfFiler;
using rvntest::name;
using rvntest::sampleNetwork;

std::vector<std::wstring> lines(const std::wstring& text) {
    std::vector<std::wstring> result;
    std::wistringstream in(text);
    for (std::wstring line; std::getline(in, line);) result.push_back(line);
    return result;
}

// The items one line each, so that a failure shows both sequences whole.
void expectSameItems(const MemoryDwgFiler& expected, const MemoryDwgFiler& actual) {
    EXPECT_EQ(lines(expected.dump()), lines(actual.dump()));
}

// What every object files before its own items.
void writeBaseItems(MemoryDwgFiler& filer) {
    AcDbObject plain;
    ASSERT_EQ(Acad::eOk, plain.dwgOutFields(&filer));
}

// An item of a hand-written sequence: a number as the filer takes it, a text (its length as a UInt8
// first) or no text (a length of zero alone).
struct NoText {};
using Item = std::variant<Adesk::Int16, Adesk::Int32, double, bool, const wchar_t*, NoText>;
using I16 = Adesk::Int16;

template <class... Writers>
struct Overloaded : Writers... {
    using Writers::operator()...;
};
template <class... Writers>
Overloaded(Writers...) -> Overloaded<Writers...>;

void write(MemoryDwgFiler& filer, std::initializer_list<Item> items) {
    const auto writeText = [&filer](const wchar_t* text) {
        filer.writeUInt8(static_cast<Adesk::UInt8>(std::wcslen(text)));
        filer.writeString(text);
    };
    for (const Item& item : items) {
        std::visit(Overloaded{[&](Adesk::Int16 value) { filer.writeInt16(value); },
                              [&](Adesk::Int32 value) { filer.writeInt32(value); },
                              [&](double value) { filer.writeDouble(value); },
                              [&](bool value) { filer.writeBoolean(value); }, writeText,
                              [&](NoText) { filer.writeUInt8(0); }},
                   item);
    }
}

MemoryDwgFiler filed(const TzRvnNetwork& network, AcDb::FilerType type = AcDb::kFileFiler) {
    MemoryDwgFiler filer(type);
    EXPECT_EQ(Acad::eOk, network.dwgOutFields(&filer));
    filer.rewind();
    return filer;
}

TzRvnNetworkData dataOf(const TzRvnNetwork& network) {
    TzRvnNetworkData data;
    EXPECT_EQ(Acad::eOk, network.getData(data));
    return data;
}

TEST(NetworkDwgFiling, WritesTheItemSequenceOfNodesBranchesTanksNotesAndEmptyNames) {
    const TzRvnNetwork network(sampleNetwork());
    MemoryDwgFiler expected;
    writeBaseItems(expected);
    // The version; settings: units, fluid, controls (flows in l/s), material (roughness in mm),
    // thresholds, colours.
    write(expected, {I16{1}, I16{1}, I16{2}, I16{2}, I16{1}, I16{0}, 1.004e-6, 1.0, I16{100}, 1e-7 / 0.001, 0.001});
    write(expected, {1e-5 / 0.001, I16{2}, 0.0001 / 0.001, 0.1, 1.0, 0.1, 1.0, 100, 200, 300, -1});
    // Nodes: name, demand, elevation, note, head, pressure head.
    write(expected, {3, L"N1", 0.0, 40.0, L"sorgente", 75.0, 35.0});
    write(expected, {NoText{}, 0.002, 0.0, NoText{}, NO_RESULT, NO_RESULT});
    write(expected, {L"N3", 0.0015, 20.0, L"valle", NO_RESULT, NO_RESULT});
    // Branches: ends, excluded, L, D, roughness, csi, note, five results; all SI.
    write(expected, {2, L"N1", L"N3", false, 120.0, 0.11, 0.0001, 2.5, L"ramo \u00e8 nuovo"});
    write(expected, {0.0035, 0.368, 40345.0, 0.0021, 0.252});
    write(expected, {L"N3", L"N1", true, 10.0, 0.05, 0.0, 0.0, NoText{}});
    write(expected, {NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT});
    // Tanks: node name, level, note, flow; then the schema flag.
    write(expected, {2, L"N1", 75.0, L"serbatoio alto", 0.0035});
    write(expected, {L"N3", 60.0, NoText{}, NO_RESULT, true});

    expectSameItems(expected, filed(network));
}

// What is read files the same sequence again; the entities and the indices derived from the names
// are not filed and come back empty.
TEST(NetworkDwgFiling, ReadsBackNamesDataNotesAndResultsButNoDerivedIndices) {
    AcDbDatabase db;
    TzRvnNetworkData original = sampleNetwork();
    original.nodes()[0].entityId = EntityIdOf(db.clayer());
    const TzRvnNetwork network(original);
    MemoryDwgFiler filer = filed(network);
    TzRvnNetwork reread;
    ASSERT_EQ(Acad::eOk, reread.dwgInFields(&filer));
    expectSameItems(filed(network), filed(reread));

    const TzRvnNetworkData data = dataOf(reread);
    EXPECT_EQ(original.settings(), data.settings());
    EXPECT_TRUE(data.nodes()[0].entityId.isNull());
    EXPECT_FALSE(data.nodes()[1].note.has());
    EXPECT_EQ(0, data.edges()[0].startIndex);
    EXPECT_EQ(0, data.edges()[0].endIndex);
    EXPECT_EQ(0, data.tanks()[0].nodeIndex);
}

TEST(NetworkDwgFiling, ALongNoteKeepsANonZeroPrefixAndRoundTrips) {
    TzRvnNetworkData data;
    data.setNumNodes(1);
    const std::wstring longNote(300, L'x');
    data.nodes()[0].note.set(longNote);
    const TzRvnNetwork network(data);
    MemoryDwgFiler filer = filed(network);
    const std::vector<std::wstring> all = lines(filer.dump());
    EXPECT_NE(all.end(), std::find(all.begin(), all.end(), L"UInt8 255"));
    TzRvnNetwork reread;
    ASSERT_EQ(Acad::eOk, reread.dwgInFields(&filer));
    EXPECT_EQ(longNote, dataOf(reread).nodes()[0].note.text());
}

// A sequence written by hand: the base items, the version, then what follows.
MemoryDwgFiler sequenceWithVersion(Adesk::Int16 version) {
    MemoryDwgFiler filer;
    writeBaseItems(filer);
    write(filer, {version});
    return filer;
}

// A later version asks to be kept as a proxy, an earlier one keeps the object; neither reads more.
TEST(NetworkDwgFiling, AnotherVersionReadsNothingMoreAndLeavesTheObject) {
    for (const auto& [version, expected] : {std::pair{Adesk::Int16(2), Acad::eMakeMeProxy}, {Adesk::Int16(0), Acad::eOk}}) {
        SCOPED_TRACE(version);
        MemoryDwgFiler filer = sequenceWithVersion(version);
        write(filer, {I16{1}});
        filer.rewind();
        TzRvnNetwork network(sampleNetwork());
        EXPECT_EQ(expected, network.dwgInFields(&filer));
        EXPECT_EQ(filer.items().size() - 1, filer.position());
        EXPECT_EQ(3, network.numNodes());
    }
}

// Items 3 to 23 of settings that are all zero.
void writeZeroSettings(MemoryDwgFiler& filer) {
    write(filer, {I16{0}, I16{0}, I16{0}, I16{0}, I16{0}, 0.0, 0.0, I16{0}, 0.0, 0.0, 0.0, I16{0}});
    write(filer, {0.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0, 0});
}

TEST(NetworkDwgFiling, ADamagedSequenceAnswersTheFilerErrorAndLeavesTheObjectAsItWas) {
    MemoryDwgFiler truncated = filed(TzRvnNetwork(sampleNetwork()));
    truncated.truncate(truncated.items().size() - 3);
    TzRvnNetwork network;
    network.setNumNodes(1);
    EXPECT_EQ(Acad::eEndOfFile, network.dwgInFields(&truncated));
    EXPECT_EQ(1, network.numNodes());
    EXPECT_EQ(0, network.numEdges());

    MemoryDwgFiler tooLong = sequenceWithVersion(1);
    writeZeroSettings(tooLong);
    write(tooLong, {1, L"NomeDiSediciCar!"});
    tooLong.rewind();
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, network.dwgInFields(&tooLong));
    EXPECT_EQ(1, network.numNodes());
    EXPECT_TRUE(network.getNode(0).name.empty());
}

TEST(NetworkDwgFiling, ANegativeCountIsAnImproperlyReadObject) {
    MemoryDwgFiler damaged = sequenceWithVersion(1);
    writeZeroSettings(damaged);
    write(damaged, {0, -5, 0, false});
    damaged.rewind();
    TzRvnNetwork network(sampleNetwork());
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, network.dwgInFields(&damaged));
    EXPECT_EQ(2, network.numEdges());
}

class NetworkFilingInDrawing : public rvntest::DrawingTest {
protected:
    AcDbObjectId addSample() {
        AcDbObjectId id;
        EXPECT_EQ(Acad::eOk, AddNetwork(&db, L"Rete", std::make_unique<TzRvnNetwork>(sampleNetwork()), id));
        return id;
    }
};

TEST_F(NetworkFilingInDrawing, AWblockCloneFilerCarriesTheOwnerAfterTheVersion) {
    TzRvnOpenObject<TzRvnNetwork> network(addSample(), AcDb::kForRead);
    ASSERT_TRUE(network.isOpen());
    MemoryDwgFiler base;
    writeBaseItems(base);
    MemoryDwgFiler clone = filed(*network, AcDb::kWblockCloneFiler);
    const std::size_t version = base.items().size();
    EXPECT_EQ(MemoryDwgFiler::ItemType::HardPointerId, clone.items()[version + 1].type);
    EXPECT_EQ(network->ownerId(), std::get<AcDbObjectId>(clone.items()[version + 1].value));
    EXPECT_EQ(filed(*network).items().size() + 1, clone.items().size());

    TzRvnNetwork copy;
    EXPECT_EQ(Acad::eOk, copy.dwgInFields(&clone));
    EXPECT_EQ(clone.items().size(), clone.position());
    EXPECT_EQ(3, copy.numNodes());
    EXPECT_EQ(2, copy.numTanks());
}

TEST_F(NetworkFilingInDrawing, FilingNeedsTheOpenModeItChanges) {
    const AcDbObjectId id = addSample();
    TzRvnOpenObject<TzRvnNetwork> reader(id, AcDb::kForRead);
    ASSERT_TRUE(reader.isOpen());
    MemoryDwgFiler filer = filed(*reader);
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->dwgInFields(&filer));
    MemoryDxfFiler dxf;
    EXPECT_EQ(Acad::eNotOpenForWrite, reader->dxfInFields(&dxf));
    TzRvnNetwork* network = reader.get();
    reader.close();
    MemoryDwgFiler unused;
    EXPECT_EQ(Acad::eNotOpenForRead, network->dwgOutFields(&unused));
    EXPECT_EQ(Acad::eNotOpenForRead, network->dxfOutFields(&dxf));
    EXPECT_TRUE(unused.items().empty());
}

TEST_F(NetworkFilingInDrawing, DxfCarriesTheSubclassMarkerAndTheVersionOnly) {
    const AcDbObjectId id = addSample();
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForRead);
    MemoryDxfFiler filer;
    ASSERT_EQ(Acad::eOk, network->dxfOutFields(&filer));
    const std::vector<std::wstring> groups = lines(filer.dump());
    ASSERT_GE(groups.size(), 2u);
    EXPECT_EQ(L"100 TzRvnNetwork", groups[groups.size() - 2]);
    EXPECT_EQ(L"70 1", groups.back());

    filer.rewind();
    TzRvnNetwork reread(sampleNetwork());
    EXPECT_EQ(Acad::eOk, reread.dxfInFields(&filer));
    EXPECT_TRUE(filer.atEOF());
}

TEST(NetworkDxfFiling, AnswersFiftyTwoWithoutTheMarkerFiftyWithoutTheVersionGroupAndAProxyForALaterOne) {
    MemoryDxfFiler noMarker;
    noMarker.writeString(AcDb::kDxfSubclass, L"AcDbDictionary");
    noMarker.rewind();
    TzRvnNetwork network;
    EXPECT_EQ(Acad::eBadDxfSequence, network.dxfInFields(&noMarker));

    MemoryDxfFiler wrongGroup;
    wrongGroup.writeString(AcDb::kDxfSubclass, kNetworkSubclassMarker);
    wrongGroup.writeDouble(AcDb::kDxfReal, 2.5);
    wrongGroup.rewind();
    EXPECT_EQ(Acad::eInvalidDxfCode, network.dxfInFields(&wrongGroup));
    EXPECT_EQ(Acad::eInvalidDxfCode, wrongGroup.filerStatus());
    EXPECT_STREQ(L"\nError: expected group code 70", wrongGroup.errorMessage());

    MemoryDxfFiler markerOnly;
    markerOnly.writeString(AcDb::kDxfSubclass, kNetworkSubclassMarker);
    markerOnly.rewind();
    EXPECT_EQ(Acad::eInvalidDxfCode, network.dxfInFields(&markerOnly));

    MemoryDxfFiler later;
    later.writeString(AcDb::kDxfSubclass, kNetworkSubclassMarker);
    later.writeInt16(AcDb::kDxfInt16, 2);
    later.rewind();
    EXPECT_EQ(Acad::eMakeMeProxy, network.dxfInFields(&later)) << "a later version asks to be kept as a proxy";
}

}  // namespace
