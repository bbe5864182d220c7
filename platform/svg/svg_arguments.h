// The arguments of the job "svgout": DRAWING OUT.svg [--window X1,Y1,X2,Y2] [--network NAME --results].
// The host reads them to draw a drawing; a plug-in reads them the same way when --network hands the
// job to it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rvnhost {

// A rectangle of the drawing's XY plane (WCS), its corners ordered: x1 < x2 and y1 < y2.
struct SvgWindow {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
};

struct SvgOutArguments {
    bool help = false;
    std::wstring drawing;
    std::wstring output;
    std::optional<SvgWindow> window;
    std::wstring network;  // empty: no network named
    bool results = false;
    std::wstring error;    // set when the arguments cannot be used
};

// Reads the arguments after the job's name. A window is four numbers; its corners may come in any
// order but must span an area.
SvgOutArguments parseSvgOutArguments(const std::vector<std::string>& arguments);

// The text of "svgout --help".
std::wstring svgOutUsage();

}  // namespace rvnhost
