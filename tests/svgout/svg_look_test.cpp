// What a picture shows of each entity: texts with their style, height, angle and width factor,
// colours by entity, layer and block reference, hidden layers, the window, colours given in place
// of the entities' own, and the legend.
#include "svg_fixture.h"

#include <numbers>

namespace {

using rvntest::SvgDocument;
using rvntest::SvgElement;
using svgtest::expectNumbers;
using svgtest::kTolerance;
using svgtest::transformOf;
using svgtest::pathNumbers;
using svgtest::shapeOf;
using svgtest::shapesOf;

constexpr double kPi = std::numbers::pi;

class SvgLook : public svgtest::PictureTest {
protected:
    AcDbObjectId addTextStyle(const ACHAR* name, const ACHAR* font) {
        auto* style = new AcDbTextStyleTableRecord;
        style->setFileName(font);
        return rvntest::addRecord<AcDbTextStyleTable>(db_, style, name);
    }

    AcDbObjectId line(double y, int colour = 256, AcDbObjectId layer = AcDbObjectId(), AcDbObjectId block = {}) {
        auto* entity = new AcDbLine({0.0, y, 0.0}, {10.0, y, 0.0});
        entity->setColorIndex(static_cast<Adesk::UInt16>(colour));
        if (!layer.isNull()) entity->setLayer(layer);
        return append(entity, block);
    }
};

TEST_F(SvgLook, TextsKeepTheirPlaceAngleHeightWidthFactorObliqueAndStyle) {
    const AcDbObjectId style = addTextStyle(L"TZ-CART", L"Arial.ttf");
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
    const AcDbObjectId white = line(2.0, 7, blue);
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
    EXPECT_EQ(shapeOf(document, white).at("stroke"), "#000000");  // 7 is black on the white page
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

}  // namespace
