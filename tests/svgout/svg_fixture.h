// The entity tests' drawing, drawn as a picture and read back; every test also checks that it left
// no object open.
#pragma once

#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "svg_picture.h"
#include "svg_reader.h"
#include "text_codec.h"

#include <cmath>

namespace svgtest {

class PictureTest : public enttest::DrawingTest {
protected:
    AcDbObjectId addLayer(const ACHAR* name, int colour, bool off = false, bool frozen = false) {
        const AcDbObjectId id = DrawingTest::addLayer(name, off, frozen);
        const rvnhost::OpenedObject<AcDbLayerTableRecord> layer(id, AcDb::kForWrite);
        EXPECT_TRUE(layer);
        if (layer) layer->setColorIndex(static_cast<Adesk::Int16>(colour));
        return id;
    }

    // The picture of model space, parsed; a picture that cannot be made or read fails the test.
    rvntest::SvgDocument draw(const rvnhost::SvgPicture& picture = {}) {
        std::string text;
        std::wstring message;
        EXPECT_TRUE(rvnhost::drawModelSpace(db_, picture, text, message));
        rvntest::SvgDocument document = rvntest::readSvg(text);
        EXPECT_EQ(document.error, "");
        return document;
    }
};

// The shapes drawn for the entity with that handle.
inline std::vector<rvntest::SvgElement> shapesOf(const rvntest::SvgDocument& document, AcDbObjectId id) {
    std::vector<rvntest::SvgElement> shapes;
    const std::string handle = rvnos::toUtf8(id.handle().text());
    for (const rvntest::SvgElement& element : document.elements) {
        if (element.at("data-handle") == handle && element.has("data-handle")) shapes.push_back(element);
    }
    return shapes;
}

// The one shape of an entity; fails the test when there is not exactly one.
inline rvntest::SvgElement shapeOf(const rvntest::SvgDocument& document, AcDbObjectId id) {
    const std::vector<rvntest::SvgElement> shapes = shapesOf(document, id);
    EXPECT_EQ(shapes.size(), 1u);
    return shapes.empty() ? rvntest::SvgElement{} : shapes.front();
}

// The numbers of a path's data, commands dropped: "M 1 2 L 3 4" gives 1, 2, 3, 4.
inline std::vector<double> pathNumbers(const rvntest::SvgElement& path) { return rvntest::numbersIn(path.at("d")); }

constexpr double kTolerance = 1e-9;

inline void expectNumbers(const std::vector<double>& actual, const std::vector<double>& expected,
                          double tolerance = kTolerance) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "number " << i;
}

// The names of a transform's steps and all their numbers, in order.
inline std::pair<std::vector<std::string>, std::vector<double>> transformOf(const rvntest::SvgElement& element) {
    std::pair<std::vector<std::string>, std::vector<double>> flat;
    for (const auto& [name, numbers] : rvntest::readTransformSteps(element.at("transform"))) {
        flat.first.push_back(name);
        flat.second.insert(flat.second.end(), numbers.begin(), numbers.end());
    }
    return flat;
}

}  // namespace svgtest
