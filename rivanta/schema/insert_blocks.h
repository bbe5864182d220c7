// Inserting one node or one tank into the schema: the angle asked at the prompt, the element's
// dialog, the block reference with its attributes on the network layer.
#pragma once

#include "dbmain.h"
#include "gemat3d.h"
#include "gepnt3d.h"
#include "network/settings.h"
#include "schema/collect_schema.h"

#include <string_view>

class TzRvnDocState;

// The reference's angle: a point picked from the element's point (the angle of the direction to
// it from the WCS X axis, counter-clockwise), Return for 0, or an angle typed in degrees (asked
// again when it is none). False on Cancel or when the typed text cannot be read.
bool AskBlockAngle(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, std::wstring_view prompt, double& angle);

// Inserts a node at the UCS point on the network layer: its angle, its dialog (the elevation
// read-only when locked), the reference at the point with the elevation accepted, its demand
// written in m3/s. The node joins the node list and its name the document's names; its elevation
// becomes the last node elevation. False, with nothing left in the drawing, on any refusal or Cancel.
bool InsertNodeBlock(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, AcDbDatabase* database,
                     std::wstring_view networkLayer, const TzRvnSettings& settings,
                     std::vector<TzRvnSchemaNode>& nodes, TzRvnDocState& state, bool elevationLocked);

// Inserts a tank on the node at the WCS position: its angle, its dialog, the reference at the
// node's position. False, with nothing left in the drawing, on any refusal or Cancel.
bool InsertTankBlock(const AcGePoint3d& nodePosition, const AcGeMatrix3d& ucsToWorld, std::wstring_view nodeName,
                     AcDbDatabase* database, std::wstring_view networkLayer);

// Erases the last node of the list and takes it out of the list; its name ("NODE_01") leaves the
// document's names. A node without a name attribute is left in place.
void EraseLastNode(std::vector<TzRvnSchemaNode>& nodes, TzRvnDocState& state);
