// The network of the profiles composed in a run of ProfRet (ProfileNetworkName()), opened from the
// working drawing for one action.
#pragma once

#include "dbmain.h"
#include "host/open_object.h"
#include "netobj/network_object.h"

// Opens the profiles' network in mode. A drawing without the networks' dictionary says so on the
// command line; a missing network is silent. False when the network is not open.
bool OpenProfileNetwork(AcDb::OpenMode mode, TzRvnOpenObject<TzRvnNetwork>& network);

// Opens the network for write and brings it up to date from its schema in model space; a schema
// that cannot be read says so. False, the network closed, on any failure.
bool OpenUpdatedProfileNetwork(TzRvnOpenObject<TzRvnNetwork>& network);

// A copy of the profiles' network as it stands, read without a word; an empty network when it
// cannot be read.
TzRvnNetworkData ProfileNetworkData();
