// The network's DWG item sequence, checked item by item against a hand-written expectation, its
// reading back (round trips, versions, damaged sequences) and its DXF groups.
#include "dwg_memory_filer.h"
#include "dxf_memory_filer.h"
#include "host/entity_ids.h"
#include "netobj_support.h"
#include "netobj/network_filing.h"
#include "text_codec.h"

#include <sstream>
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

void expectSameItems(const MemoryDwgFiler& expected, const MemoryDwgFiler& actual) {
    const std::vector<std::wstring> want = lines(expected.dump());
    const std::vector<std::wstring> got = lines(actual.dump());
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        const std::wstring w = i < want.size() ? want[i] : L"(nothing)";
        const std::wstring g = i < got.size() ? got[i] : L"(nothing)";
        EXPECT_EQ(rvnos::toUtf8(w), rvnos::toUtf8(g)) << "item " << i;
    }
}

// What every object files before its own items.
void writeBaseItems(MemoryDwgFiler& filer) {
    AcDbObject plain;
    ASSERT_EQ(Acad::eOk, plain.dwgOutFields(&filer));
}

void writeText(MemoryDwgFiler& filer, Adesk::UInt8 prefix, const wchar_t* text) {
    filer.writeUInt8(prefix);
    filer.writeString(text);
}

void writeDoubles(MemoryDwgFiler& filer, std::initializer_list<double> values) {
    for (double value : values) filer.writeDouble(value);
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
    expected.writeInt16(1);
    // Settings: units, fluid, controls (flows in l/s), material (roughness in mm), thresholds, colours.
    for (Adesk::Int16 unit : {1, 2, 2, 1, 0}) expected.writeInt16(unit);
    writeDoubles(expected, {1.004e-6, 1.0});
    expected.writeInt16(100);
    writeDoubles(expected, {1e-7 / 0.001, 0.001, 1e-5 / 0.001});
    expected.writeInt16(2);
    writeDoubles(expected, {0.0001 / 0.001, 0.1, 1.0, 0.1, 1.0});
    for (Adesk::Int32 colour : {100, 200, 300, -1}) expected.writeInt32(colour);
    // Nodes: name, demand, elevation, note, head, pressure head.
    expected.writeInt32(3);
    writeText(expected, 2, L"N1");
    writeDoubles(expected, {0.0, 40.0});
    writeText(expected, 8, L"sorgente");
    writeDoubles(expected, {75.0, 35.0});
    expected.writeUInt8(0);
    writeDoubles(expected, {0.002, 0.0});
    expected.writeUInt8(0);
    writeDoubles(expected, {NO_RESULT, NO_RESULT});
    writeText(expected, 2, L"N3");
    writeDoubles(expected, {0.0015, 20.0});
    writeText(expected, 5, L"valle");
    writeDoubles(expected, {NO_RESULT, NO_RESULT});
    // Branches: ends, excluded, L, D, roughness, csi, note, five results; all SI.
    expected.writeInt32(2);
    writeText(expected, 2, L"N1");
    writeText(expected, 2, L"N3");
    expected.writeBoolean(false);
    writeDoubles(expected, {120.0, 0.11, 0.0001, 2.5});
    writeText(expected, 12, L"ramo \u00e8 nuovo");
    writeDoubles(expected, {0.0035, 0.368, 40345.0, 0.0021, 0.252});
    writeText(expected, 2, L"N3");
    writeText(expected, 2, L"N1");
    expected.writeBoolean(true);
    writeDoubles(expected, {10.0, 0.05, 0.0, 0.0});
    expected.writeUInt8(0);
    writeDoubles(expected, {NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT, NO_RESULT});
    // Tanks: node name, level, note, flow.
    expected.writeInt32(2);
    writeText(expected, 2, L"N1");
    expected.writeDouble(75.0);
    writeText(expected, 14, L"serbatoio alto");
    expected.writeDouble(0.0035);
    writeText(expected, 2, L"N3");
    expected.writeDouble(60.0);
    expected.writeUInt8(0);
    expected.writeDouble(NO_RESULT);
    expected.writeBoolean(true);

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
    filer.writeInt16(version);
    return filer;
}

// A later version asks to be kept as a proxy, an earlier one keeps the object; neither reads more.
TEST(NetworkDwgFiling, AnotherVersionReadsNothingMoreAndLeavesTheObject) {
    for (const auto& [version, expected] : {std::pair{Adesk::Int16(2), Acad::eMakeMeProxy}, {Adesk::Int16(0), Acad::eOk}}) {
        SCOPED_TRACE(version);
        MemoryDwgFiler filer = sequenceWithVersion(version);
        filer.writeInt16(1);
        filer.rewind();
        TzRvnNetwork network(sampleNetwork());
        EXPECT_EQ(expected, network.dwgInFields(&filer));
        EXPECT_EQ(filer.items().size() - 1, filer.position());
        EXPECT_EQ(3, network.numNodes());
    }
}

// Items 3 to 23 of settings that are all zero.
void writeZeroSettings(MemoryDwgFiler& filer) {
    for (int unit = 0; unit < 5; ++unit) filer.writeInt16(0);
    writeDoubles(filer, {0.0, 0.0});
    filer.writeInt16(0);
    writeDoubles(filer, {0.0, 0.0, 0.0});
    filer.writeInt16(0);
    writeDoubles(filer, {0.0, 0.0, 0.0, 0.0, 0.0});
    for (int colour = 0; colour < 4; ++colour) filer.writeInt32(0);
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
    tooLong.writeInt32(1);
    writeText(tooLong, 16, L"NomeDiSediciCar!");
    tooLong.rewind();
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, network.dwgInFields(&tooLong));
    EXPECT_EQ(1, network.numNodes());
    EXPECT_TRUE(network.getNode(0).name.empty());
}

TEST(NetworkDwgFiling, ANegativeCountIsAnImproperlyReadObject) {
    MemoryDwgFiler damaged = sequenceWithVersion(1);
    writeZeroSettings(damaged);
    damaged.writeInt32(0);
    damaged.writeInt32(-5);
    damaged.writeInt32(0);
    damaged.writeBoolean(false);
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
