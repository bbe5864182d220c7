// What a picture of a drawing shows, in world coordinates of the XY plane (WCS, y up): the shapes
// the entities of model space come to once blocks are placed and colours and layers resolved.
#pragma once

#include "aci_palette.h"

#include <string>
#include <vector>

namespace rvnhost {

struct ScenePoint {
    double x = 0.0;
    double y = 0.0;
};

// What every shape carries: its colour, the layer it is drawn on (for a block's entity on layer
// "0", the layer of the reference) and the handle of the entity of model space it belongs to (an
// attribute's own). An emphasised shape (one whose colour was given instead of its own) is drawn
// heavier, so that it stands out at any scale.
struct ShapeLook {
    RgbColour colour;
    std::wstring layer;
    std::wstring handle;
    bool emphasised = false;
};

// A vertex of a path and the segment that leaves it: straight for bulge 0, else an arc turning
// counter-clockwise for a positive bulge (the bulge is the tangent of a quarter of the arc's angle).
struct PathVertex {
    ScenePoint point;
    double bulge = 0.0;
};

// A chain of segments drawn with a pen of that width (drawing units; 0 is the thinnest line).
struct ScenePath {
    ShapeLook look;
    std::vector<PathVertex> vertices;
    bool closed = false;
    double width = 0.0;
};

// A filled outline: a polyline segment whose width changes along it.
struct SceneFill {
    ShapeLook look;
    std::vector<ScenePoint> outline;
};

struct SceneDot {
    ShapeLook look;
    ScenePoint at;
};

enum class TextAnchor { start, middle, end };
enum class TextBaseline { base, bottom, middle, top };

// A line of text: its anchor point, the angle of its baseline (radians, counter-clockwise), the
// height of its capitals, the width factor and the oblique angle (radians, positive leaning right).
struct SceneText {
    ShapeLook look;
    ScenePoint at;
    double rotation = 0.0;
    double height = 0.0;
    double widthFactor = 1.0;
    double oblique = 0.0;
    TextAnchor anchor = TextAnchor::start;
    TextBaseline baseline = TextBaseline::base;
    double fitLength = 0.0;  // above 0: the text is stretched to this length
    std::wstring text;
    std::wstring style;       // the text style's name
    std::wstring fontFamily;  // what the style's font is called in the picture
};

struct Scene {
    std::vector<ScenePath> paths;
    std::vector<SceneFill> fills;
    std::vector<SceneDot> dots;
    std::vector<SceneText> texts;
    // The box that holds all shapes (texts by their anchor and an estimate of their length).
    bool empty = true;
    ScenePoint low;
    ScenePoint high;

    void include(const ScenePoint& point);
};

}  // namespace rvnhost
