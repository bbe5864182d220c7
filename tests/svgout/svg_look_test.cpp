// What a picture shows of each entity: the page and its transform, lines, polylines with arcs and
// widths, block references placed through their transforms; texts with their style, height, angle
// and width factor, colours by entity, layer and block reference, hidden layers, the window, colours
// given in place of the entities' own, and the legend.
#include "svg_fixture.h"

#include <numbers>

namespace {

using namespace rvntest;
using namespace svgtest;

constexpr double kPi = std::numbers::pi;

class SvgLook : public svgtest::PictureTest {
protected:
    AcDbObjectId line(double y, int colour = 256, AcDbObjectId layer = AcDbObjectId(), AcDbObjectId block = {}) {
        auto* entity = new AcDbLine({0.0, y, 0.0}, {10.0, y, 0.0});
        entity->setColorIndex(static_cast<Adesk::UInt16>(colour));
        if (!layer.isNull()) entity->setLayer(layer);
        return append(entity, block);
    }
};

TEST_F(SvgLook, TextsKeepTheirPlaceAngleHeightWidthFactorObliqueAndStyle) {
    auto* record = new AcDbTextStyleTableRecord;
    record->setFileName(L"Arial.ttf");
    const AcDbObjectId style = rvntest::addRecord<AcDbTextStyleTable>(db_, record, L"TZ-CART");
    auto* label = new AcDbText({5.0, 6.0, 0.0}, L"DN %%c200 & <3>", style, 2.5, kPi / 6.0);
    label->setWidthFactor(0.8);
    label->setOblique(kPi / 12.0);
    const AcDbObjectId text = append(label);
    auto* centred = new AcDbText({0.0, 0.0, 0.0}, L"mezzo");
    centred->setHorizontalMode(AcDb::kTextCenter);
    centred->setAlignmentPoint({20.0, 5.0, 0.0});
    const AcDbObjectId middle = append(centred);
    const SvgDocument document = draw();

    const SvgElement shown = shapeOf(document, text);
    EXPECT_EQ(shown.text, "DN \u2300200 & <3>");
    // Turned over for the page's y, and as wide as the factor says.
    const auto [steps, numbers] = transformOf(shown);
    EXPECT_EQ(steps, (std::vector<std::string>{"translate", "rotate", "scale", "skewX"}));
    expectNumbers(numbers, {5.0, 6.0, 30.0, 0.8, -1.0, -15.0});
    EXPECT_NEAR(shown.number("font-size") * rvnhost::kSvgCapitalHeight, 2.5, kTolerance);
    EXPECT_EQ(shown.at("data-style"), "TZ-CART");
    EXPECT_EQ(shown.at("font-family"), "arial, sans-serif");
    EXPECT_EQ(shown.at("text-anchor"), "start");

    const SvgElement centre = shapeOf(document, middle);
    EXPECT_EQ(transformOf(centre).second, (std::vector<double>{20.0, 5.0, 0.0, 1.0, -1.0}));
    EXPECT_EQ(centre.at("text-anchor"), "middle");
    EXPECT_EQ(centre.at("data-style"), "Standard");
}

TEST_F(SvgLook, TextsOfBlocksAndAttributesFollowTheReference) {
    const AcDbObjectId block = addBlock(L"NODO");
    append(new AcDbText({1.0, 0.0, 0.0}, L"fisso", AcDbObjectId(), 1.0, 0.0), block);
    append(new AcDbAttributeDefinition({1.0, 1.0, 0.0}, L"", L"NOME", L"Nome"), block);
    auto* reference = new AcDbBlockReference({10.0, 10.0, 0.0}, block);
    reference->setRotation(kPi / 2.0);
    reference->setScaleFactors(AcGeScale3d(2.0));
    reference->setColorIndex(1);
    auto* name = new AcDbAttribute({8.0, 12.0, 0.0}, L"N7", L"NOME");
    name->setHeight(0.5);
    name->setColorIndex(0);
    reference->appendAttribute(name);
    auto* hidden = new AcDbAttribute({8.0, 14.0, 0.0}, L"segreto", L"NASCOSTO");
    hidden->setInvisible(true);
    reference->appendAttribute(hidden);
    const AcDbObjectId node = append(reference);
    const SvgDocument document = draw();

    // The block's own text: at (1,0) of the block, turned a quarter and doubled; the definition is no text.
    const SvgElement fixed = shapeOf(document, node);
    EXPECT_EQ(fixed.text, "fisso");
    expectNumbers(transformOf(fixed).second, {10.0, 12.0, 90.0, 1.0, -1.0});
    EXPECT_NEAR(fixed.number("font-size") * rvnhost::kSvgCapitalHeight, 2.0, kTolerance);
    // The visible attribute where its reference put it, BYBLOCK in the reference's red.
    std::vector<SvgElement> texts = document.all("text");
    ASSERT_EQ(texts.size(), 2u);
    const SvgElement& attribute = texts[1];
    EXPECT_EQ(attribute.text, "N7");
    EXPECT_EQ(rvntest::readTransformSteps(attribute.at("transform"))[0].second, (std::vector<double>{8.0, 12.0}));
    EXPECT_EQ(attribute.at("fill"), "#ff0000");
}

TEST_F(SvgLook, ColoursComeFromTheEntityTheLayerOrTheBlockReference) {
    const AcDbObjectId blue = addLayer(L"Blu", 5);
    const AcDbObjectId green = addLayer(L"Verde", 3);
    const AcDbObjectId ownColour = line(0.0, 1, blue);
    const AcDbObjectId byLayer = line(1.0, 256, blue);
    const AcDbObjectId zeroLayer = line(3.0);
    // In a block: BYBLOCK takes the reference's colour, layer "0" the reference's layer.
    const AcDbObjectId block = addBlock(L"B");
    line(0.0, 0, AcDbObjectId(), block);
    line(1.0, 256, AcDbObjectId(), block);
    line(2.0, 256, blue, block);
    auto* reference = new AcDbBlockReference({0.0, 10.0, 0.0}, block);
    reference->setColorIndex(30);
    reference->setLayer(green);
    const AcDbObjectId inserted = append(reference);
    const SvgDocument document = draw();

    EXPECT_EQ(shapeOf(document, ownColour).at("stroke"), "#ff0000");
    EXPECT_EQ(shapeOf(document, byLayer).at("stroke"), "#0000ff");
    EXPECT_EQ(shapeOf(document, zeroLayer).at("stroke"), "#000000");
    const std::vector<SvgElement> parts = shapesOf(document, inserted);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].at("stroke"), rvnhost::hexColour(rvnhost::aciColour(30)));
    EXPECT_EQ(parts[1].at("stroke"), "#00ff00");
    EXPECT_EQ(parts[1].at("data-layer"), "Verde");
    EXPECT_EQ(parts[2].at("stroke"), "#0000ff");
    EXPECT_EQ(parts[2].at("data-layer"), "Blu");
}

