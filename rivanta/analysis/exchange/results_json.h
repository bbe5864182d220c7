// The results of a run as JSON: {"check":0|1,"calc":0|1,"nodes":[{name, head, pressureHead}],
// "branches":[{startNode, endNode, flow, velocity, reynolds, frictionSlope, headLoss}],
// "tanks":[{nodeName, flow}]}, SI, in element order. Numbers are written in their shortest form
// that reads back to the same double; inf, -inf and NaN as the strings "inf", "-inf", "nan".
#pragma once

#include "network/network_data.h"

#include <functional>
#include <string>

// The JSON text (UTF-8) of network's results and the outcomes of its check and calculation.
std::string ResultsJson(const TzRvnNetworkData& network, int check, int calc);

// Hands on a piece of a file's text (UTF-8), in order; the piece is emptied for the text that
// follows.
using TzRvnPieceSink = std::function<void(std::string& piece)>;

// ResultsJson in pieces of some tens of kilobytes handed to sink, so that the text of a large
// network never lies whole in memory on its way to a file (host/output_files.h writes it).
void WriteResultsJson(const TzRvnNetworkData& network, int check, int calc, const TzRvnPieceSink& sink);

// A JSON number, or a string for a non-finite value.
std::string JsonNumber(double value);

// A JSON string literal of text (UTF-8, control characters and lone surrogates escaped).
std::string JsonString(std::wstring_view text);
