#include "svg_document.h"

#include "svg_geometry.h"
#include "text_codec.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace rvnhost {

namespace {

constexpr double kLegendWidth = 320.0;   // page units beside the drawing
constexpr double kLegendRow = 26.0;
constexpr double kLegendInset = 16.0;
constexpr double kDotRadius = 1.5;       // page units
constexpr double kMarkRadius = 5.0;      // page units, for an emphasised dot
constexpr double kHairline = 1.0;        // page units, for paths without a width
constexpr double kHeavyLine = 3.0;       // page units, for emphasised paths without a width

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", value == 0.0 ? 0.0 : value);
    return text;
}

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

std::string escaped(const std::wstring& text) {
    std::string out;
    for (const char c : rvnos::toUtf8(text)) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (static_cast<unsigned char>(c) < 0x20) out += ' ';
        else out += c;
    }
    return out;
}

// The part of the world the page shows, and how it lies on the page.
struct PageFrame {
    ScenePoint low;
    ScenePoint high;
    double scale = 1.0;  // page units per drawing unit
    double width = 0.0;
    double height = 0.0;

    bool shows(ScenePoint a, ScenePoint b) const {
        return std::max(a.x, b.x) >= low.x && std::min(a.x, b.x) <= high.x && std::max(a.y, b.y) >= low.y &&
               std::min(a.y, b.y) <= high.y;
    }
};

// The window, else the scene's box; a box without width or height gets some, so that it can be shown.
PageFrame frameOf(const Scene& scene, const std::optional<SvgWindow>& window) {
    ScenePoint low{0.0, 0.0};
    ScenePoint high{1.0, 1.0};
    if (window) {
        low = {window->x1, window->y1};
        high = {window->x2, window->y2};
    } else if (!scene.empty) {
        low = scene.low;
        high = scene.high;
    }
    const double side =
        std::max({high.x - low.x, high.y - low.y, 1e-9 * std::max(std::fabs(low.x), std::fabs(low.y)), 1e-9});
    const double thinnest = side * 0.01;
    for (auto [lowEnd, highEnd] : {std::pair{&low.x, &high.x}, std::pair{&low.y, &high.y}}) {
        const double missing = thinnest - (*highEnd - *lowEnd);
        if (missing > 0.0) {
            *lowEnd -= missing / 2.0;
            *highEnd += missing / 2.0;
        }
    }
    const double margin = kSvgMargin * side;
    PageFrame frame{{low.x - margin, low.y - margin}, {high.x + margin, high.y + margin}};
    frame.scale = kSvgPageSide / (std::max(frame.high.x - frame.low.x, frame.high.y - frame.low.y));
    frame.width = (frame.high.x - frame.low.x) * frame.scale;
    frame.height = (frame.high.y - frame.low.y) * frame.scale;
    return frame;
}

std::string lookAttributes(const ShapeLook& look, const char* paint) {
    return std::string(" ") + paint + "=\"" + hexColour(look.colour) + "\" data-layer=\"" + escaped(look.layer) +
           "\" data-handle=\"" + escaped(look.handle) + "\"";
}

std::string pathData(const ScenePath& path) {
    std::string data = "M " + number(path.vertices.front().point.x) + " " + number(path.vertices.front().point.y);
    const std::size_t count = path.closed ? path.vertices.size() : path.vertices.size() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const PathVertex& from = path.vertices[i];
        const ScenePoint& to = path.vertices[(i + 1) % path.vertices.size()].point;
        if (from.bulge == 0.0 || (from.point.x == to.x && from.point.y == to.y)) {
            data += " L " + number(to.x) + " " + number(to.y);
            continue;
        }
        const BulgeArc arc = arcOfBulge(from.point, to, from.bulge);
        // In the drawing's own axes (y up) a positive sweep runs from +x towards +y, as SVG's sweep flag 1 does.
        data += " A " + number(arc.radius) + " " + number(arc.radius) + " 0 " +
                (std::fabs(arc.sweep) > std::numbers::pi ? "1" : "0") + " " + (arc.sweep > 0.0 ? "1" : "0") + " " +
                number(to.x) + " " + number(to.y);
    }
    if (path.closed) data += " Z";
    return data;
}

bool pathShown(const ScenePath& path, const PageFrame& frame) {
    const std::size_t count = path.closed ? path.vertices.size() : path.vertices.size() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const PathVertex& from = path.vertices[i];
        const ScenePoint& to = path.vertices[(i + 1) % path.vertices.size()].point;
        const std::vector<ScenePoint> points = segmentPoints(from.point, to, from.bulge);
        for (std::size_t k = 0; k + 1 < points.size(); ++k) {
            if (frame.shows(points[k], points[k + 1])) return true;
        }
    }
    return false;
}

// A path without a width is drawn as thin as the page allows, whatever the drawing's scale.
std::string pathElement(const ScenePath& path, const PageFrame& frame) {
    const double thinnest = (path.look.emphasised ? kHeavyLine : kHairline) / frame.scale;
    const std::string width = path.width > 0.0 ? " stroke-width=\"" + number(path.width) +
                                                     "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\""
                                               : " stroke-width=\"" + number(thinnest) + "\"";
    return "<path d=\"" + pathData(path) + "\"" + lookAttributes(path.look, "stroke") + width + "/>\n";
}