TEST(AciPalette, GivesThePrimariesGreysAndShadesOfTheHues) {
    // 30 is a hue of 30 degrees, 150 one of 210.
    const std::pair<int, const char*> colours[] = {{1, "#ff0000"},   {3, "#00ff00"},   {5, "#0000ff"},
                                                   {7, "#000000"},   {8, "#808080"},   {10, "#ff0000"},
                                                   {12, "#cc0000"},  {30, "#ff8000"},  {150, "#0080ff"},
                                                   {250, "#333333"}, {255, "#ffffff"}};
    for (const auto& [index, hex] : colours) EXPECT_EQ(rvnhost::hexColour(rvnhost::aciColour(index)), hex) << index;
    EXPECT_EQ(rvnhost::hexColour(rvnhost::colourOfColorref(0x00FF8040)), "#4080ff");
}

TEST_F(SvgLook, FrozenAndOffLayersAreNotDrawn) {
    const AcDbObjectId off = addLayer(L"Spento", 1, true, false);
    const AcDbObjectId frozen = addLayer(L"Gelato", 1, false, true);
    const AcDbObjectId shown = line(0.0);
    line(1.0, 256, off);
    line(2.0, 256, frozen);
    const AcDbObjectId block = addBlock(L"B");
    line(0.0, 256, frozen, block);
    line(1.0, 256, AcDbObjectId(), block);
    const AcDbObjectId partly = append(new AcDbBlockReference({0.0, 10.0, 0.0}, block));
    auto* onFrozen = new AcDbBlockReference({0.0, 20.0, 0.0}, block);
    onFrozen->setLayer(frozen);
    append(onFrozen);
    const SvgDocument document = draw();

    const std::vector<SvgElement> paths = document.all("path");
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].at("data-handle"), rvnos::toUtf8(shown.handle().text()));
    EXPECT_EQ(pathNumbers(shapeOf(document, partly)), (std::vector<double>{0.0, 11.0, 10.0, 11.0}));
}

