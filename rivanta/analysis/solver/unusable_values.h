// Values of a network the solver cannot work with, found before it starts: each one would turn
// the whole calculation into infinities and NaN (or make it run no iteration at all).
#pragma once

#include "analysis/solver/text_format.h"
#include "network/network_data.h"

#include <string>
#include <vector>

// Which value is refused, and so which element it belongs to.
enum class TzRvnUnusableKind {
    viscosity,        // settings
    initialVelocity,
    iterationLimit,
    minBranchFlow,
    headTolerance,
    flowTolerance,
    demand,           // nodes
    elevation,
    length,           // branches
    diameter,
    roughness,
    csi,
    tankLevel,        // tanks
};

struct TzRvnUnusableValue {
    TzRvnUnusableKind kind = TzRvnUnusableKind::viscosity;
    int element = 0;     // 0-based node, branch or tank of the value; 0 for a setting
    double value = 0.0;  // the value refused (the iteration limit as a whole number)

    bool operator==(const TzRvnUnusableValue&) const = default;
};

// Every unusable value, in the order settings, nodes, branches, tanks; empty when every value can
// be used. Refused: a viscosity, initial velocity or minimum branch flow that is not a positive
// number; a tolerance that is negative or not a number; an iteration limit below 1; a diameter that
// is not a positive number; a length that is negative or not a number (a zero length is
// calculated: its friction slope is infinite); a demand, elevation, roughness, local-loss
// coefficient or tank level that is not a number. Excluded branches take no part and are not
// looked at.
std::vector<TzRvnUnusableValue> UnusableValues(const TzRvnNetworkData& network);

// The line (ending with "\n") that names an unusable value of network with its element and the
// value as a user reads it (up to ten significant digits, "nan" and "inf" for what is no number).
std::wstring UnusableValueLine(const TzRvnUnusableValue& value, const TzRvnNetworkData& network,
                               const TzRvnTranslate& translate);

// The lines of the unusable values of network for a report or a message: a heading and at most the
// first kListedUnusableValues of them, then how many more there are.
std::wstring UnusableValuesText(const std::vector<TzRvnUnusableValue>& values, const TzRvnNetworkData& network,
                                const TzRvnTranslate& translate);

inline constexpr std::size_t kListedUnusableValues = 20;
