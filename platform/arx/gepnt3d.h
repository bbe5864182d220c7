// Points and vectors of the geometry library, and its global tolerance.
#pragma once

#include <cmath>

class AcGeMatrix3d;

class AcGeTol {
public:
    double equalPoint() const { return equalPoint_; }
    double equalVector() const { return equalVector_; }
    void setEqualPoint(double value) { equalPoint_ = value; }
    void setEqualVector(double value) { equalVector_ = value; }

private:
    double equalPoint_ = 1e-10;
    double equalVector_ = 1e-12;
};

namespace AcGeContext {
extern AcGeTol gTol;
}

class AcGeVector3d {
public:
    AcGeVector3d() = default;
    AcGeVector3d(double xv, double yv, double zv) : x(xv), y(yv), z(zv) {}
    static const AcGeVector3d kIdentity;
    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kYAxis;
    static const AcGeVector3d kZAxis;

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
    AcGeVector3d crossProduct(const AcGeVector3d& v) const {
        return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
    }
    // The unit vector of the same direction; the vector itself when its length is within the
    // tolerance of zero.
    AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
    AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol) { return *this = normal(tol); }
    bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const { return length() <= tol.equalVector(); }
    bool isParallelTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
    bool isEqualTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const {
        return (*this - v).length() <= tol.equalVector();
    }
    // The angle to v, from 0 to pi.
    double angleTo(const AcGeVector3d& v) const;
    // The angle to v counter-clockwise about reference, from 0 to 2 pi.
    double angleTo(const AcGeVector3d& v, const AcGeVector3d& reference) const;
    // Applies the linear part of the matrix (a vector has no position).
    AcGeVector3d& transformBy(const AcGeMatrix3d& matrix);

    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
    bool operator==(const AcGeVector3d&) const = default;
    double x = 0.0, y = 0.0, z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double xv, double yv, double zv) : x(xv), y(yv), z(zv) {}
    static const AcGePoint3d kOrigin;

    double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }
    bool isEqualTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const {
        return distanceTo(p) <= tol.equalPoint();
    }
    AcGeVector3d asVector() const { return {x, y, z}; }
    AcGePoint3d& transformBy(const AcGeMatrix3d& matrix);

    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGePoint3d& operator+=(const AcGeVector3d& v) { return *this = *this + v; }
    bool operator==(const AcGePoint3d&) const = default;
    double x = 0.0, y = 0.0, z = 0.0;
};
