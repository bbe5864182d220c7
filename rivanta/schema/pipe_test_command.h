// TestRet: a diagnostic walk over the vertices of a picked pipe polyline and their per-vertex
// data. It shows nothing and changes nothing; a vertex that cannot be opened is said.
#pragma once

void TestPipePolyline();
