// Sorted lookup of node names by insertion point. Two points within 0.001 of each other on every
// axis are the same point; other points are ordered by x, then y, then z. The sorted sequence is
// kept in blocks of a few hundred entries, so that entering N points costs about N sqrt(N) moves
// instead of N^2, while the binary search probes the same positions as over one array.
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

    // The entries in index order.
    const std::vector<Entry>& entries() const;

private:
    // The first position whose point does not lie before point (std::lower_bound's probes).
    std::size_t lowerBound(const AcGePoint3d& point) const;
    const Entry& at(std::size_t position) const;
    // The block holding position (the last block for the position just past the end).
    std::size_t blockOf(std::size_t position) const;

    std::vector<std::vector<Entry>> blocks_;  // in order, none empty
    std::vector<std::size_t> blockStart_;     // position of each block's first entry
    std::size_t size_ = 0;
    mutable std::vector<Entry> flat_;         // entries() as one array, rebuilt after an insert
    mutable bool flatCurrent_ = true;
};

// Negative, zero or positive as a lies before, at or after b in the index order.
int ComparePoints(const AcGePoint3d& a, const AcGePoint3d& b);
