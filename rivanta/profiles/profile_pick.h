// The picking of a profile in the drawing, node after node, while the profile dialog is closed.
#pragma once

#include "gepnt3d.h"
#include "profiles/profile_list.h"

#include <optional>

// Recognises the node of the profiles' network at a point typed or picked in the UCS: the node
// whose block reference is inserted at the point, or one of whose attributes is (within the global
// tolerance). The first node of a chain is any node; a later one must be joined by a branch to the
// node last accepted. An accepted node is appended to picking's chain and becomes its last node;
// its insertion point (WCS) is returned. Nothing when no node is accepted.
std::optional<AcGePoint3d> RecogniseProfileNode(const AcGePoint3d& ucsPoint, TzRvnProfilePicking& picking);

// Asks for the first node and the next ones, shows the chain as a temporary 3D polyline while
// picking and erases it at the end. Return and Cancel at a later prompt keep the nodes picked so
// far: the chain is appended to ProfileList(), the saved flag set, and true returned. False when
// the command ends instead (nothing picked, or a failure); the drawing is then left as it was.
bool PickProfileChain();
