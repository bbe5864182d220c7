// A drawn network in "rivanta calc": rebuilt from its schema before it is checked and calculated,
// and its data written back into the schema before the drawing is saved.
#pragma once

#include "dbmain.h"
#include "network/settings.h"

#include <string>

// Reads the network with that id again from the schema on its layer, when it has a schema;
// empty on success (and for a network without schema), else the message, which the job that
// shows it begins with its own name.
std::wstring RebuildNetworkFromSchema(AcDbDatabase* database, AcDbObjectId networkId, const std::wstring& name);
// Writes the network's data into its schema (nothing for a network without one); empty on
// success, else the message (without the job's name, as above).
std::wstring WriteNetworkSchema(AcDbObjectId networkId, const std::wstring& name);

enum class TzRvnNetworkLookup {
    found,         // one of the drawing's networks
    madeFromSchema,  // drawn on its layer only: made now, with a schema and the installed settings
    missing,       // neither among the networks nor drawn, or it cannot be made
    noSettings     // drawn, but the installed settings cannot be read (message set)
};

// The network of the drawing with that name. A network drawn on its layer ("TZ-RV-" + name) that
// the drawing's networks do not hold yet is made with the installed settings, so that it is read
// from its schema like any drawn network.
TzRvnNetworkLookup FindOrMakeNetwork(AcDbDatabase* database, const std::wstring& name, AcDbObjectId& id,
                                     std::wstring& message);
