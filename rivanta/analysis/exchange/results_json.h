// The results of a run as JSON: {"check":0|1,"calc":0|1,"nodes":[{name, head, pressureHead}],
// "branches":[{startNode, endNode, flow, velocity, reynolds, frictionSlope, headLoss}],
// "tanks":[{nodeName, flow}]}, SI, in element order. Numbers are written in their shortest form
// that reads back to the same double; inf, -inf and NaN as the strings "inf", "-inf", "nan".
#pragma once

#include "network/network_data.h"

#include <span>
#include <string>

// The JSON text (UTF-8) of network's results and the outcomes of its check and calculation.
std::string ResultsJson(const TzRvnNetworkData& network, int check, int calc);

// Writes ResultsJson to path, whole or not at all (see rvnos::OutputFile); a path naming one of
// inputs is refused. False with the reason.
bool WriteResultsJsonFile(const std::wstring& path, const TzRvnNetworkData& network, int check, int calc,
                          std::span<const std::wstring> inputs, std::wstring& reason);

// A JSON number, or a string for a non-finite value.
std::string JsonNumber(double value);

// A JSON string literal of text (UTF-8, control characters and lone surrogates escaped).
std::string JsonString(std::wstring_view text);
