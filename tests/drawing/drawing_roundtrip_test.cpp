// Saving a drawing and reading it again, as a drawing file and as DXF: every object comes back under
// its handle with its class and its data, references point at the same objects, entities stay in
// their blocks with their sub-entities, the header values are kept, and writing the drawing read
// gives the same file again. Objects the host cannot file become proxies: a class no application
// registers, or an object that asks for it (eMakeMeProxy). A proxy is saved back byte for byte under
// its original class, and becomes the object again once its class is there.
#include <gtest/gtest.h>

#include "acutmem.h"
#include "db3dpl.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbdict.h"
#include "dbents.h"
#include "dbline.h"
#include "dbsymtb.h"
#include "drawing_fixture.h"
#include "drawing_samples.h"
#include "editor_open_object.h"
#include "open_object_guard.h"
#include "proxy_object.h"
#include "test_marker.h"
#include "text_codec.h"

#include <tuple>

namespace {

using enttest::recordOf;
using rvnhost::OpenedObject;
using namespace rvntest;

enum class Format { dwg, dxf };

std::vector<std::wstring> entityClasses(AcDbDatabase& database, const wchar_t* block) {
    std::vector<std::wstring> classes;
    for (AcDbObjectId id : enttest::entitiesOf(recordOf(database, block))) {
        OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        classes.push_back(entity ? entity->isA()->name() : L"?");
    }
    return classes;
}

class DrawingRoundTrip : public OpenObjectCheckedTest, public testing::WithParamInterface<Format> {
protected:
    void SetUp() override {
        saved = write(*sample.database);
        std::wstring message;
        reopened = GetParam() == Format::dwg ? openFromBytes({saved.begin(), saved.end()}, message)
                                             : openFromDxf(saved, message);
        ASSERT_NE(nullptr, reopened) << rvnos::toUtf8(message);
    }

    std::string write(AcDbDatabase& database) {
        if (GetParam() == Format::dxf) return saveToDxf(database);
        const std::vector<unsigned char> bytes = saveToBytes(database);
        return {bytes.begin(), bytes.end()};
    }

    SampleDrawing sample = makeSampleDrawing();
    SampleEntities entities = addSampleEntities(sample);
    std::string saved;
    std::unique_ptr<AcDbDatabase> reopened;
};

INSTANTIATE_TEST_SUITE_P(Formats, DrawingRoundTrip, testing::Values(Format::dwg, Format::dxf),
                         [](const auto& info) { return info.param == Format::dwg ? "Dwg" : "Dxf"; });

// The objects the header names are checked by writing the drawing read again, below.
TEST_P(DrawingRoundTrip, KeepsEveryObjectUnderItsHandleWithItsClassAndTheHeaderValues) {
    EXPECT_EQ(objectInventory(*sample.database), objectInventory(*reopened));
    EXPECT_EQ(std::tuple(6, 2, 0.35), std::tuple(reopened->luprec(), reopened->attmode(), reopened->textsize()));
}

TEST_P(DrawingRoundTrip, KeepsSymbolTableRecordsTheirReferencesAndExtendedData) {
    OpenedObject<AcDbLayerTableRecord> layer(idOf(*reopened, sample.layer), AcDb::kForRead);
    ASSERT_TRUE(layer);
    EXPECT_EQ(std::tuple(3, true, true), std::tuple(layer->colorIndex(), layer->isFrozen(), layer->isOff()));
    EXPECT_EQ(kSampleLinetype, AcDbSymbolTable::recordName(layer->linetypeObjectId()));
    resbuf* xdata = layer->xData(kSampleApp);
    ASSERT_NE(nullptr, xdata);
    std::vector<int> codes;
    for (const resbuf* item = xdata; item != nullptr; item = item->rbnext) codes.push_back(item->restype);
    EXPECT_EQ((std::vector<int>{1001, 1000, 1070, 1040, 1010}), codes);
    const resbuf* text = xdata->rbnext;
    EXPECT_EQ(std::tuple(std::wstring(L"Rete1"), 7, 2.5, 30.0),
              std::tuple(std::wstring(text->resval.rstring), static_cast<int>(text->rbnext->resval.rint),
                         text->rbnext->rbnext->resval.rreal, text->rbnext->rbnext->rbnext->resval.rpoint[Z]));
    acutRelRb(xdata);
    OpenedObject<AcDbBlockTableRecord> nodeBlock(recordOf(*reopened, kSampleBlock), AcDb::kForRead);
    ASSERT_TRUE(nodeBlock);
    EXPECT_EQ(AcGePoint3d(1.5, -2.0, 0.25), nodeBlock->origin());
    EXPECT_FALSE(recordOf(*reopened, ACDB_PAPER_SPACE).isNull());
}

TEST_P(DrawingRoundTrip, KeepsDictionariesAndCustomObjects) {
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
    EXPECT_EQ(std::tuple(std::wstring(kSampleLabel), 12.5, idOf(*reopened, sample.layer), dictionaryId, sample.marker.handle()),
              std::tuple(marker->label, marker->value, marker->target, marker->ownerId(), markerId.handle()));
}

TEST_P(DrawingRoundTrip, KeepsEntitiesInTheirBlocksWithTheirSubentities) {
    EXPECT_EQ((std::vector<std::wstring>{L"AcDbLine", L"AcDb3dPolyline", L"AcDbBlockReference", L"AcDbPolyline",
                                         L"AcDbText"}),
              entityClasses(*reopened, ACDB_MODEL_SPACE));
    EXPECT_EQ(std::vector<std::wstring>{L"AcDbAttributeDefinition"}, entityClasses(*reopened, kSampleBlock));
    OpenedObject<AcDbLine> line(idOf(*reopened, entities.line), AcDb::kForRead);
    ASSERT_TRUE(line);
    EXPECT_EQ(AcGePoint3d(10, 5, 1), line->endPoint());
    EXPECT_EQ(idOf(*reopened, sample.layer), line->layerId()) << "entities take the current layer";
    OpenedObject<AcDb3dPolyline> polyline(idOf(*reopened, entities.polyline), AcDb::kForRead);
    ASSERT_TRUE(polyline);
    AcGePoint3dArray points = polyline->pathPoints();
    ASSERT_EQ(3u, points.size());
    EXPECT_EQ(AcGePoint3d(50, 0, 99.5), points[1]);
    OpenedObject<AcDbBlockReference> reference(idOf(*reopened, entities.reference), AcDb::kForRead);
    ASSERT_TRUE(reference);
    EXPECT_EQ(recordOf(*reopened, kSampleBlock), reference->blockTableRecord());
    std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
    ASSERT_FALSE(attributes->done());
    AcDbAttribute* opened = nullptr;
    ASSERT_EQ(Acad::eOk, reference->openAttribute(opened, attributes->objectId(), AcDb::kForRead));
    OpenedObject<AcDbAttribute> attribute(opened);
    EXPECT_EQ(std::pair(std::wstring(L"NODE_01"), std::wstring(L"N1")),
              std::pair(std::wstring(attribute->tagConst()), std::wstring(attribute->textStringConst())));
    OpenedObject<AcDbPolyline> profile(idOf(*reopened, entities.profile), AcDb::kForRead);
    ASSERT_TRUE(profile);
    double bulge = 0.0;
    profile->getBulgeAt(0, bulge);
    EXPECT_EQ(std::pair(0.5, 3), std::pair(bulge, static_cast<int>(profile->colorIndex())));
    OpenedObject<AcDbText> text(idOf(*reopened, entities.text), AcDb::kForRead);
    ASSERT_TRUE(text);
    EXPECT_STREQ(L"Profilo P1-P2", text->textStringConst());
}

TEST_P(DrawingRoundTrip, WritingTheDrawingReadGivesTheSameFile) {
    EXPECT_EQ(saved, write(*reopened));
}

TEST(DrawingSaving, KeepsTheHandleSeedAndLeavesOutErasedObjectsAndReferencesToThem) {
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
    EXPECT_EQ(sample.database->handseed(), reopened->handseed());
    EXPECT_TRUE(idOf(*reopened, doomed).isNull());
    OpenedObject<RvnTestMarker> orphan(idOf(*reopened, pointing), AcDb::kForRead);
    ASSERT_TRUE(orphan);
    EXPECT_TRUE(orphan->target.isNull());
}

class DrawingProxies : public OpenObjectCheckedTest {
protected:
    void SetUp() override {
        sample = makeSampleDrawing();
        saved = saveToBytes(*sample.database);
    }
    void TearDown() override {
        registerMarkerClass();
        OpenObjectCheckedTest::TearDown();
    }

