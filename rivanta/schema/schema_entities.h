// New schema entities in model space: node and tank references with their attributes, and branch
// polylines with their data.
#pragma once

#include "dbmain.h"
#include "gepnt3d.h"
#include "schema/block_attributes.h"
#include "schema/branch_data.h"
#include "schema/schema_blocks.h"

#include <string_view>
#include <vector>

// Appends a reference of the block (its definition blockId, of kind block) at the WCS position,
// turned by angle about the Z axis, on the network layer, with one attribute per attribute
// definition holding the text of its tag, on its attribute layer (made when absent). The
// reference is closed again. On failure what was made is erased and the host's status returned.
Acad::ErrorStatus AppendSchemaReference(AcDbDatabase* database, const TzRvnSchemaBlock& block, AcDbObjectId blockId,
                                        const AcGePoint3d& position, double angle, std::wstring_view networkLayer,
                                        const std::vector<TzRvnTaggedText>& texts, AcDbObjectId& referenceId);

// Appends a simple open 3D polyline through the WCS points on the layer (the network layer, or
// its off layer for an excluded branch), carrying the branch data. The polyline is closed again.
// On failure what was made is erased and the host's status returned.
Acad::ErrorStatus AppendBranchPolyline(AcDbDatabase* database, const std::vector<AcGePoint3d>& points,
                                       AcDbObjectId layerId, const TzRvnBranchData& data, AcDbObjectId& branchId);
