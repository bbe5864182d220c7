#include "test_marker.h"

#include "dbfiler.h"

ACRX_DXF_DEFINE_MEMBERS(RvnTestMarker, AcDbObject, 1, 0, 0, rvntest::kMarkerDxfName, L"RivantaTests")

// Version (Int16), then label, value and target unless the version is newer than this class.
Acad::ErrorStatus RvnTestMarker::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(version);
    filer->writeString(label.c_str());
    filer->writeDouble(value);
    filer->writeHardPointerId(target);
    return filer->filerStatus();
}

Acad::ErrorStatus RvnTestMarker::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    filer->readInt16(&version);
    if (version > 1) return Acad::eMakeMeProxy;
    AcDbHardPointerId pointer;
    filer->readString(label);
    filer->readDouble(&value);
    filer->readHardPointerId(&pointer);
    target = pointer;
    return filer->filerStatus();
}

// 100 "RvnTestMarker", 1 the label, 40 the value, 340 the target.
Acad::ErrorStatus RvnTestMarker::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"RvnTestMarker");
    filer->writeString(AcDb::kDxfText, label.c_str());
    filer->writeDouble(AcDb::kDxfReal, value);
    filer->writeObjectId(AcDb::kDxfHardPointerId, target);
    return filer->filerStatus();
}

Acad::ErrorStatus RvnTestMarker::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atSubclassData(L"RvnTestMarker")) return Acad::eBadDxfSequence;
    resbuf group{};
    while (!filer->atObjectEnd() && !filer->atExtendedData() && filer->readItem(&group) == Acad::eOk) {
        if (group.restype == AcDb::kDxfText) label = group.resval.rstring;
        if (group.restype == AcDb::kDxfReal) value = group.resval.rreal;
        if (group.restype == AcDb::kDxfHardPointerId) acdbGetObjectId(target, group.resval.rlname);
    }
    return filer->filerStatus();
}

namespace rvntest {

void registerMarkerClass() { RvnTestMarker::rxInit(); }

void removeMarkerClass() { deleteAcRxClass(RvnTestMarker::desc()); }

}  // namespace rvntest
