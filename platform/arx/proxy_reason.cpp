#include "proxy_reason.h"

#include "editor_open_object.h"
#include "proxy_object.h"
#include "rxclass.h"

#include <map>

namespace rvnhost {

std::wstring proxyReason(const AcDbObject* object) {
    const ProxyData* proxy = proxyDataOf(object);
    if (proxy == nullptr) return {};
    if (acrxClassDictionary->at(proxy->className.c_str()) == nullptr) {
        return L"its class " + proxy->className + L" is not loaded";
    }
    return L"it was written by a newer version of its class " + proxy->className + L" than the one loaded";
}

std::vector<std::wstring> proxyNotes(const AcDbDatabase& database) {
    std::map<std::wstring, int> countByReason;
    for (const AcDbObjectId id : database.allObjectIds()) {
        const OpenedObject<AcDbObject> object(id, AcDb::kForRead);
        if (std::wstring reason = proxyReason(object.get()); !reason.empty()) ++countByReason[reason];
    }
    std::vector<std::wstring> notes;
    for (const auto& [reason, count] : countByReason) {
        const std::wstring objects =
            count == 1 ? L"1 object kept as a proxy" : std::to_wstring(count) + L" objects kept as proxies";
        notes.push_back(objects + L": " + reason + L".");
    }
    return notes;
}

}  // namespace rvnhost
