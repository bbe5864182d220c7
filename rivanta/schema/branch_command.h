// RamoRet: branches drawn point by point in one network, with nodes made where a branch starts or
// ends on free ground and branches split where a new one starts or ends on them.
#pragma once

void DrawBranches();
