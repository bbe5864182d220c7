// A drawing of the tests' own, drawn as a picture and read back; every test also checks that it
// left no object open.
#pragma once

#include <gtest/gtest.h>

#include "dbents.h"
#include "open_object_guard.h"
#include "svg_picture.h"
#include "svg_reader.h"
#include "table_records.h"
#include "text_codec.h"
#include "working_database.h"

#include <cmath>

namespace svgtest {

class PictureTest : public rvntest::OpenObjectCheckedTest {
protected:
    // Appends a new entity to the block (model space when null) and closes it; its id.
    AcDbObjectId append(AcDbEntity* entity, AcDbObjectId block = AcDbObjectId()) {
        AcDbObjectId owner = block;
        if (owner.isNull()) {
            AcDbBlockTable* blocks = nullptr;
            EXPECT_EQ(db_.getSymbolTable(blocks, AcDb::kForRead), Acad::eOk);
            EXPECT_EQ(blocks->getAt(ACDB_MODEL_SPACE, owner), Acad::eOk);
            blocks->close();
        }
        AcDbBlockTableRecord* record = nullptr;
        EXPECT_EQ(acdbOpenObject(record, owner, AcDb::kForWrite), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        record->close();
        return id;
    }

    AcDbObjectId addLayer(const ACHAR* name, int colour, bool off = false, bool frozen = false) {
        const AcDbObjectId id = rvntest::addLayer(db_, name, off, frozen);
        AcDbLayerTableRecord* layer = nullptr;
        EXPECT_EQ(acdbOpenObject(layer, id, AcDb::kForWrite), Acad::eOk);
        layer->setColorIndex(static_cast<Adesk::Int16>(colour));
        layer->close();
        return id;
    }

    AcDbObjectId addBlock(const ACHAR* name, const AcGePoint3d& origin = AcGePoint3d::kOrigin) {
        return rvntest::addBlock(db_, name, origin);
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

    AcDbDatabase db_;
    rvntest::WorkingDatabase working_{&db_};
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

}  // namespace svgtest