TEST_F(SvgLook, TheWindowIsThePageAndWhatLiesOutsideIsLeftOut) {
    const AcDbObjectId inside = append(new AcDbLine({0.0, 0.0, 0.0}, {1.0, 1.0, 0.0}));
    const AcDbObjectId crossing = append(new AcDbLine({-5.0, 0.5, 0.0}, {5.0, 0.5, 0.0}));
    const AcDbObjectId outside = append(new AcDbLine({100.0, 100.0, 0.0}, {101.0, 101.0, 0.0}));
    rvnhost::SvgPicture picture;
    picture.window = rvnhost::SvgWindow{-1.0, -1.0, 2.0, 2.0};
    const SvgDocument document = draw(picture);

    EXPECT_EQ(shapesOf(document, inside).size(), 1u);
    EXPECT_EQ(shapesOf(document, crossing).size(), 1u);
    EXPECT_TRUE(shapesOf(document, outside).empty());
    const rvntest::SvgMatrix matrix = rvntest::readMatrix(document.find("id", "drawing")->at("transform"));
    const double margin = rvnhost::kSvgMargin * 3.0;
    const double low = -1.0 - margin, high = 2.0 + margin;
    expectNumbers({matrix.x(low, high), matrix.y(low, high), matrix.x(high, low), matrix.y(high, low)},
                  {0.0, 0.0, rvnhost::kSvgPageSide, rvnhost::kSvgPageSide}, 1e-8);
}

TEST_F(SvgLook, GivenColoursReplaceAReferencesOwnButNotItsAttributesAndALegendExplainsThem) {
    const AcDbObjectId block = addBlock(L"NODO");
    line(0.0, 0, AcDbObjectId(), block);
    auto* reference = new AcDbBlockReference({0.0, 0.0, 0.0}, block);
    reference->setColorIndex(3);
    auto* attribute = new AcDbAttribute({0.0, 1.0, 0.0}, L"N1", L"NOME");
    attribute->setColorIndex(0);
    reference->appendAttribute(attribute);
    const AcDbObjectId node = append(reference);
    const AcDbObjectId branch = line(5.0, 4);
    const AcDbObjectId plain = line(8.0, 4);
    rvnhost::SvgPicture picture;
    picture.colours[node] = {255, 0, 0};
    picture.colours[branch] = {0, 0, 255};
    picture.legend = {L"Rete \"a\"", {{{255, 0, 0}, L"h < hmin"}, {{0, 0, 255}, L"V > Vmax"}}};
    const SvgDocument document = draw(picture);

    // The symbol's line and a mark at its insertion point in the given colour, drawn heavier.
    const std::vector<SvgElement> symbol = shapesOf(document, node);
    ASSERT_EQ(symbol.size(), 2u);
    for (const SvgElement& shape : symbol) EXPECT_EQ(shape.at(shape.name == "circle" ? "fill" : "stroke"), "#ff0000");
    EXPECT_EQ(document.all("text").front().at("fill"), "#00ff00");  // BYBLOCK: the reference's own green
    EXPECT_EQ(shapeOf(document, branch).at("stroke"), "#0000ff");
    EXPECT_GT(shapeOf(document, branch).number("stroke-width"), shapeOf(document, plain).number("stroke-width"));
    EXPECT_EQ(shapeOf(document, plain).at("stroke"), "#00ffff");

    const SvgElement* legend = document.find("id", "legend");
    ASSERT_NE(legend, nullptr);
    const std::vector<SvgElement> swatches = document.all("rect");
    ASSERT_EQ(swatches.size(), 4u);  // the page, its clip and the two swatches
    EXPECT_EQ(swatches[2].at("fill"), "#ff0000");
    EXPECT_EQ(swatches[3].at("fill"), "#0000ff");
    const std::vector<SvgElement> texts = document.all("text");
    EXPECT_EQ(texts[texts.size() - 3].text, "Rete \"a\"");
    EXPECT_EQ(texts[texts.size() - 1].text, "V > Vmax");
    // The legend stands beside the drawing, which stops short of it.
    EXPECT_GT(document.elements.front().number("width"), rvnhost::kSvgPageSide);
    EXPECT_NEAR(swatches[1].number("width"), rvnhost::kSvgPageSide, 1e-9);
}

