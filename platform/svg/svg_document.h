// The SVG document of a scene. The page is white and fits the window (or all the scene) with a
// small margin, its longer side 1000 units; the drawing's shapes lie in one group whose transform
// takes world coordinates (y up) to the page (y down), so that they keep the drawing's numbers.
// A legend, when there is one, stands to the right of the drawing.
#pragma once

#include "svg_arguments.h"
#include "svg_scene.h"

#include <optional>
#include <string>
#include <vector>

namespace rvnhost {

struct LegendRow {
    RgbColour colour;
    std::wstring label;
};

struct SvgLegend {
    std::wstring title;
    std::vector<LegendRow> rows;
};

// The longer side of the drawing's part of the page, in page units.
inline constexpr double kSvgPageSide = 1000.0;
// The margin around the window on each side, as a share of the window's longer side.
inline constexpr double kSvgMargin = 0.03;
// The height of capitals as a share of the font size: a text's font size is its height divided by it.
inline constexpr double kSvgCapitalHeight = 0.7;

// Shapes wholly outside the window are left out.
std::string svgDocument(const Scene& scene, const std::optional<SvgWindow>& window, const SvgLegend& legend);

}  // namespace rvnhost
