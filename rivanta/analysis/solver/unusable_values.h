// Values of a network the solver cannot work with, found before it starts: each one would turn
// the whole calculation into infinities and NaN (or make it run no iteration at all).
#pragma once

#include "network/network_data.h"

#include <string>
#include <vector>

// One line (ending with "\n") per unusable value, naming its element and the value, in the order
// settings, nodes, branches, tanks; empty when every value can be used. Refused: a viscosity,
// initial velocity or minimum branch flow that is not a positive number; a tolerance that is
// negative or not a number; an iteration limit below 1; a diameter that is not a positive number;
// a length that is negative or not a number (a zero length is calculated: its friction slope is
// infinite); a demand, elevation, roughness, local-loss coefficient or tank level that is not a
// number. Excluded branches take no part and are not looked at.
std::vector<std::wstring> UnusableValues(const TzRvnNetworkData& network);

// The lines of UnusableValues for a report or a message: a heading and at most the first
// kListedUnusableValues of them, then how many more there are.
std::wstring UnusableValuesText(const std::vector<std::wstring>& lines);

inline constexpr std::size_t kListedUnusableValues = 20;
