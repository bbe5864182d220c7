// The pick of a network in the drawing for the network database dialog: an element of its schema
// (a node or tank block, or a branch polyline) on a network layer "TZ-RV-" + name names the
// network, which is made when the drawing has none of that name, and read again from its schema.
#pragma once

#include "dbid.h"

enum class TzRvnSchemaPick {
    none,     // nothing picked: the dialog opens again without a network
    network,  // the network picked, read from its schema
    stop      // the network cannot be had (said on the command line): the dialog stays closed
};

TzRvnSchemaPick PickSchemaNetwork(AcDbObjectId& network);
