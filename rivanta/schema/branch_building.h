// The steps that build a branch polyline point by point, shared by the branch commands. Points
// are UCS points; the last node elevation E gives the first vertex its Z, and later ones theirs
// when the keep flag is set. A step that fails says why; what it left unfinished is erased.
#pragma once

#include "dbmain.h"
#include "gemat3d.h"
#include "gepnt3d.h"
#include "network/settings.h"

#include <string_view>
#include <vector>

// A new simple 3D polyline on the network layer with one vertex at the point (Z = E), appended
// to model space and to the branch list.
bool StartBranch(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, AcDbDatabase* database,
                 std::wstring_view networkLayer, std::vector<AcDbObjectId>& branches);

// A vertex at the point (Z = E when keepElevation) appended to the last branch of the list; when
// refused the branch is erased and leaves the list.
bool AppendBranchVertex(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld,
                        std::vector<AcDbObjectId>& branches, bool keepElevation);

// Measures the branch in plan (rounded to the drawing's linear precision), shows its dialog at the
// screen position of the UCS point with the length filled in, and on OK writes its data, diameter
// and roughness turned into metres. False on Cancel or when the branch cannot be read or written.
bool AttachBranchData(const AcGePoint3d& ucsDialogPoint, const AcGeMatrix3d& ucsToWorld, const TzRvnSettings& settings,
                      AcDbObjectId branch);

// The Z of the last vertex of the last branch becomes E.
bool SetLastVertexElevation(const std::vector<AcDbObjectId>& branches);
// Redraws the last branch.
bool RedrawBranch(const std::vector<AcDbObjectId>& branches);
// Erases the last branch and takes it out of the list.
void EraseLastBranch(std::vector<AcDbObjectId>& branches);