    std::unique_ptr<AcDbDatabase> open(const std::vector<unsigned char>& bytes) {
        std::wstring message;
        auto database = openFromBytes(bytes, message);
        EXPECT_NE(nullptr, database) << rvnos::toUtf8(message);
        return database;
    }

    SampleDrawing sample;
    std::vector<unsigned char> saved;
};

TEST_F(DrawingProxies, AnUnknownClassIsKeptAsAProxyAndSavedBackUnchanged) {
    removeMarkerClass();
    auto withoutClass = open(saved);
    ASSERT_NE(nullptr, withoutClass);
    {
        OpenedObject<AcDbProxyObject> proxy(idOf(*withoutClass, sample.marker), AcDb::kForRead);
        ASSERT_TRUE(proxy) << proxy.status();
        EXPECT_STREQ(L"RvnTestMarker", proxy->originalClassName());
        EXPECT_STREQ(kMarkerDxfName, proxy->originalDxfName());
        EXPECT_EQ(idOf(*withoutClass, sample.dictionary), proxy->ownerId());
    }
    EXPECT_EQ(saved, saveToBytes(*withoutClass));

    registerMarkerClass();
    auto withClass = open(saveToBytes(*withoutClass));
    ASSERT_NE(nullptr, withClass);
    OpenedObject<RvnTestMarker> marker(idOf(*withClass, sample.marker), AcDb::kForRead);
    ASSERT_TRUE(marker);
    EXPECT_EQ(kSampleLabel, marker->label);
    EXPECT_EQ(idOf(*withClass, sample.layer), marker->target);
}

TEST_F(DrawingProxies, AnObjectAskingToStayAProxyKeepsItsData) {
    AcDbObjectId newer = addMarker(sample.dictionary, L"Futuro", L"versione 2", 7.0, sample.layer);
    {
        OpenedObject<RvnTestMarker> marker(newer, AcDb::kForWrite);
        marker->version = 2;
    }
    std::vector<unsigned char> bytes = saveToBytes(*sample.database);
    auto reopened = open(bytes);
    ASSERT_NE(nullptr, reopened);
    {
        OpenedObject<AcDbObject> object(idOf(*reopened, newer), AcDb::kForRead);
        ASSERT_TRUE(object);
        const rvnhost::ProxyData* proxy = rvnhost::proxyDataOf(object.get());
        ASSERT_NE(nullptr, proxy);
        EXPECT_EQ(L"RvnTestMarker", proxy->className);
        OpenedObject<RvnTestMarker> older(idOf(*reopened, sample.marker), AcDb::kForRead);
        EXPECT_TRUE(older) << "a marker of version 1 reads as itself";
    }
    EXPECT_EQ(bytes, saveToBytes(*reopened));
}

}  // namespace
