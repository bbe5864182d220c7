// Straight lines of space: the unbounded line and the segment between two points.
#pragma once

#include "gepnt3d.h"

// A line through a point along a direction.
class AcGeLinearEnt3d {
public:
    virtual ~AcGeLinearEnt3d() = default;

    AcGePoint3d pointOnLine() const { return start_; }
    AcGeVector3d direction() const { return (end_ - start_).normal(); }
    // True when the point lies on the entity within tol's equalPoint.
    bool isOn(const AcGePoint3d& point, const AcGeTol& tol = AcGeContext::gTol) const {
        return distanceTo(point) <= tol.equalPoint();
    }
    // The point of the entity nearest to point.
    AcGePoint3d closestPointTo(const AcGePoint3d& point) const;
    double distanceTo(const AcGePoint3d& point) const { return closestPointTo(point).distanceTo(point); }
    bool isParallelTo(const AcGeLinearEnt3d& other, const AcGeTol& tol = AcGeContext::gTol) const {
        return (end_ - start_).isParallelTo(other.end_ - other.start_, tol);
    }

protected:
    AcGeLinearEnt3d() = default;
    AcGeLinearEnt3d(const AcGePoint3d& start, const AcGePoint3d& end) : start_(start), end_(end) {}
    // The parameter of the nearest point along start -> end, clamped to the entity's extent.
    virtual double clampParameter(double t) const = 0;

    AcGePoint3d start_;
    AcGePoint3d end_;
};

class AcGeLine3d : public AcGeLinearEnt3d {
public:
    AcGeLine3d() : AcGeLinearEnt3d(AcGePoint3d::kOrigin, AcGePoint3d(1.0, 0.0, 0.0)) {}
    AcGeLine3d(const AcGePoint3d& point, const AcGeVector3d& direction) : AcGeLinearEnt3d(point, point + direction) {}

protected:
    double clampParameter(double t) const override { return t; }
};

class AcGeLineSeg3d : public AcGeLinearEnt3d {
public:
    AcGeLineSeg3d() = default;
    AcGeLineSeg3d(const AcGePoint3d& start, const AcGePoint3d& end) : AcGeLinearEnt3d(start, end) {}

    AcGeLineSeg3d& set(const AcGePoint3d& start, const AcGePoint3d& end) {
        start_ = start;
        end_ = end;
        return *this;
    }
    AcGePoint3d startPoint() const { return start_; }
    AcGePoint3d endPoint() const { return end_; }
    AcGePoint3d midPoint() const { return start_ + (end_ - start_) * 0.5; }
    double length() const { return start_.distanceTo(end_); }

protected:
    double clampParameter(double t) const override { return t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t); }
};
