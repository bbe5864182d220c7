// PoliRet: a branch made from the part of a 3D polyline between two picked nodes.
#pragma once

void BranchFromPolyline();
