#include "gepnt3d.h"

#include <numbers>

#include "gemat3d.h"

AcGeTol AcGeContext::gTol;
const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const {
    const double size = length();
    return size <= tol.equalVector() ? *this : *this / size;
}

bool AcGeVector3d::isParallelTo(const AcGeVector3d& v, const AcGeTol& tol) const {
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    return normal(tol).crossProduct(v.normal(tol)).length() <= tol.equalVector();
}

// atan2 of the sine and cosine parts keeps its accuracy near 0 and pi, where acos does not.
double AcGeVector3d::angleTo(const AcGeVector3d& v) const {
    return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double AcGeVector3d::angleTo(const AcGeVector3d& v, const AcGeVector3d& reference) const {
    const double angle = angleTo(v);
    if (crossProduct(v).dotProduct(reference) < 0.0) return 2.0 * std::numbers::pi - angle;
    return angle;
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) {
    const AcGeVector3d v = *this;
    x = m.entry[0][0] * v.x + m.entry[0][1] * v.y + m.entry[0][2] * v.z;
    y = m.entry[1][0] * v.x + m.entry[1][1] * v.y + m.entry[1][2] * v.z;
    z = m.entry[2][0] * v.x + m.entry[2][1] * v.y + m.entry[2][2] * v.z;
    return *this;
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) {
    const AcGePoint3d p = *this;
    x = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2] * p.z + m.entry[0][3];
    y = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2] * p.z + m.entry[1][3];
    z = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2] * p.z + m.entry[2][3];
    return *this;
}
