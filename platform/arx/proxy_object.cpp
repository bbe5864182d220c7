#include "proxy_object.h"

#include "class_registry.h"
#include "dbfiler.h"
#include "dwg_file_filer.h"

namespace {

// The proxy classes are the host's own; each registers itself when it is first asked for.
AcRxClass* proxyClass(const ACHAR* name, const ACHAR* parent, const ACHAR* dxfName) {
    auto* known = static_cast<AcRxClass*>(acrxClassDictionary->at(name));
    if (known != nullptr) return known;
    AcRxClassRegistry::instance().addBuiltIn(name, parent, nullptr, dxfName);
    return static_cast<AcRxClass*>(acrxClassDictionary->at(name));
}

}  // namespace

#define RVN_DEFINE_PROXY_MEMBERS(CLASS_NAME, PARENT_CLASS, DXF_NAME)                          \
    AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                  \
    AcRxClass* CLASS_NAME::desc() {                                                           \
        if (gpDesc == nullptr) gpDesc = proxyClass(L## #CLASS_NAME, L## #PARENT_CLASS, DXF_NAME); \
        return gpDesc;                                                                        \
    }                                                                                         \
    AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                          \
    void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }

RVN_DEFINE_PROXY_MEMBERS(AcDbProxyObject, AcDbObject, L"ACAD_PROXY_OBJECT")
RVN_DEFINE_PROXY_MEMBERS(AcDbProxyEntity, AcDbEntity, L"ACAD_PROXY_ENTITY")

namespace rvnhost {

namespace {

Acad::ErrorStatus writeProxyData(AcDbDwgFiler* filer, const ProxyData& proxy) {
    filer->writeString(proxy.className.c_str());
    filer->writeString(proxy.dxfName.c_str());
    filer->writeString(proxy.appName.c_str());
    filer->writeUInt32(static_cast<Adesk::UInt32>(proxy.data.size()));
    filer->writeBytes(proxy.data.data(), proxy.data.size());
    return filer->filerStatus();
}

Acad::ErrorStatus readProxyData(AcDbDwgFiler* filer, ProxyData& proxy) {
    ProxyData read;
    Adesk::UInt32 size = 0;
    filer->readString(read.className);
    filer->readString(read.dxfName);
    filer->readString(read.appName);
    filer->readUInt32(&size);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    read.data.resize(size);
    filer->readBytes(read.data.data(), size);
    if (filer->filerStatus() == Acad::eOk) proxy = std::move(read);
    return filer->filerStatus();
}

}  // namespace

const ProxyData* proxyDataOf(const AcDbObject* object) {
    if (const AcDbProxyObject* proxy = AcDbProxyObject::cast(object)) return &proxy->proxyData();
    if (const AcDbProxyEntity* proxy = AcDbProxyEntity::cast(object)) return &proxy->proxyData();
    return nullptr;
}

// The common fields come first in the data of every class; a proxy takes what can be read of them.
AcDbObject* makeProxy(ProxyData data, bool isEntity, AcDbDatabase* database) {
    DwgFileFiler filer(database, data.data);
    if (isEntity) {
        auto* proxy = new AcDbProxyEntity;
        proxy->AcDbEntity::dwgInFields(&filer);
        proxy->proxy_ = std::move(data);
        return proxy;
    }
    auto* proxy = new AcDbProxyObject;
    proxy->AcDbObject::dwgInFields(&filer);
    proxy->proxy_ = std::move(data);
    return proxy;
}

}  // namespace rvnhost

Acad::ErrorStatus AcDbProxyObject::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    return rvnhost::writeProxyData(filer, proxy_);
}

Acad::ErrorStatus AcDbProxyObject::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    return rvnhost::readProxyData(filer, proxy_);
}

Acad::ErrorStatus AcDbProxyEntity::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    return rvnhost::writeProxyData(filer, proxy_);
}

Acad::ErrorStatus AcDbProxyEntity::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    return rvnhost::readProxyData(filer, proxy_);
}
