#include "netobj/network_dictionary.h"

#include "dbdict.h"

namespace {

using OpenDictionary = TzRvnOpenObject<AcDbDictionary>;

Acad::ErrorStatus openNamedObjects(AcDbDatabase* database, AcDb::OpenMode mode, OpenDictionary& namedObjects) {
    if (database == nullptr) return Acad::eNoDatabase;
    return namedObjects.take(database->getNamedObjectsDictionary(namedObjects.slot(), mode));
}

// Opens "TZ-RVN" for read; eKeyNotFound when the drawing has none.
Acad::ErrorStatus openNetworksForRead(AcDbDatabase* database, OpenDictionary& networks) {
    OpenDictionary namedObjects;
    Acad::ErrorStatus status = openNamedObjects(database, AcDb::kForRead, namedObjects);
    if (status != Acad::eOk) return status;
    AcDbObjectId id;
    status = namedObjects->getAt(kNetworkDictionaryKey, id);
    if (status != Acad::eOk) return status;
    networks = OpenDictionary(id, AcDb::kForRead);
    return networks.status();
}

// Opens "TZ-RVN" for write, adding a new one when the drawing has none (created tells).
Acad::ErrorStatus openNetworksForWrite(AcDbDatabase* database, OpenDictionary& networks, bool& created) {
    created = false;
    OpenDictionary namedObjects;
    Acad::ErrorStatus status = openNamedObjects(database, AcDb::kForWrite, namedObjects);
    if (status != Acad::eOk) return status;
    AcDbObjectId id;
    status = namedObjects->getAt(kNetworkDictionaryKey, id);
    if (status == Acad::eOk) {
        networks = OpenDictionary(id, AcDb::kForWrite);
        return networks.status();
    }
    if (status != Acad::eKeyNotFound) return status;
    auto dictionary = std::make_unique<AcDbDictionary>();
    status = namedObjects->setAt(kNetworkDictionaryKey, dictionary.get(), id);
    if (status != Acad::eOk) return status;
    networks.slot() = dictionary.release();
    created = true;
    return networks.take(Acad::eOk);
}

}  // namespace

bool IsNetworkName(std::wstring_view name) { return !name.empty() && name.find(L'\0') == std::wstring_view::npos; }

bool HasNetworkDictionary(AcDbDatabase* database) {
    OpenDictionary networks;
    return openNetworksForRead(database, networks) == Acad::eOk;
}

Acad::ErrorStatus FindNetwork(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& id) {
    id.setNull();
    if (!IsNetworkName(name)) return Acad::eInvalidKey;
    OpenDictionary networks;
    Acad::ErrorStatus status = openNetworksForRead(database, networks);
    if (status != Acad::eOk) return status;
    return networks->getAt(std::wstring(name).c_str(), id);
}

Acad::ErrorStatus OpenNetwork(AcDbDatabase* database, std::wstring_view name, AcDb::OpenMode mode,
                              TzRvnOpenObject<TzRvnNetwork>& network) {
    network.close();
    AcDbObjectId id;
    Acad::ErrorStatus status = FindNetwork(database, name, id);
    if (status != Acad::eOk) return status;
    network = TzRvnOpenObject<TzRvnNetwork>(id, mode);
    return network.status();
}

Acad::ErrorStatus AddNetwork(AcDbDatabase* database, std::wstring_view name, std::unique_ptr<TzRvnNetwork> network,
                             AcDbObjectId& id) {
    id.setNull();
    if (!IsNetworkName(name)) return Acad::eInvalidKey;
    if (network == nullptr) return Acad::eNullObjectPointer;
    OpenDictionary networks;
    bool created = false;
    Acad::ErrorStatus status = openNetworksForWrite(database, networks, created);
    if (status != Acad::eOk) return status;
    status = networks->setAt(std::wstring(name).c_str(), network.get(), id);
    if (status != Acad::eOk) {
        if (created) networks->erase();
        return status;
    }
    network.release()->close();
    return Acad::eOk;
}

Acad::ErrorStatus CreateNetwork(AcDbDatabase* database, std::wstring_view name, bool hasSchema, AcDbObjectId& id) {
    return AddNetwork(database, name, std::make_unique<TzRvnNetwork>(hasSchema), id);
}

Acad::ErrorStatus ListNetworks(AcDbDatabase* database, std::vector<std::wstring>& names) {
    names.clear();
    OpenDictionary networks;
    Acad::ErrorStatus status = openNetworksForRead(database, networks);
    if (status == Acad::eKeyNotFound) return Acad::eOk;
    if (status != Acad::eOk) return status;
    std::unique_ptr<AcDbDictionaryIterator> entry(networks->newIterator(AcRx::kDictSorted));
    if (entry == nullptr) return Acad::eNotOpenForRead;
    for (; !entry->done(); entry->next()) names.emplace_back(entry->name());
    return Acad::eOk;
}
