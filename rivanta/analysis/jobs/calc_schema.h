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

// A network drawn on its layer ("TZ-RV-" + name) but not yet in the drawing's networks: made, with
// a schema and the settings given, so that it is read from the schema like any drawn network.
// False when the drawing has no such layer or the network cannot be made.
bool MakeNetworkOfSchema(AcDbDatabase* database, const std::wstring& name, const TzRvnSettings& settings, AcDbObjectId& id);
