#include "netobj/network_class.h"

#include "netobj/network_object.h"
#include "rxclass.h"

namespace {

AcRxObject* makeNetwork() { return new TzRvnNetwork(false); }

AcRxClass* registeredClass() { return static_cast<AcRxClass*>(acrxClassDictionary->at(kNetworkClassName)); }

}  // namespace

AcRxClass* TzRvnNetwork::gpDesc = nullptr;

// Looked up by name once, when another copy of the plug-in registered the class, and then kept.
AcRxClass* TzRvnNetwork::desc() {
    if (gpDesc == nullptr) gpDesc = registeredClass();
    return gpDesc;
}

AcRxClass* TzRvnNetwork::isA() const { return TzRvnNetwork::desc(); }

void TzRvnNetwork::rxInit() {
    AcRxClass* known = registeredClass();
    if (gpDesc != nullptr && known != nullptr) {
        if (known != gpDesc) acrx_abort(L"Class mismatch");
        return;
    }
    gpDesc = newAcRxClass(kNetworkClassName, L"AcDbObject", kNetworkClassDwgVersion, kNetworkClassMaintVersion, 0,
                          makeNetwork, kNetworkDxfName, kNetworkAppName);
}

void RegisterNetworkClass() { TzRvnNetwork::rxInit(); }

void RemoveNetworkClass() { deleteAcRxClass(TzRvnNetwork::desc()); }