// Numbers of the page (its size, its transform) are written with twelve significant digits.
constexpr double kPageTolerance = 1e-8;

// The transform of the drawing's group: world coordinates to the page.
rvntest::SvgMatrix drawingMatrix(const SvgDocument& document) {
    const SvgElement* group = document.find("id", "drawing");
    EXPECT_NE(group, nullptr);
    return group ? rvntest::readMatrix(group->at("transform")) : rvntest::SvgMatrix{};
}

// A lightweight polyline of (x, y, bulge, start width, end width) rows.
AcDbPolyline* lightweight(std::initializer_list<std::array<double, 5>> rows, bool closed = false) {
    auto* polyline = new AcDbPolyline;
    unsigned int index = 0;
    for (const auto& row : rows) polyline->addVertexAt(index++, {row[0], row[1]}, row[2], row[3], row[4]);
    polyline->setClosed(closed);
    return polyline;
}

class SvgGeometry : public svgtest::PictureTest {};

TEST_F(SvgGeometry, TheLineKeepsItsNumbersAndThePageFitsItWithAMargin) {
    const AcDbObjectId line = append(new AcDbLine({1.0, 2.0, 0.0}, {11.0, 7.0, 3.0}));
    const SvgDocument document = draw();
    EXPECT_EQ(pathNumbers(shapeOf(document, line)), (std::vector<double>{1.0, 2.0, 11.0, 7.0}));

    // The extents are 10 by 5; the margin is a share of the longer side on each side.
    const double margin = rvnhost::kSvgMargin * 10.0;
    const double scale = rvnhost::kSvgPageSide / (10.0 + 2.0 * margin);
    const SvgElement& svg = document.elements.front();
    EXPECT_NEAR(svg.number("width"), rvnhost::kSvgPageSide, kPageTolerance);
    EXPECT_NEAR(svg.number("height"), (5.0 + 2.0 * margin) * scale, kPageTolerance);
    // y grows up in the drawing and down on the page: the top left corner of the extents with its
    // margin is the page's origin, the bottom right its far corner.
    const rvntest::SvgMatrix matrix = drawingMatrix(document);
    expectNumbers({matrix.x(1.0 - margin, 7.0 + margin), matrix.y(1.0 - margin, 7.0 + margin),
                   matrix.x(11.0 + margin, 2.0 - margin), matrix.y(11.0 + margin, 2.0 - margin), matrix.a, matrix.d},
                  {0.0, 0.0, svg.number("width"), svg.number("height"), scale, -scale}, kPageTolerance);
}

