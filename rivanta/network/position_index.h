// Sorted lookup of node names by insertion point. Two points within 0.001 of each other on every
// axis are the same point; other points are ordered by x, then y, then z.
#pragma once

#include "gepnt3d.h"
#include "network/name_field.h"

#include <vector>

class TzRvnPositionIndex {
public:
    struct Entry {
        AcGePoint3d point;
        TzRvnName name;
    };

    static constexpr double kTolerance = 0.001;

    // Enters (point, name) in point order; a point already present is not entered again.
    void insert(const AcGePoint3d& point, const TzRvnName& name);
    // The name entered for point; "--" when no entry has that point.
    TzRvnName lookup(const AcGePoint3d& point) const;

    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// Negative, zero or positive as a lies before, at or after b in the index order.
int ComparePoints(const AcGePoint3d& a, const AcGePoint3d& b);
