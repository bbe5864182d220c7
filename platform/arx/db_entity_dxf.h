// What the entities share when they file themselves as DXF groups.
#pragma once

#include "dbfiler.h"

namespace rvnhost {

// Calls take(group) for each group of the subclass being read, up to the next subclass marker
// (100), the extended data or the next object, which stay unread. Stops at the first status
// other than eOk that take answers, and answers it.
template <class Take>
Acad::ErrorStatus readSubclassGroups(AcDbDxfFiler* filer, Take take) {
    resbuf group{};
    while (!filer->atObjectEnd() && !filer->atExtendedData() && filer->readItem(&group) == Acad::eOk) {
        if (group.restype == AcDb::kDxfSubclass) {
            filer->pushBackItem();
            break;
        }
        const Acad::ErrorStatus status = take(group);
        if (status != Acad::eOk) return status;
    }
    return filer->filerStatus();
}

// Reads the subclass marker of that name: eBadDxfSequence (with the filer's message) when the
// next group is another.
Acad::ErrorStatus expectSubclass(AcDbDxfFiler* filer, const ACHAR* subclass);

// The point of a group (10 to 37, 210 ...).
inline AcGePoint3d groupPoint(const resbuf& group) {
    return {group.resval.rpoint[0], group.resval.rpoint[1], group.resval.rpoint[2]};
}
inline AcGeVector3d groupVector(const resbuf& group) {
    return {group.resval.rpoint[0], group.resval.rpoint[1], group.resval.rpoint[2]};
}

// The extrusion direction (210), written only when it is not the world Z axis, as DXF writers do.
Acad::ErrorStatus writeNormal(AcDbDxfFiler* filer, const AcGeVector3d& normal);
// A unit normal from a group, or eInvalidInput for a zero vector.
Acad::ErrorStatus readNormal(AcDbDxfFiler* filer, const resbuf& group, AcGeVector3d& normal);

}  // namespace rvnhost

class AcRxClass;

namespace rvnhost {

// For the DXF readers: the class of an entity by its name (group 0) and flags (group 70).
// "POLYLINE" is a 3D polyline with flag 8, a 2D one otherwise; "VERTEX" a 3D polyline vertex
// with flag 32, a 2D vertex otherwise. Meshes (POLYLINE flags 16 and 64, VERTEX flags 64 and
// 128) are not kept by this host: null. Other names as the class registry has them.
AcRxClass* dxfEntityClass(const ACHAR* dxfName, int flags);

// For the DXF writers: true for a point group written with X and Y only, without Z (the vertices
// of a "LWPOLYLINE", group 10).
bool isPlanarPointGroup(const ACHAR* dxfName, int code);

}  // namespace rvnhost
