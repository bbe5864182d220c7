#include "netobj/network_object.h"

#include "dbdict.h"
#include "host/open_object.h"

#include <utility>

namespace {

// What a reader sees of an object that is not open for read.
const TzRvnNetworkData& unreadable() {
    static const TzRvnNetworkData empty;
    return empty;
}

}  // namespace

TzRvnNetwork::TzRvnNetwork(bool hasSchema) : data_(hasSchema) {}

TzRvnNetwork::TzRvnNetwork(TzRvnNetworkData data) : data_(std::move(data)) {}

TzRvnNetwork::~TzRvnNetwork() = default;

int TzRvnNetwork::numNodes() const { return isReadEnabled() ? data_.numNodes() : 0; }
int TzRvnNetwork::numEdges() const { return isReadEnabled() ? data_.numEdges() : 0; }
int TzRvnNetwork::numTanks() const { return isReadEnabled() ? data_.numTanks() : 0; }

Acad::ErrorStatus TzRvnNetwork::setNumNodes(int n) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setNumNodes(n);
    return status;
}

Acad::ErrorStatus TzRvnNetwork::setNumEdges(int n) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setNumEdges(n);
    return status;
}

Acad::ErrorStatus TzRvnNetwork::setNumTanks(int n) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setNumTanks(n);
    return status;
}

TzRvnNode TzRvnNetwork::getNode(int i) const { return isReadEnabled() ? data_.getNode(i) : TzRvnNode(); }

Acad::ErrorStatus TzRvnNetwork::setNode(int i, const TzRvnNode& node) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setNode(i, node);
    return status;
}

TzRvnEdge TzRvnNetwork::getEdge(int i) const { return isReadEnabled() ? data_.getEdge(i) : TzRvnEdge(); }

Acad::ErrorStatus TzRvnNetwork::setEdge(int i, const TzRvnEdge& edge) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setEdge(i, edge);
    return status;
}

TzRvnTank TzRvnNetwork::getTank(int i) const { return isReadEnabled() ? data_.getTank(i) : TzRvnTank(); }

Acad::ErrorStatus TzRvnNetwork::setTank(int i, const TzRvnTank& tank) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setTank(i, tank);
    return status;
}

TzRvnSettings TzRvnNetwork::getSettings() const {
    return isReadEnabled() ? data_.getSettings() : unreadable().getSettings();
}

Acad::ErrorStatus TzRvnNetwork::setSettings(const TzRvnSettings& settings) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_.setSettings(settings);
    return status;
}

bool TzRvnNetwork::hasSchema() const { return isReadEnabled() && data_.hasSchema(); }

double TzRvnNetwork::maxHead() const { return isReadEnabled() ? data_.maxHead() : unreadable().maxHead(); }

double TzRvnNetwork::minHead() const { return isReadEnabled() ? data_.minHead() : unreadable().minHead(); }

const TzRvnNetworkData& TzRvnNetwork::data() const { return isReadEnabled() ? data_ : unreadable(); }

Acad::ErrorStatus TzRvnNetwork::getData(TzRvnNetworkData& data) const {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status == Acad::eOk) data = data_;
    return status;
}

Acad::ErrorStatus TzRvnNetwork::setData(const TzRvnNetworkData& data) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) data_ = data;
    return status;
}

std::optional<std::wstring> TzRvnNetwork::nameInOwner() const {
    TzRvnOpenObject<AcDbDictionary> owner(ownerId(), AcDb::kForRead);
    if (!owner.isOpen()) return std::nullopt;
    std::wstring name;
    if (owner->nameAt(objectId(), name) != Acad::eOk) return std::nullopt;
    return name;
}

TzRvnNetworkData* TzRvnNetwork::workingData(AcDb::OpenMode mode) {
    const Acad::ErrorStatus status = mode == AcDb::kForWrite ? assertWriteEnabled() : assertReadEnabled();
    return status == Acad::eOk ? &data_ : nullptr;
}
