#include "db_entity_dxf.h"

namespace rvnhost {

Acad::ErrorStatus expectSubclass(AcDbDxfFiler* filer, const ACHAR* subclass) {
    if (filer->atSubclassData(subclass)) return Acad::eOk;
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    return filer->setError(Acad::eBadDxfSequence, L"\nError: expected the subclass %ls", subclass);
}

Acad::ErrorStatus writeNormal(AcDbDxfFiler* filer, const AcGeVector3d& normal) {
    if (normal == AcGeVector3d::kZAxis) return filer->filerStatus();
    return filer->writeVector3d(AcDb::kDxfNormalX, normal);
}

Acad::ErrorStatus readNormal(AcDbDxfFiler* filer, const resbuf& group, AcGeVector3d& normal) {
    const AcGeVector3d read = groupVector(group);
    if (read.isZeroLength()) return filer->setError(Acad::eInvalidInput, L"\nError: a zero extrusion direction");
    normal = read.normal();
    return Acad::eOk;
}

}  // namespace rvnhost
