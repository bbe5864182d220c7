// A box parallel to the world axes: the extents of entities. A new box is empty; points and
// boxes added widen it.
#pragma once

#include "acadstrc.h"
#include "gepnt3d.h"

class AcGeMatrix3d;

class AcDbExtents {
public:
    AcDbExtents();
    // eInvalidExtents from set() when min exceeds max on an axis; this constructor keeps them as given.
    AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : min_(min), max_(max) {}

    AcGePoint3d minPoint() const { return min_; }
    AcGePoint3d maxPoint() const { return max_; }
    Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);
    void addPoint(const AcGePoint3d& point);
    void addExt(const AcDbExtents& other);
    // Moves the minimum by -vector's size and the maximum by its size on each axis.
    Acad::ErrorStatus expandBy(const AcGeVector3d& vector);
    // The box that holds the transformed corners of this one.
    void transformBy(const AcGeMatrix3d& matrix);

    // True until a point is added.
    bool isEmpty() const { return min_.x > max_.x; }
    // True when the point lies in the box widened by margin on each side.
    bool contains(const AcGePoint3d& point, double margin = 0.0) const;

private:
    AcGePoint3d min_;
    AcGePoint3d max_;
};

class AcDbEntity;

namespace rvnhost {

// The host's own look at an entity's geometry, without opening it (picking, the extents of a
// block's entities).
struct EntityGeometry {
    static Acad::ErrorStatus extents(const AcDbEntity& entity, AcDbExtents& extents);
};

}  // namespace rvnhost
