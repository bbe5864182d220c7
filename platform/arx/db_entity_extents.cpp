#include "db_entity_extents.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "dbentity.h"
#include "gemat3d.h"

namespace {
constexpr double kHuge = std::numeric_limits<double>::max();
}

AcDbExtents::AcDbExtents() : min_(kHuge, kHuge, kHuge), max_(-kHuge, -kHuge, -kHuge) {}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max) {
    if (min.x > max.x || min.y > max.y || min.z > max.z) return Acad::eInvalidExtents;
    min_ = min;
    max_ = max;
    return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& p) {
    min_ = AcGePoint3d(std::min(min_.x, p.x), std::min(min_.y, p.y), std::min(min_.z, p.z));
    max_ = AcGePoint3d(std::max(max_.x, p.x), std::max(max_.y, p.y), std::max(max_.z, p.z));
}

void AcDbExtents::addExt(const AcDbExtents& other) {
    if (other.isEmpty()) return;
    addPoint(other.min_);
    addPoint(other.max_);
}

Acad::ErrorStatus AcDbExtents::expandBy(const AcGeVector3d& v) {
    if (isEmpty()) return Acad::eInvalidExtents;
    const AcGeVector3d size(std::abs(v.x), std::abs(v.y), std::abs(v.z));
    min_ = min_ - size;
    max_ = max_ + size;
    return Acad::eOk;
}

void AcDbExtents::transformBy(const AcGeMatrix3d& matrix) {
    if (isEmpty()) return;
    const AcGePoint3d low = min_, high = max_;
    *this = AcDbExtents();
    for (int corner = 0; corner < 8; ++corner) {
        AcGePoint3d p((corner & 1) ? high.x : low.x, (corner & 2) ? high.y : low.y, (corner & 4) ? high.z : low.z);
        addPoint(p.transformBy(matrix));
    }
}

bool AcDbExtents::contains(const AcGePoint3d& p, double margin) const {
    return !isEmpty() && p.x >= min_.x - margin && p.x <= max_.x + margin && p.y >= min_.y - margin &&
           p.y <= max_.y + margin && p.z >= min_.z - margin && p.z <= max_.z + margin;
}

Acad::ErrorStatus rvnhost::EntityGeometry::extents(const AcDbEntity& entity, AcDbExtents& extents) {
    AcDbExtents found;
    Acad::ErrorStatus status = entity.subGetGeomExtents(found);
    if (status != Acad::eOk) return status;
    if (found.isEmpty()) return Acad::eInvalidExtents;
    extents = found;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents& extents) const {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    return rvnhost::EntityGeometry::extents(*this, extents);
}

Acad::ErrorStatus AcDbEntity::subGetGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d& xform) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    return subTransformBy(xform);
}

Acad::ErrorStatus AcDbEntity::subTransformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }
