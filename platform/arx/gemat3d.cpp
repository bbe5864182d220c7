#include "gemat3d.h"

#include <algorithm>
#include <cmath>
#include <utility>

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeMatrix3d::AcGeMatrix3d() { setToIdentity(); }

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
    }
    return *this;
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& other, const AcGeTol& tol) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (std::abs(entry[r][c] - other.entry[r][c]) > tol.equalVector()) return false;
        }
    }
    return true;
}

bool AcGeMatrix3d::operator==(const AcGeMatrix3d& other) const { return isEqualTo(other); }

AcGeMatrix3d& AcGeMatrix3d::setToProduct(const AcGeMatrix3d& left, const AcGeMatrix3d& right) {
    AcGeMatrix3d product;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += left.entry[r][k] * right.entry[k][c];
            product.entry[r][c] = sum;
        }
    }
    return *this = product;
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& right) const {
    AcGeMatrix3d product;
    return product.setToProduct(*this, right);
}

AcGeMatrix3d& AcGeMatrix3d::preMultBy(const AcGeMatrix3d& left) { return setToProduct(left, *this); }

AcGeMatrix3d& AcGeMatrix3d::postMultBy(const AcGeMatrix3d& right) { return setToProduct(*this, right); }

namespace {

// Gauss-Jordan elimination with partial pivoting on [m | identity]; false when a pivot is not
// larger than tol.
bool invertInto(const AcGeMatrix3d& m, AcGeMatrix3d& inverse, double tol, double* determinant) {
    double a[4][8];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m.entry[r][c];
            a[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    }
    double det = 1.0;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
        }
        if (std::abs(a[pivot][col]) <= tol) {
            if (determinant != nullptr) *determinant = 0.0;
            return false;
        }
        if (pivot != col) {
            for (int c = 0; c < 8; ++c) std::swap(a[pivot][c], a[col][c]);
            det = -det;
        }
        const double p = a[col][col];
        det *= p;
        for (int c = 0; c < 8; ++c) a[col][c] /= p;
        for (int r = 0; r < 4; ++r) {
            if (r == col || a[r][col] == 0.0) continue;
            const double factor = a[r][col];
            for (int c = 0; c < 8; ++c) a[r][c] -= factor * a[col][c];
        }
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) inverse.entry[r][c] = a[r][c + 4];
    }
    if (determinant != nullptr) *determinant = det;
    return true;
}

}  // namespace

double AcGeMatrix3d::det() const {
    AcGeMatrix3d unused;
    double determinant = 0.0;
    invertInto(*this, unused, 0.0, &determinant);
    return determinant;
}

bool AcGeMatrix3d::isSingular(const AcGeTol& tol) const {
    AcGeMatrix3d unused;
    return !invertInto(*this, unused, tol.equalVector(), nullptr);
}

bool AcGeMatrix3d::inverse(AcGeMatrix3d& result, double tol) const {
    AcGeMatrix3d inverted;
    if (!invertInto(*this, inverted, tol, nullptr)) return false;
    result = inverted;
    return true;
}

AcGeMatrix3d& AcGeMatrix3d::invert() {
    inverse(*this, AcGeContext::gTol.equalVector());
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const {
    AcGeMatrix3d result = *this;
    return result.invert();
}

AcGeMatrix3d& AcGeMatrix3d::transposeIt() {
    for (int r = 0; r < 4; ++r) {
        for (int c = r + 1; c < 4; ++c) std::swap(entry[r][c], entry[c][r]);
    }
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::transpose() const {
    AcGeMatrix3d result = *this;
    return result.transposeIt();
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& vector) {
    setToIdentity();
    return setTranslation(vector);
}

// Rodrigues' rotation formula: R = cos(a) I + sin(a) [k]x + (1 - cos(a)) k k^T for the unit axis k;
// the translation part keeps the center fixed.
AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
    setToIdentity();
    const AcGeVector3d k = axis.normal();
    if (k.isZeroLength()) return *this;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double t = 1.0 - c;
    const double u[3] = {k.x, k.y, k.z};
    const double cross[3][3] = {{0.0, -k.z, k.y}, {k.z, 0.0, -k.x}, {-k.y, k.x, 0.0}};
    for (int r = 0; r < 3; ++r) {
        for (int col = 0; col < 3; ++col) {
            entry[r][col] = (r == col ? c : 0.0) + s * cross[r][col] + t * u[r] * u[col];
        }
    }
    const AcGeVector3d moved = center.asVector() - *this * center.asVector();
    return setTranslation(moved);
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scale, const AcGePoint3d& center) {
    return setToScaling(AcGeScale3d(scale), center);
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(const AcGeScale3d& scale, const AcGePoint3d& center) {
    setToIdentity();
    entry[0][0] = scale.sx;
    entry[1][1] = scale.sy;
    entry[2][2] = scale.sz;
    return setTranslation({center.x * (1.0 - scale.sx), center.y * (1.0 - scale.sy), center.z * (1.0 - scale.sz)});
}

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis) {
    setToIdentity();
    const AcGeVector3d* axes[3] = {&xAxis, &yAxis, &zAxis};
    for (int c = 0; c < 3; ++c) {
        entry[0][c] = axes[c]->x;
        entry[1][c] = axes[c]->y;
        entry[2][c] = axes[c]->z;
    }
    return setTranslation(origin.asVector());
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const {
    origin = AcGePoint3d(entry[0][3], entry[1][3], entry[2][3]);
    xAxis = AcGeVector3d(entry[0][0], entry[1][0], entry[2][0]);
    yAxis = AcGeVector3d(entry[0][1], entry[1][1], entry[2][1]);
    zAxis = AcGeVector3d(entry[0][2], entry[1][2], entry[2][2]);
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                               const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                               const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                               const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
    AcGeMatrix3d from;
    from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
    AcGeMatrix3d to;
    to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
    return setToProduct(to, from.inverse());
}

AcGeVector3d arbitraryXAxis(const AcGeVector3d& normal) {
    constexpr double kLimit = 1.0 / 64.0;
    const AcGeVector3d n = normal.normal();
    const AcGeVector3d reference = (std::abs(n.x) < kLimit && std::abs(n.y) < kLimit) ? AcGeVector3d::kYAxis
                                                                                      : AcGeVector3d::kZAxis;
    return reference.crossProduct(n).normal();
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal) {
    const AcGeVector3d z = normal.normal();
    const AcGeVector3d x = arbitraryXAxis(z);
    return setCoordSystem(AcGePoint3d::kOrigin, x, z.crossProduct(x), z);
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal) {
    setToPlaneToWorld(normal);
    return invert();
}

AcGeVector3d AcGeMatrix3d::translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& vector) {
    entry[0][3] = vector.x;
    entry[1][3] = vector.y;
    entry[2][3] = vector.z;
    return *this;
}

double AcGeMatrix3d::scale() const {
    double largest = 0.0;
    for (const AcGeVector3d& axis : {AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis}) {
        largest = std::max(largest, (*this * axis).length());
    }
    return largest;
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& vector) { return AcGeMatrix3d().setToTranslation(vector); }

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
    return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scale, const AcGePoint3d& center) {
    return AcGeMatrix3d().setToScaling(scale, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(const AcGeScale3d& scale, const AcGePoint3d& center) {
    return AcGeMatrix3d().setToScaling(scale, center);
}

AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
    return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis,
                                             toZAxis);
}

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) { return AcGeMatrix3d().setToPlaneToWorld(normal); }

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal) { return AcGeMatrix3d().setToWorldToPlane(normal); }
