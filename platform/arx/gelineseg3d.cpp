#include "gelineseg3d.h"

// The foot of the perpendicular from point, as a parameter along start -> end, kept within the
// entity; a degenerate entity is its start point.
AcGePoint3d AcGeLinearEnt3d::closestPointTo(const AcGePoint3d& point) const {
    const AcGeVector3d along = end_ - start_;
    const double squared = along.dotProduct(along);
    if (squared == 0.0) return start_;
    const double t = clampParameter((point - start_).dotProduct(along) / squared);
    return start_ + along * t;
}
