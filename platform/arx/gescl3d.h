// Scale factors along the three axes, as a block reference carries them.
#pragma once

#include "gepnt3d.h"

class AcGeScale3d {
public:
    AcGeScale3d() = default;
    explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
    AcGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}
    static const AcGeScale3d kIdentity;

    bool isEqualTo(const AcGeScale3d& other, const AcGeTol& tol = AcGeContext::gTol) const {
        return std::abs(sx - other.sx) <= tol.equalVector() && std::abs(sy - other.sy) <= tol.equalVector() &&
               std::abs(sz - other.sz) <= tol.equalVector();
    }
    double operator[](unsigned i) const { return i == 0 ? sx : i == 1 ? sy : sz; }
    bool operator==(const AcGeScale3d&) const = default;

    double sx = 1.0, sy = 1.0, sz = 1.0;
};

inline const AcGeScale3d AcGeScale3d::kIdentity{};
