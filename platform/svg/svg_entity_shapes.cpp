#include "svg_entity_shapes.h"

#include "svg_polyline_shapes.h"

#include <cmath>
#include <cwctype>
#include <memory>
#include <numbers>

namespace rvnhost {

namespace {

// Seen from above, a plane whose normal points down shows its arcs turning the other way.
double bulgeSeenFromAbove(double bulge, const AcGeVector3d& normal) { return normal.z < 0.0 ? -bulge : bulge; }

void addLine(const AcDbLine& line, const PlaneMap& map, const ShapeLook& look, Scene& scene) {
    addPolylineShapes({{line.startPoint()}, {line.endPoint()}}, false, map, look, scene);
}

void addPoint(const AcDbPoint& point, const PlaneMap& map, const ShapeLook& look, Scene& scene) {
    scene.dots.push_back({look, map.place(point.position())});
    scene.include(scene.dots.back().at);
}

void addLightweightPolyline(const AcDbPolyline& polyline, const PlaneMap& map, const ShapeLook& look, Scene& scene) {
    std::vector<WideVertex> vertices(polyline.numVerts());
    for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
        WideVertex& vertex = vertices[i];
        polyline.getPointAt(i, vertex.point);
        polyline.getBulgeAt(i, vertex.bulge);
        polyline.getWidthsAt(i, vertex.startWidth, vertex.endWidth);
        vertex.bulge = bulgeSeenFromAbove(vertex.bulge, polyline.normal());
    }
    addPolylineShapes(vertices, polyline.isClosed(), map, look, scene);
}

// The path of a curve the host computes (3D polylines, fitted 2D ones), without widths.
void addPathPoints(const AcDbCurve& curve, const PlaneMap& map, const ShapeLook& look, Scene& scene) {
    std::vector<WideVertex> vertices;
    for (const AcGePoint3d& point : curve.pathPoints()) vertices.push_back({point});
    addPolylineShapes(vertices, false, map, look, scene);
}

// A simple 2D polyline vertex by vertex; a vertex without widths takes the polyline's defaults.
void add2dPolyline(const AcDb2dPolyline& polyline, const PlaneMap& map, const ShapeLook& look, Scene& scene) {
    if (polyline.polyType() != AcDb::k2dSimplePoly) {
        addPathPoints(polyline, map, look, scene);
        return;
    }
    std::vector<WideVertex> vertices;
    std::unique_ptr<AcDbObjectIterator> iterator(polyline.vertexIterator());
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDb2dVertex* vertex = nullptr;
        if (polyline.openVertex(vertex, iterator->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        const bool ownWidths = vertex->startWidth() != 0.0 || vertex->endWidth() != 0.0;
        vertices.push_back({polyline.vertexPosition(*vertex), bulgeSeenFromAbove(vertex->bulge(), polyline.normal()),
                            ownWidths ? vertex->startWidth() : polyline.defaultStartWidth(),
                            ownWidths ? vertex->endWidth() : polyline.defaultEndWidth()});
        vertex->close();
    }
    addPolylineShapes(vertices, polyline.isClosed(), map, look, scene);
}

// Where the text hangs: on its start point for the left baseline, between its two points for the
// aligned and fitted ones, else on its alignment point.
void placeText(const AcDbText& text, const PlaneMap& map, SceneText& shown) {
    static constexpr TextAnchor kAnchors[] = {TextAnchor::start,  TextAnchor::middle, TextAnchor::end,
                                              TextAnchor::start,  TextAnchor::middle, TextAnchor::start};
    static constexpr TextBaseline kBaselines[] = {TextBaseline::base, TextBaseline::bottom, TextBaseline::middle,
                                                  TextBaseline::top};
    const AcDb::TextHorzMode horizontal = text.horizontalMode();
    const bool betweenPoints = horizontal == AcDb::kTextAlign || horizontal == AcDb::kTextFit;
    const bool onStart = text.isDefaultAlignment() || betweenPoints;
    shown.at = map.place(onStart ? text.position() : text.alignmentPoint());
    shown.anchor = kAnchors[horizontal];
    shown.baseline = horizontal == AcDb::kTextMid ? TextBaseline::middle : kBaselines[text.verticalMode()];
    if (betweenPoints) {
        const ScenePoint end = map.place(text.alignmentPoint());
        shown.fitLength = std::hypot(end.x - shown.at.x, end.y - shown.at.y);
    }
}

void addText(const AcDbText& text, const std::wstring& content, const PlaneMap& map, const ShapeLook& look,
             const TextFont& font, Scene& scene) {
    SceneText shown;
    shown.look = look;
    placeText(text, map, shown);
    double alongScale = 1.0;
    double acrossScale = 1.0;
    shown.rotation = map.direction(text.rotation(), &alongScale);
    map.direction(text.rotation() + std::numbers::pi / 2.0, &acrossScale);
    shown.height = text.height() * acrossScale;
    shown.widthFactor = text.widthFactor() * alongScale / acrossScale;
    shown.oblique = text.oblique();
    shown.text = shownText(content);
    shown.style = font.style;
    shown.fontFamily = font.family;
    // The box of the text: each character about as wide as its height.
    const double length = shown.fitLength > 0.0
                              ? shown.fitLength
                              : shown.height * shown.widthFactor * static_cast<double>(shown.text.size());
    const double shift = shown.anchor == TextAnchor::start ? 0.0 : shown.anchor == TextAnchor::middle ? -0.5 : -1.0;
    const double c = std::cos(shown.rotation);
    const double s = std::sin(shown.rotation);
    const ScenePoint start{shown.at.x + shift * length * c, shown.at.y + shift * length * s};
    scene.include(start);
    scene.include({start.x + length * c, start.y + length * s});
    scene.include({start.x - shown.height * s, start.y + shown.height * c});
    scene.texts.push_back(std::move(shown));
}

}  // namespace

bool addEntityShapes(const AcDbEntity& entity, const PlaneMap& map, const ShapeLook& look, const TextFont& font,
                     Scene& scene) {
    if (const AcDbLine* line = AcDbLine::cast(&entity)) {
        addLine(*line, map, look, scene);
    } else if (const AcDbPolyline* polyline = AcDbPolyline::cast(&entity)) {
        addLightweightPolyline(*polyline, map, look, scene);
    } else if (const AcDb2dPolyline* polyline2d = AcDb2dPolyline::cast(&entity)) {
        add2dPolyline(*polyline2d, map, look, scene);
    } else if (const AcDb3dPolyline* polyline3d = AcDb3dPolyline::cast(&entity)) {
        addPathPoints(*polyline3d, map, look, scene);
    } else if (const AcDbPoint* point = AcDbPoint::cast(&entity)) {
        addPoint(*point, map, look, scene);
    } else if (const AcDbAttributeDefinition* definition = AcDbAttributeDefinition::cast(&entity)) {
        // Outside a block a definition shows its tag.
        addText(*definition, definition->tagConst(), map, look, font, scene);
    } else if (const AcDbText* text = AcDbText::cast(&entity)) {
        addText(*text, text->textStringConst(), map, look, font, scene);
    } else {
        return false;
    }
    return true;
}

std::wstring shownText(const std::wstring& text) {
    std::wstring shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 2, L"%%") != 0 || at + 2 >= text.size()) {
            shown += text[at];
            continue;
        }
        const wchar_t code = static_cast<wchar_t>(std::towlower(text[at + 2]));
        if (code == L'd') shown += L'\u00B0';
        else if (code == L'p') shown += L'\u00B1';
        else if (code == L'c') shown += L'\u2300';
        else if (code == L'%') shown += L'%';
        else if (code != L'u' && code != L'o') shown += text.substr(at, 3);
        at += 2;
    }
    return shown;
}

}  // namespace rvnhost
