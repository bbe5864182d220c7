// Entities in drawing files and DXF: a line with extended data, a 3D polyline with its vertices,
// a block reference with an attribute, and a block holding an attribute definition come back
// whole, in their blocks, with their sub-entities.
#include <gtest/gtest.h>

#include "acutmem.h"
#include "db3dpl.h"
#include "db_entity_iterator.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbline.h"
#include "dbsymtb.h"
#include "drawing_samples.h"
#include "dxf_drawing_reader.h"
#include "dxf_drawing_writer.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "text_codec.h"

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

std::vector<std::wstring> entityClasses(AcDbDatabase& database, const wchar_t* block) {
    OpenedObject<AcDbBlockTableRecord> record(blockNamed(database, block), AcDb::kForRead);
    std::vector<std::wstring> classes;
    for (AcDbObjectId id : record->entityIds()) {
        OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        classes.push_back(entity ? entity->isA()->name() : L"?");
    }
    return classes;
}

class DrawingEntities : public OpenObjectCheckedTest {
protected:
    void expectEntitiesOf(AcDbDatabase& read) {
        EXPECT_EQ((std::vector<std::wstring>{L"AcDbLine", L"AcDb3dPolyline", L"AcDbBlockReference"}),
                  entityClasses(read, ACDB_MODEL_SPACE));
        EXPECT_EQ(std::vector<std::wstring>{L"AcDbAttributeDefinition"}, entityClasses(read, kSampleBlock));
        OpenedObject<AcDbLine> readLine(idOf(read, line), AcDb::kForRead);
        ASSERT_TRUE(readLine);
        EXPECT_EQ(AcGePoint3d(10, 5, 1), readLine->endPoint());
        EXPECT_EQ(idOf(read, sample.layer), readLine->layerId()) << "entities take the current layer";
        resbuf* xdata = readLine->xData(kSampleApp);
        ASSERT_NE(nullptr, xdata);
        ASSERT_NE(nullptr, xdata->rbnext);
        EXPECT_STREQ(L"ramo", xdata->rbnext->resval.rstring);
        acutRelRb(xdata);
        OpenedObject<AcDb3dPolyline> readPolyline(idOf(read, polyline), AcDb::kForRead);
        ASSERT_TRUE(readPolyline);
        AcGePoint3dArray points = readPolyline->pathPoints();
        ASSERT_EQ(3u, points.size());
        EXPECT_EQ(AcGePoint3d(50, 0, 99.5), points[1]);
        OpenedObject<AcDbBlockReference> readReference(idOf(read, reference), AcDb::kForRead);
        ASSERT_TRUE(readReference);
        EXPECT_EQ(blockNamed(read, kSampleBlock), readReference->blockTableRecord());
        std::unique_ptr<AcDbObjectIterator> attributes(readReference->attributeIterator());
        ASSERT_FALSE(attributes->done());
        AcDbAttribute* attribute = nullptr;
        ASSERT_EQ(Acad::eOk, readReference->openAttribute(attribute, attributes->objectId(), AcDb::kForRead));
        OpenedObject<AcDbAttribute> readAttribute(attribute);
        EXPECT_STREQ(L"NODE_01", readAttribute->tagConst());
        EXPECT_STREQ(L"N1", readAttribute->textStringConst());
    }

    SampleDrawing sample = makeSampleDrawing();
    SampleEntities entities = addSampleEntities(sample);
    AcDbObjectId line = entities.line, polyline = entities.polyline, reference = entities.reference;
};

TEST_F(DrawingEntities, ComeBackFromADrawingFile) {
    std::wstring message;
    auto reopened = openFromBytes(saveToBytes(*sample.database), message);
    ASSERT_NE(nullptr, reopened) << rvnos::toUtf8(message);
    expectEntitiesOf(*reopened);
    EXPECT_EQ(objectInventory(*sample.database), objectInventory(*reopened));
}

TEST_F(DrawingEntities, ComeBackFromDxf) {
    std::string text;
    std::wstring message;
    ASSERT_EQ(Acad::eOk, rvnhost::writeDxf(*sample.database, text, message));
    EXPECT_NE(std::string::npos, text.find("  0\nPOLYLINE\n")) << "the vertices and their end follow";
    EXPECT_NE(std::string::npos, text.find("  0\nVERTEX\n"));
    EXPECT_NE(std::string::npos, text.find("  0\nSEQEND\n"));
    EXPECT_NE(std::string::npos, text.find("  0\nATTRIB\n"));
    AcDbDatabase read(false, true);
    ASSERT_EQ(Acad::eOk, rvnhost::readDxf(text, read, message)) << rvnos::toUtf8(message);
    expectEntitiesOf(read);
    std::string again;
    ASSERT_EQ(Acad::eOk, rvnhost::writeDxf(read, again, message));
    EXPECT_EQ(text, again);
}

}  // namespace
