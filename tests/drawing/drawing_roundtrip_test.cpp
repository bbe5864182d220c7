// Saving a drawing and opening it again: every object comes back under its handle with its class
// and its data, references point at the same objects, and the header values are kept.
#include <gtest/gtest.h>

#include "acutmem.h"
#include "dbdict.h"
#include "dbsymtb.h"
#include "drawing_samples.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "test_marker.h"
#include "text_codec.h"

namespace {

using rvnhost::OpenedObject;
using namespace rvntest;

class DrawingRoundTrip : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        sample = makeSampleDrawing();
        std::wstring message;
        reopened = openFromBytes(saveToBytes(*sample.database), message);
        ASSERT_NE(nullptr, reopened) << rvnos::toUtf8(message);
    }

    SampleDrawing sample;
    std::unique_ptr<AcDbDatabase> reopened;
};

TEST_F(DrawingRoundTrip, KeepsEveryObjectUnderItsHandleWithItsClass) {
    EXPECT_EQ(objectInventory(*sample.database), objectInventory(*reopened));
    EXPECT_EQ(sample.database->handseed(), reopened->handseed());
}

TEST_F(DrawingRoundTrip, KeepsTheHeaderValues) {
    EXPECT_EQ(sample.layer.handle(), reopened->clayer().handle());
    EXPECT_EQ(6, reopened->luprec());
    EXPECT_EQ(0.35, reopened->textsize());
    EXPECT_EQ(sample.database->textstyle().handle(), reopened->textstyle().handle());
    EXPECT_EQ(sample.database->namedObjectsDictionaryId().handle(), reopened->namedObjectsDictionaryId().handle());
    EXPECT_EQ(sample.database->continuousLinetype().handle(), reopened->continuousLinetype().handle());
}

TEST_F(DrawingRoundTrip, KeepsSymbolTableRecordsAndTheirReferences) {
    AcDbLayerTable* opened = nullptr;
    ASSERT_EQ(Acad::eOk, reopened->getSymbolTable(opened, AcDb::kForRead));
    OpenedObject<AcDbLayerTable> layers(opened);
    AcDbLayerTableRecord* record = nullptr;
    ASSERT_EQ(Acad::eOk, layers->getAt(kSampleLayer, record, AcDb::kForRead));
    OpenedObject<AcDbLayerTableRecord> layer(record);
    EXPECT_EQ(3, layer->colorIndex());
    EXPECT_TRUE(layer->isFrozen());
    EXPECT_FALSE(layer->isOff());
    EXPECT_EQ(kSampleLinetype, AcDbSymbolTable::recordName(layer->linetypeObjectId()));

    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(Acad::eOk, reopened->getSymbolTable(blocks, AcDb::kForRead));
    OpenedObject<AcDbBlockTable> blockTable(blocks);
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(Acad::eOk, blockTable->getAt(kSampleBlock, block, AcDb::kForRead));
    OpenedObject<AcDbBlockTableRecord> nodeBlock(block);
    EXPECT_EQ(AcGePoint3d(1.5, -2.0, 0.25), nodeBlock->origin());
    EXPECT_TRUE(blockTable->has(ACDB_MODEL_SPACE));
    EXPECT_TRUE(blockTable->has(ACDB_PAPER_SPACE));
}

TEST_F(DrawingRoundTrip, KeepsExtendedData) {
    OpenedObject<AcDbLayerTableRecord> layer(idOf(*reopened, sample.layer), AcDb::kForRead);
    ASSERT_TRUE(layer);
    resbuf* xdata = layer->xData(kSampleApp);
    ASSERT_NE(nullptr, xdata);
    const resbuf* item = xdata->rbnext;
    ASSERT_NE(nullptr, item);
    EXPECT_STREQ(L"Rete1", item->resval.rstring);
    ASSERT_NE(nullptr, item = item->rbnext);
    EXPECT_EQ(7, item->resval.rint);
    ASSERT_NE(nullptr, item = item->rbnext);
    EXPECT_EQ(2.5, item->resval.rreal);
    ASSERT_NE(nullptr, item = item->rbnext);
    EXPECT_EQ(30.0, item->resval.rpoint[Z]);
    EXPECT_EQ(nullptr, item->rbnext);
    acutRelRb(xdata);
}

TEST_F(DrawingRoundTrip, KeepsDictionariesAndCustomObjects) {
    AcDbDictionary* opened = nullptr;
    ASSERT_EQ(Acad::eOk, reopened->getNamedObjectsDictionary(opened, AcDb::kForRead));
    OpenedObject<AcDbDictionary> named(opened);
    AcDbObjectId dictionaryId;
    ASSERT_EQ(Acad::eOk, named->getAt(kSampleDictionary, dictionaryId));
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForRead);
    AcDbObjectId markerId;
    ASSERT_EQ(Acad::eOk, dictionary->getAt(kSampleMarkerKey, markerId));
    OpenedObject<RvnTestMarker> marker(markerId, AcDb::kForRead);
    ASSERT_TRUE(marker);
    EXPECT_EQ(kSampleLabel, marker->label);
    EXPECT_EQ(12.5, marker->value);
    EXPECT_EQ(idOf(*reopened, sample.layer), marker->target);
    EXPECT_EQ(dictionaryId, marker->ownerId());
    EXPECT_EQ(sample.marker.handle(), markerId.handle());
}

TEST_F(DrawingRoundTrip, SavingTheReopenedDrawingGivesTheSameBytes) {
    EXPECT_EQ(saveToBytes(*sample.database), saveToBytes(*reopened));
}

TEST_F(DrawingRoundTrip, NewObjectsOfTheReopenedDrawingTakeFreshHandles) {
    AcDbObjectId added = addMarker(idOf(*reopened, sample.dictionary), L"Secondo", L"nuovo", 1.0);
    EXPECT_GE(added.handle(), sample.database->handseed());
}

TEST(DrawingSaving, LeavesOutErasedObjectsAndNullsReferencesToThem) {
    OpenObjectGuard guard;
    SampleDrawing sample = makeSampleDrawing();
    AcDbObjectId doomed = addMarker(sample.dictionary, L"Cancellato", L"via", 2.0);
    AcDbObjectId pointing = addMarker(sample.dictionary, L"Orfano", L"punta", 3.0, doomed);
    {
        OpenedObject<AcDbObject> object(doomed, AcDb::kForWrite);
        ASSERT_EQ(Acad::eOk, object->erase());
    }
    std::wstring message;
    auto reopened = openFromBytes(saveToBytes(*sample.database), message);
    ASSERT_NE(nullptr, reopened) << rvnos::toUtf8(message);
    EXPECT_TRUE(idOf(*reopened, doomed).isNull());
    OpenedObject<RvnTestMarker> orphan(idOf(*reopened, pointing), AcDb::kForRead);
    ASSERT_TRUE(orphan);
    EXPECT_TRUE(orphan->target.isNull());
}

}  // namespace
