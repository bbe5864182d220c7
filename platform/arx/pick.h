// Picking entities of the drawing with a point, for acedEntSel. The point is a UCS point of the
// plan view of the current UCS: entities are hit where they appear in that view, whatever their
// height along the UCS Z axis.
//
// An entity is hit when the point lies within the pick box of it: block references by their
// insertion point or anywhere within their extents (their block's entities and their
// attributes), curves (lines, 2D, 3D and lightweight polylines) by their segments, texts and
// points by their position, other entities within their extents. Entities on frozen or off layers
// are not hit. Of several entities hit, the one drawn last (appended last) wins.
//
// The pick box is the system variable PICKBOX: half the side of the pick square in pixels of the
// drawing view (an integer from 0 to 50, 3 at start), so that it covers more of the drawing the
// further the view is zoomed out.
#pragma once

#include "dbid.h"
#include "gepnt3d.h"

class AcDbDatabase;

namespace rvnhost {

inline constexpr int kDefaultPickBox = 3;
inline constexpr int kLargestPickBox = 50;

int pickBoxPixels();
// The pick box in drawing units of the current view.
double pickBox();
// The entity of the database's model space under the UCS point; null when there is none.
AcDbObjectId entityUnder(AcDbDatabase& database, const AcGePoint3d& ucsPoint, double box);
// A UCS point on the entity: what acedEntSel reports for an entity named by its handle.
AcGePoint3d pointOnEntity(AcDbObjectId entity);
// Makes the drawing's picker the editor's (it is at start) and defines PICKBOX.
void installDrawingPicker();

}  // namespace rvnhost
