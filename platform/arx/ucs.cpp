#include "ucs.h"

#include "dbapserv.h"

namespace rvnhost {

namespace {

Ucs& ucs() {
    static Ucs current;
    return current;
}

// p through the matrix as a point, or through its linear part as a vector.
void transform(const AcGeMatrix3d& matrix, const ads_point p, ads_point q, bool vec) {
    AcGePoint3d point(p[X], p[Y], p[Z]);
    if (vec) {
        const AcGeVector3d v = matrix * point.asVector();
        point = AcGePoint3d(v.x, v.y, v.z);
    } else {
        point.transformBy(matrix);
    }
    q[X] = point.x;
    q[Y] = point.y;
    q[Z] = point.z;
}

}  // namespace

const Ucs& currentUcs() { return ucs(); }

// The Y axis is made square to the X axis by removing its X component (Gram-Schmidt).
bool setCurrentUcs(const AcGePoint3d& origin, const AcGeVector3d& xDirection, const AcGeVector3d& yDirection) {
    const AcGeVector3d x = xDirection.normal();
    if (x.isZeroLength()) return false;
    const AcGeVector3d y = yDirection - x * yDirection.dotProduct(x);
    if (y.length() <= 1e-9 * yDirection.length() || y.isZeroLength()) return false;
    ucs() = Ucs{origin, x, y.normal()};
    return true;
}

void setWorldUcs() { ucs() = Ucs{}; }

bool isWorldUcs() {
    const Ucs& current = ucs();
    return current.origin == AcGePoint3d::kOrigin && current.xAxis == AcGeVector3d::kXAxis &&
           current.yAxis == AcGeVector3d::kYAxis;
}

AcGeMatrix3d ucsToWorld() {
    const Ucs& current = ucs();
    AcGeMatrix3d matrix;
    return matrix.setCoordSystem(current.origin, current.xAxis, current.yAxis,
                                 current.xAxis.crossProduct(current.yAxis));
}

}  // namespace rvnhost

bool acdbUcsMatrix(AcGeMatrix3d& matrix, AcDbDatabase* db) {
    if (db == nullptr && acdbHostApplicationServices()->workingDatabase() == nullptr) return false;
    matrix = rvnhost::ucsToWorld();
    return true;
}

bool acdbUcs2Wcs(const ads_point p, ads_point q, bool vec) {
    if (p == nullptr || q == nullptr) return false;
    rvnhost::transform(rvnhost::ucsToWorld(), p, q, vec);
    return true;
}

bool acdbWcs2Ucs(const ads_point p, ads_point q, bool vec) {
    if (p == nullptr || q == nullptr) return false;
    rvnhost::transform(rvnhost::ucsToWorld().inverse(), p, q, vec);
    return true;
}