std::string fillElement(const SceneFill& fill) {
    std::string points;
    for (const ScenePoint& point : fill.outline)
        points += (points.empty() ? "" : " ") + number(point.x) + "," + number(point.y);
    return "<polygon points=\"" + points + "\"" + lookAttributes(fill.look, "fill") + " stroke=\"none\"/>\n";
}

std::string dotElement(const SceneDot& dot, const PageFrame& frame) {
    return "<circle cx=\"" + number(dot.at.x) + "\" cy=\"" + number(dot.at.y) + "\" r=\"" +
           number((dot.look.emphasised ? kMarkRadius : kDotRadius) / frame.scale) + "\"" +
           lookAttributes(dot.look, "fill") + "/>\n";
}

std::string textElement(const SceneText& text) {
    static constexpr const char* kAnchors[] = {"start", "middle", "end"};
    static constexpr const char* kBaselines[] = {"alphabetic", "text-after-edge", "central", "text-before-edge"};
    // Turned in the drawing's axes, then turned over so that the letters stand upright on the page.
    std::string element = "<text transform=\"translate(" + number(text.at.x) + " " + number(text.at.y) + ") rotate(" +
                          number(degrees(text.rotation)) + ") scale(" + number(text.widthFactor) + " -1)";
    if (text.oblique != 0.0) element += " skewX(" + number(-degrees(text.oblique)) + ")";
    element += "\" font-size=\"" + number(text.height / kSvgCapitalHeight) + "\" font-family=\"" +
               escaped(text.fontFamily) + "\" text-anchor=\"" + kAnchors[static_cast<int>(text.anchor)] +
               "\" dominant-baseline=\"" + kBaselines[static_cast<int>(text.baseline)] + "\"";
    if (text.fitLength > 0.0) {
        element +=
            " textLength=\"" + number(text.fitLength / text.widthFactor) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    }
    return element + lookAttributes(text.look, "fill") + " data-style=\"" + escaped(text.style) + "\">" +
           escaped(text.text) + "</text>\n";
}

std::string drawingGroup(const Scene& scene, const PageFrame& frame) {
    // The drawing stops at the edge of its part of the page, short of the legend.
    std::string group = "<clipPath id=\"page\"><rect x=\"0\" y=\"0\" width=\"" + number(frame.width) +
                        "\" height=\"" + number(frame.height) + "\"/></clipPath>\n<g clip-path=\"url(#page)\">\n";
    group += "<g id=\"drawing\" transform=\"matrix(" + number(frame.scale) + " 0 0 " + number(-frame.scale) + " " +
             number(-frame.low.x * frame.scale) + " " + number(frame.high.y * frame.scale) +
             ")\" fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const SceneFill& fill : scene.fills) {
        const bool shown =
            std::any_of(fill.outline.begin(), fill.outline.end(), [&](const ScenePoint& p) { return frame.shows(p, p); });
        if (shown) group += fillElement(fill);
    }
    for (const ScenePath& path : scene.paths) {
        if (pathShown(path, frame)) group += pathElement(path, frame);
    }
    for (const SceneDot& dot : scene.dots) {
        if (frame.shows(dot.at, dot.at)) group += dotElement(dot, frame);
    }
    for (const SceneText& text : scene.texts) {
        if (frame.shows(text.at, text.at)) group += textElement(text);
    }
    return group + "</g>\n</g>\n";
}

std::string legendGroup(const SvgLegend& legend, double left) {
    std::string group = "<g id=\"legend\" font-family=\"sans-serif\" font-size=\"14\">\n";
    double y = kLegendInset + kLegendRow / 2.0;
    group += "<text x=\"" + number(left) + "\" y=\"" + number(y) + "\" font-weight=\"bold\">" + escaped(legend.title) +
             "</text>\n";
    for (const LegendRow& row : legend.rows) {
        y += kLegendRow;
        group += "<rect x=\"" + number(left) + "\" y=\"" + number(y - 12.0) + "\" width=\"16\" height=\"16\" fill=\"" +
                 hexColour(row.colour) + "\" stroke=\"#000000\"/>\n";
        group += "<text x=\"" + number(left + 24.0) + "\" y=\"" + number(y + 1.0) + "\">" + escaped(row.label) +
                 "</text>\n";
    }
    return group + "</g>\n";
}

}  // namespace

std::string svgDocument(const Scene& scene, const std::optional<SvgWindow>& window, const SvgLegend& legend) {
    const PageFrame frame = frameOf(scene, window);
    const bool hasLegend = !legend.rows.empty();
    const double width = frame.width + (hasLegend ? kLegendWidth : 0.0);
    const double height =
        std::max(frame.height, hasLegend ? 2.0 * kLegendInset + kLegendRow * (legend.rows.size() + 1.0) : 0.0);
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width) + "\" height=\"" +
                           number(height) + "\" viewBox=\"0 0 " + number(width) + " " + number(height) + "\">\n";
    document += "<rect x=\"0\" y=\"0\" width=\"" + number(width) + "\" height=\"" + number(height) +
                "\" fill=\"#ffffff\"/>\n";
    document += drawingGroup(scene, frame);
    if (hasLegend) document += legendGroup(legend, frame.width + kLegendInset);
    return document + "</svg>\n";
}

}  // namespace rvnhost
