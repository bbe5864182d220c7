// A small custom object for the drawing tests, registered by the tests themselves: a label, a
// value and a pointer to another object, filed through DWG and DXF like a plug-in's object. A
// marker of a version above 1 asks the host to keep it as a proxy.
#pragma once

#include <string>

#include "dbmain.h"

class RvnTestMarker : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(RvnTestMarker);

    std::wstring label;
    double value = 0.0;
    Adesk::Int16 version = 1;
    AcDbObjectId target;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

namespace rvntest {

inline constexpr wchar_t kMarkerDxfName[] = L"RVNTESTMARKER";

// Registers the class (again, after removeMarkerClass).
void registerMarkerClass();
void removeMarkerClass();

}  // namespace rvntest
