// Points and vectors of the geometry library, and its global tolerance.
#pragma once

#include <cmath>

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
    double length() const { return std::sqrt(x * x + y * y + z * z); }
    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    bool operator==(const AcGeVector3d&) const = default;
    double x = 0.0, y = 0.0, z = 0.0;
};

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double xv, double yv, double zv) : x(xv), y(yv), z(zv) {}
    static const AcGePoint3d kOrigin;

    double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }
    bool isEqualTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const {
        return distanceTo(p) <= tol.equalPoint();
    }
    AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    bool operator==(const AcGePoint3d&) const = default;
    double x = 0.0, y = 0.0, z = 0.0;
};
