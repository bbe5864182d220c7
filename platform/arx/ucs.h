// The user coordinate system (UCS) of the editor: the frame in which points are typed and shown.
// It belongs to the editing session, as the view does; a new session starts in the world system.
// Points handed to and by the editor's input calls are UCS points; the drawing holds WCS points.
#pragma once

#include "adsdef.h"
#include "gemat3d.h"

class AcDbDatabase;

namespace rvnhost {

struct Ucs {
    AcGePoint3d origin;
    AcGeVector3d xAxis = AcGeVector3d::kXAxis;
    AcGeVector3d yAxis = AcGeVector3d::kYAxis;
};

const Ucs& currentUcs();
// Makes the frame with that origin, the X axis along xDirection and the Y axis in the plane of
// xDirection and yDirection (towards yDirection) current. False, changing nothing, when the two
// directions are zero or parallel.
bool setCurrentUcs(const AcGePoint3d& origin, const AcGeVector3d& xDirection, const AcGeVector3d& yDirection);
void setWorldUcs();
bool isWorldUcs();
// The matrix that takes UCS coordinates to WCS coordinates.
AcGeMatrix3d ucsToWorld();

}  // namespace rvnhost

// The current UCS-to-WCS matrix. False, leaving the matrix alone, when there is no drawing (db
// null and no working database).
bool acdbUcsMatrix(AcGeMatrix3d& matrix, AcDbDatabase* db = nullptr);
// A point (vec false) or a displacement (vec true) from UCS to WCS, and back. p and q may be the
// same array.
bool acdbUcs2Wcs(const ads_point p, ads_point q, bool vec);
bool acdbWcs2Ucs(const ads_point p, ads_point q, bool vec);
