// Filing of the network object. The DWG item sequence is a binary format of its own (a drawing
// saved by one build opens in another): version, owner (wblock-clone filers only), the settings,
// the nodes, branches and tanks with their results, and the schema flag. Node indices and entity
// ids are derived data and are not filed. Through DXF only the subclass marker and the version go.
#include "netobj/network_filing.h"

#include "dbfiler.h"
#include "netobj/network_object.h"
#include "network/settings_units.h"
#include "text_codec.h"

#include <algorithm>
#include <string>

namespace {

constexpr Adesk::UInt8 kLongestCountedText = 255;

bool isWblockClone(const AcDbDwgFiler* filer) { return filer->filerType() == AcDb::kWblockCloneFiler; }

bool readingFailed(const AcDbDwgFiler* filer) { return filer->filerStatus() != Acad::eOk; }

// A text item: a UInt8 with the length in UTF-16 code units (0 for an absent or empty text, 255
// for 255 units and more), then the text as a String unless the prefix is 0.
void writeText(AcDbDwgFiler* filer, std::wstring_view text) {
    const std::size_t units = rvnos::utf16Length(text);
    filer->writeUInt8(static_cast<Adesk::UInt8>(std::min<std::size_t>(units, kLongestCountedText)));
    if (units > 0) filer->writeString(std::wstring(text).c_str());
}

std::wstring readText(AcDbDwgFiler* filer) {
    Adesk::UInt8 prefix = 0;
    filer->readUInt8(&prefix);
    std::wstring text;
    if (prefix != 0) filer->readString(text);
    return text;
}

// A name that does not fit its field marks the object as improperly read: names are never cut.
void readName(AcDbDwgFiler* filer, TzRvnName& name) {
    if (!name.assign(readText(filer)) && !readingFailed(filer)) {
        filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    }
}

void readNote(AcDbDwgFiler* filer, TzRvnNote& note) { note.set(readText(filer)); }

double readDouble(AcDbDwgFiler* filer) {
    double value = 0.0;
    filer->readDouble(&value);
    return value;
}

Adesk::Int16 readInt16(AcDbDwgFiler* filer) {
    Adesk::Int16 value = 0;
    filer->readInt16(&value);
    return value;
}

Adesk::Int32 readInt32(AcDbDwgFiler* filer) {
    Adesk::Int32 value = 0;
    filer->readInt32(&value);
    return value;
}

bool readBoolean(AcDbDwgFiler* filer) {
    Adesk::Boolean value = false;
    filer->readBoolean(&value);
    return value;
}

// Items 3 to 23: minBranchFlow and flowTolerance in the display flow unit, defaultRoughness in
// the display roughness unit, everything else in SI.
void writeSettings(AcDbDwgFiler* filer, const TzRvnSettings& s) {
    filer->writeInt16(static_cast<Adesk::Int16>(s.flowUnit));
    filer->writeInt16(static_cast<Adesk::Int16>(s.diameterUnit));
    filer->writeInt16(static_cast<Adesk::Int16>(s.roughnessUnit));
    filer->writeInt16(static_cast<Adesk::Int16>(s.slopeUnit));
    filer->writeInt16(static_cast<Adesk::Int16>(s.fluidIndex));
    filer->writeDouble(s.viscosity);
    filer->writeDouble(s.initialVelocity);
    filer->writeInt16(static_cast<Adesk::Int16>(s.maxIterations));
    filer->writeDouble(s.minBranchFlowIn(s.flowUnit));
    filer->writeDouble(s.headTolerance);
    filer->writeDouble(s.flowToleranceIn(s.flowUnit));
    filer->writeInt16(static_cast<Adesk::Int16>(s.materialIndex));
    filer->writeDouble(s.defaultRoughness / RoughnessUnitFactor(s.roughnessUnit));
    filer->writeDouble(s.minPressureHead);
    filer->writeDouble(s.maxPressureHead);
    filer->writeDouble(s.minVelocity);
    filer->writeDouble(s.maxVelocity);
    filer->writeInt32(static_cast<Adesk::Int32>(s.colourLowHead));
    filer->writeInt32(static_cast<Adesk::Int32>(s.colourHighHead));
    filer->writeInt32(static_cast<Adesk::Int32>(s.colourLowVelocity));
    filer->writeInt32(static_cast<Adesk::Int32>(s.colourHighVelocity));
}

TzRvnSettings readSettings(AcDbDwgFiler* filer) {
    TzRvnSettings s;
    s.flowUnit = readInt16(filer);
    s.diameterUnit = readInt16(filer);
    s.roughnessUnit = readInt16(filer);
    s.slopeUnit = readInt16(filer);
    s.fluidIndex = readInt16(filer);
    s.viscosity = readDouble(filer);
    s.initialVelocity = readDouble(filer);
    s.maxIterations = readInt16(filer);
    s.setMinBranchFlow(readDouble(filer));
    s.headTolerance = readDouble(filer);
    s.setFlowTolerance(readDouble(filer));
    s.materialIndex = readInt16(filer);
    s.defaultRoughness = readDouble(filer) * RoughnessUnitFactor(s.roughnessUnit);
    s.minPressureHead = readDouble(filer);
    s.maxPressureHead = readDouble(filer);
    s.minVelocity = readDouble(filer);
    s.maxVelocity = readDouble(filer);
    s.colourLowHead = static_cast<std::uint32_t>(readInt32(filer));
    s.colourHighHead = static_cast<std::uint32_t>(readInt32(filer));
    s.colourLowVelocity = static_cast<std::uint32_t>(readInt32(filer));
    s.colourHighVelocity = static_cast<std::uint32_t>(readInt32(filer));
    return s;
}

void writeNode(AcDbDwgFiler* filer, const TzRvnNode& node) {
    writeText(filer, node.name.view());
    filer->writeDouble(node.demand);
    filer->writeDouble(node.elevation);
    writeText(filer, node.note.text());
    filer->writeDouble(node.head);
    filer->writeDouble(node.pressureHead);
}

TzRvnNode readNode(AcDbDwgFiler* filer) {
    TzRvnNode node;
    readName(filer, node.name);
    node.demand = readDouble(filer);
    node.elevation = readDouble(filer);
    readNote(filer, node.note);
    node.head = readDouble(filer);
    node.pressureHead = readDouble(filer);
    return node;
}

void writeEdge(AcDbDwgFiler* filer, const TzRvnEdge& edge) {
    writeText(filer, edge.startNode.view());
    writeText(filer, edge.endNode.view());
    filer->writeBoolean(edge.excluded != 0);
    filer->writeDouble(edge.length);
    filer->writeDouble(edge.diameter);
    filer->writeDouble(edge.roughness);
    filer->writeDouble(edge.csi);
    writeText(filer, edge.note.text());
    filer->writeDouble(edge.flow);
    filer->writeDouble(edge.velocity);
    filer->writeDouble(edge.reynolds);
    filer->writeDouble(edge.frictionSlope);
    filer->writeDouble(edge.headLoss);
}

TzRvnEdge readEdge(AcDbDwgFiler* filer) {
    TzRvnEdge edge;
    readName(filer, edge.startNode);
    readName(filer, edge.endNode);
    edge.excluded = readBoolean(filer) ? 1 : 0;
    edge.length = readDouble(filer);
    edge.diameter = readDouble(filer);
    edge.roughness = readDouble(filer);
    edge.csi = readDouble(filer);
    readNote(filer, edge.note);
    edge.flow = readDouble(filer);
    edge.velocity = readDouble(filer);
    edge.reynolds = readDouble(filer);
    edge.frictionSlope = readDouble(filer);
    edge.headLoss = readDouble(filer);
    return edge;
}

void writeTank(AcDbDwgFiler* filer, const TzRvnTank& tank) {
    writeText(filer, tank.nodeName.view());
    filer->writeDouble(tank.head);
    writeText(filer, tank.note.text());
    filer->writeDouble(tank.flow);
}

TzRvnTank readTank(AcDbDwgFiler* filer) {
    TzRvnTank tank;
    readName(filer, tank.nodeName);
    tank.head = readDouble(filer);
    readNote(filer, tank.note);
    tank.flow = readDouble(filer);
    return tank;
}

template <class Record, class WriteRecord>
void writeGroups(AcDbDwgFiler* filer, const std::vector<Record>& records, WriteRecord writeRecord) {
    filer->writeInt32(static_cast<Adesk::Int32>(records.size()));
    for (const Record& record : records) writeRecord(filer, record);
}

// A count and its groups. A negative count marks the object as improperly read; reading stops at
// the first failing item, so a damaged count never makes more records than the filer holds.
template <class Record, class ReadRecord>
void readGroups(AcDbDwgFiler* filer, std::vector<Record>& records, ReadRecord readRecord) {
    const Adesk::Int32 count = readInt32(filer);
    if (count < 0 && !readingFailed(filer)) filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    records.clear();
    for (Adesk::Int32 i = 0; i < count && !readingFailed(filer); ++i) records.push_back(readRecord(filer));
}

// Items 3 to 30 into a record of their own.
TzRvnNetworkData readNetwork(AcDbDwgFiler* filer) {
    TzRvnNetworkData network;
    network.setSettings(readSettings(filer));
    readGroups(filer, network.nodes(), readNode);
    readGroups(filer, network.edges(), readEdge);
    readGroups(filer, network.tanks(), readTank);
    network.setHasSchema(readBoolean(filer));
    return network;
}

}  // namespace

