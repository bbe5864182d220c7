#include "profiles/profile_lines.h"

#include "dbpl2d.h"
#include "host/open_object.h"
#include "schema/model_space.h"

#include <memory>

bool AppendProfileLine(AcDbDatabase* database, const AcGePoint3dArray& points, Adesk::UInt16 colour, AcDbObjectId& made) {
    AcGePoint3dArray flat;
    for (const AcGePoint3d& point : points) flat.push_back(AcGePoint3d(point.x, point.y, 0.0));
    auto line = std::make_unique<AcDb2dPolyline>(AcDb::k2dSimplePoly, flat, 0.0, false);
    if (AppendToModelSpace(database, line.get(), made) != Acad::eOk) return false;
    TzRvnOpenObject<AcDb2dPolyline> open;
    open.slot() = line.release();
    open.take(Acad::eOk);
    open->setColorIndex(colour);
    return true;
}
