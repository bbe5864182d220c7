// Proxies: what the host keeps of an object whose class it cannot file — a class no loaded
// application registers, or an object whose dwgInFields asked to stay a proxy (eMakeMeProxy).
// A proxy holds the object's original class names and the data its class wrote, exactly as read;
// saving the drawing writes that data back byte for byte under the original class, so the object
// comes back whole once its application is loaded again. What the data says of the common object
// (owner, extended data) and, for an entity, of the common entity fields (layer) is read from it
// too, so that the proxy takes its place in the drawing.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "dbentity.h"

namespace rvnhost {

struct ProxyData {
    std::wstring className;  // the original C++ class name
    std::wstring dxfName;
    std::wstring appName;
    std::vector<unsigned char> data;  // the object's data as its class wrote it to a drawing file
};

// The proxy data of an object, or null when the object is no proxy.
const ProxyData* proxyDataOf(const AcDbObject* object);

// A new proxy (AcDbProxyEntity when isEntity, else AcDbProxyObject) for data read from a file of
// database; the common fields are read from the data when they can be.
AcDbObject* makeProxy(ProxyData data, bool isEntity, AcDbDatabase* database);

}  // namespace rvnhost

class AcDbProxyObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbProxyObject);

    const ACHAR* originalClassName() const { return proxy_.className.c_str(); }
    const ACHAR* originalDxfName() const { return proxy_.dxfName.c_str(); }
    const rvnhost::ProxyData& proxyData() const { return proxy_; }

    // Copying and undo file the common fields, then the original class names and the data.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    friend AcDbObject* rvnhost::makeProxy(rvnhost::ProxyData, bool, AcDbDatabase*);
    rvnhost::ProxyData proxy_;
};

class AcDbProxyEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbProxyEntity);

    const ACHAR* originalClassName() const { return proxy_.className.c_str(); }
    const ACHAR* originalDxfName() const { return proxy_.dxfName.c_str(); }
    const rvnhost::ProxyData& proxyData() const { return proxy_; }

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    friend AcDbObject* rvnhost::makeProxy(rvnhost::ProxyData, bool, AcDbDatabase*);
    rvnhost::ProxyData proxy_;
};
