#include "network/position_index.h"

#include <algorithm>

namespace {

int compareCoordinate(double a, double b) {
    if (a - b < -TzRvnPositionIndex::kTolerance) return -1;
    if (a - b > TzRvnPositionIndex::kTolerance) return 1;
    return 0;
}

bool entryBefore(const TzRvnPositionIndex::Entry& entry, const AcGePoint3d& point) {
    return ComparePoints(entry.point, point) < 0;
}

}  // namespace

int ComparePoints(const AcGePoint3d& a, const AcGePoint3d& b) {
    if (int c = compareCoordinate(a.x, b.x)) return c;
    if (int c = compareCoordinate(a.y, b.y)) return c;
    return compareCoordinate(a.z, b.z);
}

void TzRvnPositionIndex::insert(const AcGePoint3d& point, const TzRvnName& name) {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), point, entryBefore);
    if (at != entries_.end() && ComparePoints(at->point, point) == 0) return;
    entries_.insert(at, Entry{point, name});
}

TzRvnName TzRvnPositionIndex::lookup(const AcGePoint3d& point) const {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), point, entryBefore);
    if (at == entries_.end() || ComparePoints(at->point, point) != 0) return *TzRvnName::from(L"--");
    return at->name;
}
