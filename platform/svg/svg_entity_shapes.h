// The shapes of one entity, placed on the picture's plane by a map (the transforms of the block
// references it lies in) and drawn with the look its caller resolved.
#pragma once

#include "dbents.h"
#include "svg_geometry.h"
#include "svg_scene.h"

namespace rvnhost {

// What a text style gives a text in the picture.
struct TextFont {
    std::wstring style;
    std::wstring family;
};

// Adds the shapes of a line, a point, a polyline of any kind or a text (attributes included) to
// the scene; false for an entity of another kind, which adds nothing.
bool addEntityShapes(const AcDbEntity& entity, const PlaneMap& map, const ShapeLook& look, const TextFont& font,
                     Scene& scene);

// A text as the picture shows it: "%%d", "%%p" and "%%c" as degree, plus-minus and diameter signs,
// "%%%" as a percent sign; the underline and overline switches "%%u" and "%%o" dropped.
std::wstring shownText(const std::wstring& text);

}  // namespace rvnhost
