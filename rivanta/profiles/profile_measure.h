// The measure of a profile before it is drawn: which branches it runs along, how far, between
// which elevations, and where its terrain points, head points and sections lie along it. Plain
// records in, plain values out: the drawing code reads the schema's polylines and hands their
// vertices in.
#pragma once

#include "network/network_data.h"
#include "profiles/profile_list.h"

#include <string>
#include <vector>

// A point of the schema in the drawing (WCS).
struct TzRvnSchemaPoint {
    double x = 0.0, y = 0.0, z = 0.0;
};

// One pair of consecutive nodes of the profile joined by a branch.
struct TzRvnProfileLeg {
    TzRvnNode from;                          // the pair's first node
    TzRvnNode to;                            // its second node
    TzRvnEdge branch;                        // the first branch (network order) joining them
    bool last = false;                       // the pair is the profile's last one
    std::vector<TzRvnSchemaPoint> vertices;  // the branch's polyline walked from the first node (schema only)
};

// A place along the profile: its progressive distance and its elevation (m).
struct TzRvnProfileStation {
    double distance = 0.0;
    double elevation = 0.0;
};

struct TzRvnProfileSectionAt {
    std::wstring name;  // the node's
    TzRvnProfileStation station;
};

struct TzRvnProfileMeasure {
    double minimum = 0.0;  // lowest of the terrain and the heads
    double maximum = 0.0;
    double length = 0.0;   // the last progressive distance
    std::vector<TzRvnProfileStation> terrain;
    std::vector<TzRvnProfileStation> heads;
    std::vector<TzRvnProfileSectionAt> sections;
};

// The node names joined by "-" in profile order.
std::wstring ProfileKey(const ProfileChain& chain);

// True when a name of a consecutive pair holds "-", which would break the key apart.
bool HasDashedPairName(const ProfileChain& chain);

// The pairs of the chain that a branch joins and whose nodes the network has, in order; a pair
// without them adds nothing.
std::vector<TzRvnProfileLeg> ProfileLegs(const TzRvnNetworkData& network, const ProfileChain& chain);

// Measures the legs. Without a schema the distance grows by each branch's length and the terrain
// joins the nodes' elevations; with one (the legs' vertices filled) the distance is measured in
// plan along the polylines and the terrain follows each vertex's z. The extremes take the heads of
// the first node of every leg and of the last node of the profile's last pair.
TzRvnProfileMeasure MeasureProfile(const std::vector<TzRvnProfileLeg>& legs, bool hasSchema);