Acad::ErrorStatus TzRvnNetwork::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(kNetworkObjectVersion);
    if (isWblockClone(filer)) filer->writeHardPointerId(ownerId());
    writeSettings(filer, data_.settings());
    writeGroups(filer, data_.nodes(), writeNode);
    writeGroups(filer, data_.edges(), writeEdge);
    writeGroups(filer, data_.tanks(), writeTank);
    filer->writeBoolean(data_.hasSchema());
    return filer->filerStatus();
}

// The network changes only when the whole sequence has been read without a filer error, so a
// damaged or truncated sequence leaves the object as it was.
Acad::ErrorStatus TzRvnNetwork::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    const Adesk::Int16 version = readInt16(filer);
    if (version > kNetworkObjectVersion) return Acad::eMakeMeProxy;
    if (isWblockClone(filer)) {
        AcDbHardPointerId discarded;
        filer->readHardPointerId(&discarded);
    }
    if (version == kNetworkObjectVersion) {
        TzRvnNetworkData network = readNetwork(filer);
        if (!readingFailed(filer)) data_ = std::move(network);
    }
    return filer->filerStatus();
}

Acad::ErrorStatus TzRvnNetwork::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, kNetworkSubclassMarker);
    filer->writeInt16(AcDb::kDxfInt16, kNetworkObjectVersion);
    return filer->filerStatus();
}

Acad::ErrorStatus TzRvnNetwork::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atSubclassData(kNetworkSubclassMarker)) return Acad::eBadDxfSequence;
    resbuf group{};
    if (filer->readItem(&group) != Acad::eOk) {
        return filer->setError(Acad::eInvalidDxfCode, kExpectedGroupCodeMessage, AcDb::kDxfInt16);
    }
    if (group.restype != AcDb::kDxfInt16) {
        filer->pushBackItem();
        return filer->setError(Acad::eInvalidDxfCode, kExpectedGroupCodeMessage, AcDb::kDxfInt16);
    }
    if (group.resval.rint > kNetworkObjectVersion) return Acad::eMakeMeProxy;
    return filer->filerStatus();
}
