// The host's job "svgout": a picture of a drawing's model space as an SVG file.
//     svgout DRAWING OUT.svg [--window X1,Y1,X2,Y2]
// With --network NAME --results the job is the plug-in's, which knows the network and its colours.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rvnshell {

// The exit status (0 written; 1 the drawing could not be read or the picture not written; 2 wrong
// arguments); nullopt when the job names a network and is handed to the plug-in.
std::optional<int> runSvgOutJob(const std::vector<std::string>& arguments);

}  // namespace rvnshell
