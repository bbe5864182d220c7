// The schema's side of a profile measured along it: each leg's branch polyline, walked from the
// leg's first node.
#pragma once

#include "profiles/profile_measure.h"

#include <vector>

// Fills every leg's vertices from its branch's 3D polyline, starting at the end that lies at the
// first node's insertion point (within the global tolerance), else at the other end. False, with
// the message said, when a polyline or a node's block reference cannot be opened.
bool WalkLegsAlongSchema(std::vector<TzRvnProfileLeg>& legs);
