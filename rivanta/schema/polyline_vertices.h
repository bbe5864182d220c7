// The vertices of a branch polyline, walked in order.
#pragma once

#include "db3dpl.h"

#include <vector>

struct TzRvnVertex {
    AcDbObjectId id;
    AcGePoint3d position;  // WCS
};

// The vertices of the polyline (open for read, in a database); false when one cannot be opened.
bool ReadPolylineVertices(const AcDb3dPolyline& polyline, std::vector<TzRvnVertex>& vertices);
