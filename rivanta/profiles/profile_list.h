// The profiles composed by ProfRet: chains of node names, kept for one run of the command, and the
// state of the picking of a chain in the drawing, which lives across the dialogs of that run.
#pragma once

#include <string>
#include <vector>

// The node names of one profile in order; each name after the first is joined to the one before it
// by a branch of the network, in either direction. One node is a profile too.
using ProfileChain = std::vector<std::wstring>;

// The profiles of the run, in the order they were made: profile i (from 1) is row i of the
// composition grid.
std::vector<ProfileChain>& ProfileList();

// The network of every profile operation of the run, as typed at the start of ProfRet.
std::wstring& ProfileNetworkName();

// What the picking of a chain in the drawing leaves for the dialog shown after it.
struct TzRvnProfilePicking {
    ProfileChain chain;        // the chain being picked
    bool firstNodeTaken = false;
    std::wstring lastNode;     // the node last accepted
    bool saved = false;        // a picked chain was added to ProfileList(); the next dialog lists them all
};
TzRvnProfilePicking& ProfilePicking();

// Empties the profiles and the picking state: a new run of ProfRet starts from nothing.
void ResetProfiles();
