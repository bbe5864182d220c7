// Points and vectors of the plane: a lightweight polyline's vertices in its own coordinate system.
#pragma once

#include <cmath>

class AcGeVector2d {
public:
    AcGeVector2d() = default;
    AcGeVector2d(double xv, double yv) : x(xv), y(yv) {}
    double length() const { return std::hypot(x, y); }
    bool operator==(const AcGeVector2d&) const = default;
    double x = 0.0, y = 0.0;
};

class AcGePoint2d {
public:
    AcGePoint2d() = default;
    AcGePoint2d(double xv, double yv) : x(xv), y(yv) {}
    static const AcGePoint2d kOrigin;

    double distanceTo(const AcGePoint2d& p) const { return (*this - p).length(); }
    AcGeVector2d operator-(const AcGePoint2d& p) const { return {x - p.x, y - p.y}; }
    AcGePoint2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    bool operator==(const AcGePoint2d&) const = default;
    double x = 0.0, y = 0.0;
};

inline const AcGePoint2d AcGePoint2d::kOrigin{};
