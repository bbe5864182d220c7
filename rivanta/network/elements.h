// The records of a network's nodes, branches ("rami") and tanks ("serbatoi"). Values are SI (m,
// m3/s, m/m); the results of the last calculation live in the records themselves.
#pragma once

#include "network/name_field.h"
#include "network/note_text.h"

#include <cstdint>

// The drawing entity that shows a record in the schema (a block reference or a polyline), as the
// core keeps it: an opaque value that the plug-in makes from the host's object id and turns back
// into one (host/entity_ids.h). The core never looks inside it.
struct TzRvnEntityId {
    std::uint64_t value = 0;  // 0: none

    bool isNull() const { return value == 0; }
    bool operator==(const TzRvnEntityId&) const = default;
};

// A result not computed yet; displays show it empty.
inline constexpr double NO_RESULT = -1e10;

// In the node and branch records, what every iteration of the calculation reads comes first; the
// names and the note, read only by checks and reports, come last.
struct TzRvnNode {
    TzRvnEntityId entityId;           // block reference in the schema, null when none
    double demand = 0.0;              // m3/s drawn off; positive leaves the network
    double elevation = 0.0;           // m, "Quota"
    double head = NO_RESULT;          // m, result
    double pressureHead = NO_RESULT;  // m, head minus elevation, result
    TzRvnName name;                   // "Nome/Numero"
    TzRvnNote note;
};

struct TzRvnEdge {
    TzRvnEntityId entityId;     // polyline in the schema, null when none
    std::int32_t startIndex = 0;  // 1-based node position set by the topology check, 0 = unresolved
    std::int32_t endIndex = 0;
    std::int32_t excluded = 0;  // 1 = takes no part in the calculation
    double length = 0.0;        // m
    double diameter = 0.0;      // m
    double roughness = 0.0;     // m, absolute
    double csi = 0.0;           // coefficient of local losses
    double flow = NO_RESULT;           // m3/s, positive from start to end node
    double velocity = NO_RESULT;       // m/s, sign of the flow
    double reynolds = NO_RESULT;
    double frictionSlope = NO_RESULT;  // m/m, sign of the flow
    double headLoss = NO_RESULT;       // m, sign of the flow
    TzRvnName startNode;               // "Np"
    TzRvnName endNode;                 // "Na"
    TzRvnNote note;
};

struct TzRvnTank {
    TzRvnEntityId entityId;       // block reference in the schema, null when none
    std::int32_t nodeIndex = 0;   // 1-based node position set by the topology check, 0 = unresolved
    TzRvnName nodeName;           // "Nn"
    double head = 0.0;            // m, the fixed water level ("Piezometrica")
    TzRvnNote note;
    double flow = NO_RESULT;      // m3/s delivered into the network, result
};