TEST_F(SvgGeometry, BulgesBecomeArcsOfTheirRadiusAndSweep) {
    const AcDbObjectId half = append(lightweight({{0, 0, 1, 0, 0}, {10, 0, 0, 0, 0}}));
    const AcDbObjectId large = append(lightweight({{0, 20, 2, 0, 0}, {10, 20, 0, 0, 0}}));
    const AcDbObjectId clockwise = append(lightweight({{0, 40, -0.5, 0, 0}, {10, 40, 0, 0, 0}}));
    const AcDbObjectId circle = append(lightweight({{0, 60, 1, 0, 0}, {10, 60, 1, 0, 0}}, true));
    const SvgDocument document = draw();

    struct Expected {
        AcDbObjectId id;
        double radius;
        double largeArc;
        double counterClockwise;
    };
    // Radius: chord (1 + b^2) / 4|b|; the angle 4 atan(b) is above half a turn for b > 1.
    for (const Expected& expected : {Expected{half, 5.0, 0, 1}, Expected{large, 6.25, 1, 1},
                                     Expected{clockwise, 6.25, 0, 0}}) {
        const std::vector<rvntest::PathCommand> commands =
            rvntest::readPathData(shapeOf(document, expected.id).at("d"));
        ASSERT_EQ(commands.size(), 2u);
        ASSERT_EQ(commands[1].letter, 'A');
        expectNumbers(commands[1].values,
                      {expected.radius, expected.radius, 0.0, expected.largeArc, expected.counterClockwise, 10.0,
                       commands[0].values[1]});
    }
    // Two half circles close the circle.
    const std::vector<rvntest::PathCommand> round = rvntest::readPathData(shapeOf(document, circle).at("d"));
    ASSERT_EQ(round.size(), 4u);
    EXPECT_EQ(std::string() + round[0].letter + round[1].letter + round[2].letter + round[3].letter, "MAAZ");
    expectNumbers(round[2].values, {5.0, 5.0, 0.0, 0.0, 1.0, 0.0, 60.0});

    // The first arc turns counter-clockwise from (0, 0) to (10, 0): it dips to y = -5, which the
    // page holds (the bottom edge is 5 below it plus the margin).
    const rvntest::SvgMatrix matrix = drawingMatrix(document);
    const double side = 70.0;  // from y = -5 to the top of the circle at 65
    EXPECT_NEAR(matrix.y(0.0, -5.0 - rvnhost::kSvgMargin * side), document.elements.front().number("height"), 1e-6);
}

TEST_F(SvgGeometry, WidthsAreStrokesOrTaperedOutlines) {
    AcDbPolyline* wide = lightweight({{0, 0, 0, 0, 0}, {10, 0, 0, 0, 0}, {10, 10, 0, 0, 0}});
    wide->setConstantWidth(0.5);
    const AcDbObjectId constant = append(wide);
    const AcDbObjectId tapered = append(lightweight({{0, 20, 0, 0, 2}, {10, 20, 0, 0, 0}}));
    const AcDbObjectId thin = append(lightweight({{0, 30, 0, 0, 0}, {10, 30, 0, 0, 0}}));
    const SvgDocument document = draw();

    const SvgElement stroke = shapeOf(document, constant);
    EXPECT_EQ(std::pair(stroke.name, stroke.number("stroke-width")), std::pair(std::string("path"), 0.5));
    EXPECT_EQ(pathNumbers(stroke), (std::vector<double>{0, 0, 10, 0, 10, 10}));
    // From no width to 2: a triangle from the start point to 1 either side of the end point.
    const SvgElement outline = shapeOf(document, tapered);
    EXPECT_EQ(outline.name, "polygon");
    EXPECT_EQ(rvntest::numbersIn(outline.at("points")), (std::vector<double>{0, 20, 10, 21, 10, 19, 0, 20}));
    // Without a width the line is one page unit wide, whatever the scale.
    const SvgElement hairline = shapeOf(document, thin);
    EXPECT_NEAR(hairline.number("stroke-width") * drawingMatrix(document).a, 1.0, kPageTolerance);
}

