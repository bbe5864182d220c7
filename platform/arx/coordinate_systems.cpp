#include "acedads.h"

#include "gemat3d.h"
#include "sysvars.h"
#include "ucs.h"

#include <optional>

namespace {

constexpr int kBadTransformArguments = 15;
constexpr int kBadTransformSpace = 16;

// The matrix from the system's coordinates to the world's; none for a system not known here.
std::optional<AcGeMatrix3d> toWorld(const resbuf* system) {
    if (system == nullptr) return std::nullopt;
    if (system->restype == RTSHORT) {
        switch (system->resval.rint) {
        case 0:
        case 2: return AcGeMatrix3d();
        case 1: return rvnhost::ucsToWorld();
        default: return std::nullopt;
        }
    }
    if (system->restype == RT3DPOINT) {
        const AcGeVector3d normal(system->resval.rpoint[X], system->resval.rpoint[Y], system->resval.rpoint[Z]);
        if (normal.isZeroLength()) return std::nullopt;
        return AcGeMatrix3d::planeToWorld(normal.normal());
    }
    return std::nullopt;
}

}  // namespace

int acedTrans(const ads_point point, const resbuf* from, const resbuf* to, int disp, ads_point result) {
    if (point == nullptr || result == nullptr) {
        rvnhost::setErrno(kBadTransformArguments);
        return RTERROR;
    }
    const std::optional<AcGeMatrix3d> fromWorld = toWorld(from);
    const std::optional<AcGeMatrix3d> toTarget = toWorld(to);
    if (!fromWorld || !toTarget) {
        rvnhost::setErrno(kBadTransformSpace);
        return RTERROR;
    }
    const AcGeMatrix3d carry = toTarget->inverse() * *fromWorld;
    AcGePoint3d moved(point[X], point[Y], point[Z]);
    if (disp != 0) {
        const AcGeVector3d vector = carry * moved.asVector();
        moved = AcGePoint3d::kOrigin + vector;
    } else {
        moved.transformBy(carry);
    }
    result[X] = moved.x;
    result[Y] = moved.y;
    result[Z] = moved.z;
    return RTNORM;
}
