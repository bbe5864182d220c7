// The data of one node, tank or branch of the schema edited in its dialog (modification mode) and
// written back: attributes for nodes and tanks, extended data for branches.
#pragma once

#include "dbmain.h"
#include "network/settings.h"

#include <string>

struct TzRvnEditedElement {
    AcDbDatabase* database;
    AcDbObjectId id;
    std::wstring networkLayer;
    TzRvnSettings settings;
    int screenX;  // where its dialog opens
    int screenY;
};

// A node: its elevation, changed or not, is carried to its block, attributes and the branch ends
// meeting it. False when the dialog is cancelled or the node cannot be read or written.
bool ModifyNode(const TzRvnEditedElement& node);
// A tank, shown with the name of the node it stands on.
bool ModifyTank(const TzRvnEditedElement& tank);
// A branch: its length stays; diameter and roughness are shown in the display units.
bool ModifyBranch(const TzRvnEditedElement& branch);