TEST_F(SvgGeometry, TwoAndThreeDimensionalPolylinesAreSeenFromAbove) {
    auto* flat = new AcDb2dPolyline;
    flat->appendVertex(new AcDb2dVertex({0.0, 0.0, 0.0}, 1.0));
    flat->appendVertex(new AcDb2dVertex({10.0, 0.0, 0.0}));
    // Its plane faces down: seen from above its x runs the other way and the arc turns clockwise.
    flat->setNormal({0.0, 0.0, -1.0});
    const AcDbObjectId facingDown = append(flat);
    auto* pipe = new AcDb3dPolyline(AcDb::k3dSimplePoly, {{20, 0, 5}, {30, 0, 7}, {30, 10, 9}});
    const AcDbObjectId branch = append(pipe);
    const SvgDocument document = draw();

    const std::vector<rvntest::PathCommand> arc = rvntest::readPathData(shapeOf(document, facingDown).at("d"));
    ASSERT_EQ(arc.size(), 2u);
    expectNumbers(arc[0].values, {0.0, 0.0});
    expectNumbers(arc[1].values, {5.0, 5.0, 0.0, 0.0, 0.0, -10.0, 0.0});
    EXPECT_EQ(pathNumbers(shapeOf(document, branch)), (std::vector<double>{20, 0, 30, 0, 30, 10}));
}

TEST_F(SvgGeometry, BlockReferencesPlaceTheirEntitiesThroughTheirTransforms) {
    const AcDbObjectId symbol = addBlock(L"SIMBOLO", {1.0, 1.0, 0.0});
    append(new AcDbLine({1.0, 1.0, 0.0}, {3.0, 1.0, 0.0}), symbol);
    auto* turned = new AcDbBlockReference({10.0, 20.0, 0.0}, symbol);
    turned->setRotation(kPi / 2.0);
    turned->setScaleFactors(AcGeScale3d(2.0));
    const AcDbObjectId single = append(turned);

    // A block holding a reference of the first, placed three times larger.
    const AcDbObjectId group = addBlock(L"GRUPPO");
    append(new AcDbBlockReference({5.0, 0.0, 0.0}, symbol), group);
    auto* nested = new AcDbBlockReference({100.0, 0.0, 0.0}, group);
    nested->setScaleFactors(AcGeScale3d(3.0));
    const AcDbObjectId outer = append(nested);
    const SvgDocument document = draw();

    // (1,1) is the block's origin: (3,1) lies 2 along x, scaled 2 and turned a quarter.
    expectNumbers(pathNumbers(shapeOf(document, single)), {10.0, 20.0, 10.0, 24.0});
    expectNumbers(pathNumbers(shapeOf(document, outer)), {115.0, 0.0, 121.0, 0.0});
}

TEST_F(SvgGeometry, MirroredBlocksTurnTheirArcsAndStretchedOnesDrawThemAsChords) {
    const AcDbObjectId block = addBlock(L"ARCO");
    append(lightweight({{0, 0, 1, 0, 0}, {10, 0, 0, 0, 0}}), block);
    auto* mirror = new AcDbBlockReference({0.0, 0.0, 0.0}, block);
    mirror->setScaleFactors(AcGeScale3d(-1.0, 1.0, 1.0));
    const AcDbObjectId mirrored = append(mirror);
    auto* stretch = new AcDbBlockReference({0.0, 50.0, 0.0}, block);
    stretch->setScaleFactors(AcGeScale3d(2.0, 1.0, 1.0));
    const AcDbObjectId stretched = append(stretch);
    const SvgDocument document = draw();

    const std::vector<rvntest::PathCommand> arc = rvntest::readPathData(shapeOf(document, mirrored).at("d"));
    ASSERT_EQ(arc.size(), 2u);
    expectNumbers(arc[1].values, {5.0, 5.0, 0.0, 0.0, 0.0, -10.0, 0.0});  // clockwise now
    // Half an ellipse 20 wide and 5 deep, as chords whose points lie on it.
    const std::vector<rvntest::PathCommand> chords = rvntest::readPathData(shapeOf(document, stretched).at("d"));
    ASSERT_GT(chords.size(), 10u);
    for (const rvntest::PathCommand& command : chords) {
        ASSERT_TRUE(command.letter == 'M' || command.letter == 'L');
        const double x = (command.values[0] - 10.0) / 10.0;
        const double y = (command.values[1] - 50.0) / 5.0;
        EXPECT_NEAR(x * x + y * y, 1.0, 1e-9);
        EXPECT_LE(y, 1e-9);
    }
}

}  // namespace
