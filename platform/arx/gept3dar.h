// A growable array of points, as the geometry library hands them over.
#pragma once

#include <vector>

#include "gepnt3d.h"

class AcGePoint3dArray : public std::vector<AcGePoint3d> {
public:
    using std::vector<AcGePoint3d>::vector;
    AcGePoint3dArray& append(const AcGePoint3d& point) {
        push_back(point);
        return *this;
    }
    int length() const { return static_cast<int>(size()); }
    int logicalLength() const { return length(); }
    bool isEmpty() const { return empty(); }
};
