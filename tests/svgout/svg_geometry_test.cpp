// The geometry of a picture, read back in numbers: the page and its transform, lines, polylines
// with arcs and widths, and block references placed through their transforms.
#include "svg_fixture.h"

#include <numbers>

namespace {

using rvntest::SvgDocument;
using rvntest::SvgElement;
using svgtest::expectNumbers;
using svgtest::pathNumbers;
using svgtest::shapeOf;

constexpr double kPi = std::numbers::pi;
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
