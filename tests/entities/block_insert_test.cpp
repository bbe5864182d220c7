// Block references: their transform, extents, attributes and blocks' entities; a drawing inserted
// as a block with what it uses.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "acutmem.h"
#include "db_entity_owned.h"
#include "drawing_fixture.h"
#include "editor_open_object.h"

namespace {

using enttest::appendTo;
using enttest::entitiesOf;
using enttest::recordOf;
using rvnhost::OpenedObject;
using rvntest::addRecord;

// A drawing like a node block file: a layer, a text style, an application, a nested block and
// model space holding a line with extended data, a 3D polyline, a reference with an attribute and
// a text.
class BlockInsert : public enttest::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        acdbHostApplicationServices()->setWorkingDatabase(&source_);
        fillSource();
        acdbHostApplicationServices()->setWorkingDatabase(&db_);
    }

    void fillSource() {
        auto* layer = new AcDbLayerTableRecord;
        layer->setColorIndex(3);
        addRecord<AcDbLayerTable>(source_, layer, L"TZ-RV-SIMBOLI");
        auto* style = new AcDbTextStyleTableRecord;
        style->setXScale(0.8);
        sourceStyle_ = addRecord<AcDbTextStyleTable>(source_, style, L"RVN");
        addRecord<AcDbRegAppTable>(source_, new AcDbRegAppTableRecord, L"TZ-APP");
        auto* inner = new AcDbBlockTableRecord;
        addRecord<AcDbBlockTable>(source_, inner, L"INTERNO");
        appendTo(source_, L"INTERNO", new AcDbPoint({0.5, 0.5, 0.0}));

        auto* line = new AcDbLine({-1.0, 0.0, 0.0}, {1.0, 0.0, 0.0});
        line->setLayer(L"TZ-RV-SIMBOLI");
        resbuf* data = acutBuildList(AcDb::kDxfRegAppName, L"TZ-APP", AcDb::kDxfXdAsciiString, L"simbolo", 0);
        EXPECT_EQ(line->setXData(data), Acad::eOk);
        acutRelRb(data);
        sourceLine_ = appendTo(source_, ACDB_MODEL_SPACE, line);
        appendTo(source_, ACDB_MODEL_SPACE,
                 new AcDb3dPolyline(AcDb::k3dSimplePoly, {{0.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {1.0, 1.0, 1.0}}));
        auto* reference = new AcDbBlockReference({2.0, 0.0, 0.0}, recordOf(source_, L"INTERNO"));
        reference->appendAttribute(new AcDbAttribute({2.0, 1.0, 0.0}, L"valore", L"TAG"));
        appendTo(source_, ACDB_MODEL_SPACE, reference);
        appendTo(source_, ACDB_MODEL_SPACE, new AcDbText({0.0, -1.0, 0.0}, L"Nodo", sourceStyle_));
    }

    AcDbDatabase source_;
    AcDbObjectId sourceStyle_;
    AcDbObjectId sourceLine_;
};

TEST_F(BlockInsert, ModelSpaceBecomesABlockWithWhatItUses) {
    const std::size_t objectsBefore = source_.allObjectIds().size();
    AcDbObjectId block;
    ASSERT_EQ(db_.insert(block, L"TZ-RV-NODO", &source_), Acad::eOk);
    EXPECT_EQ(block, recordOf(db_, L"TZ-RV-NODO"));
    const std::vector<AcDbObjectId> entities = entitiesOf(block);
    ASSERT_EQ(entities.size(), 4u);
    for (AcDbObjectId id : entities) EXPECT_EQ(id.database(), &db_);

    {
        OpenedObject<AcDbLine> line(entities[0], AcDb::kForRead);
        ASSERT_TRUE(line);
        EXPECT_EQ(std::tuple(block, AcGePoint3d(1.0, 0.0, 0.0), recordOf(db_, L"TZ-RV-SIMBOLI", true)),
                  std::tuple(line->ownerId(), line->endPoint(), line->layerId()));
        resbuf* data = line->xData(L"TZ-APP");
        ASSERT_NE(data, nullptr);
        EXPECT_STREQ(data->rbnext->resval.rstring, L"simbolo");
        acutRelRb(data);
        OpenedObject<AcDbLayerTableRecord> layer(recordOf(db_, L"TZ-RV-SIMBOLI", true), AcDb::kForRead);
        ASSERT_TRUE(layer);
        EXPECT_EQ(std::tuple(3, db_.continuousLinetype()), std::tuple(layer->colorIndex(), layer->linetypeObjectId()));
    }
    const std::vector<AcDbObjectId> vertices = rvnhost::subentitiesOf(entities[1]);
    ASSERT_EQ(vertices.size(), 4u);
    {
        OpenedObject<AcDb3dPolyline> polyline(entities[1], AcDb::kForRead);
        AcDb3dPolylineVertex* opened = nullptr;
        ASSERT_EQ(polyline->openVertex(opened, vertices[2], AcDb::kForRead), Acad::eOk);
        OpenedObject<AcDb3dPolylineVertex> vertex(opened);
        EXPECT_EQ(std::tuple(AcGePoint3d(1.0, 1.0, 1.0), entities[1], &db_),
                  std::tuple(vertex->position(), vertex->ownerId(), vertex->database()));
    }
    {
        OpenedObject<AcDbBlockReference> reference(entities[2], AcDb::kForRead);
        ASSERT_TRUE(reference);
        EXPECT_EQ(reference->blockTableRecord(), recordOf(db_, L"INTERNO"));
        EXPECT_EQ(entitiesOf(reference->blockTableRecord()).size(), 1u);
        const std::vector<AcDbObjectId> attributes = rvnhost::subentitiesOf(entities[2]);
        ASSERT_EQ(attributes.size(), 2u);
        AcDbAttribute* opened = nullptr;
        ASSERT_EQ(reference->openAttribute(opened, attributes[0], AcDb::kForRead), Acad::eOk);
        EXPECT_STREQ(OpenedObject<AcDbAttribute>(opened)->textStringConst(), L"valore");
    }
    {
        OpenedObject<AcDbText> text(entities[3], AcDb::kForRead);
        ASSERT_TRUE(text);
        OpenedObject<AcDbTextStyleTableRecord> style(text->textStyle(), AcDb::kForRead);
        ASSERT_TRUE(style);
        EXPECT_EQ(std::tuple(&db_, 0.8), std::tuple(style->database(), style->xScale()));
    }
    EXPECT_EQ(source_.allObjectIds().size(), objectsBefore);
    EXPECT_EQ(entitiesOf(recordOf(source_, ACDB_MODEL_SPACE)).size(), 4u);
}

TEST_F(BlockInsert, RecordsOfTheSameNameAreUsedAsTheyAre) {
    auto* own = new AcDbLayerTableRecord;
    own->setColorIndex(5);
    const AcDbObjectId ownLayer = addRecord<AcDbLayerTable>(db_, own, L"tz-rv-simboli");
    AcDbObjectId block;
    ASSERT_EQ(db_.insert(block, L"NODO", &source_), Acad::eOk);
    EXPECT_EQ(OpenedObject<AcDbEntity>(entitiesOf(block)[0], AcDb::kForRead)->layerId(), ownLayer);
    EXPECT_EQ(OpenedObject<AcDbLayerTableRecord>(ownLayer, AcDb::kForRead)->colorIndex(), 5);
    // The inserted block can be referenced like any other.
    const AcDbObjectId reference = append(new AcDbBlockReference({10.0, 0.0, 0.0}, block));
    AcDbExtents extents;
    ASSERT_EQ(OpenedObject<AcDbEntity>(reference, AcDb::kForRead)->getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(extents.minPoint().x, 9.0);
}

TEST_F(BlockInsert, AFailedInsertLeavesTheDrawingAsItWas) {
    AcDbObjectId block;
    EXPECT_EQ(db_.insert(block, L"", &source_), Acad::eInvalidInput);
    EXPECT_EQ(db_.insert(block, L"X", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(db_.insert(block, L"X", &db_), Acad::eInvalidInput);
    EXPECT_EQ(db_.insert(block, L"*Model_Space", &source_), Acad::eInvalidInput);
    addBlock(L"PRESENTE");
    EXPECT_EQ(db_.insert(block, L"presente", &source_), Acad::eDuplicateRecordName);

    AcDbObject* busy = nullptr;
    ASSERT_EQ(acdbOpenObject(busy, sourceLine_, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(db_.insert(block, L"NODO", &source_), Acad::eWasOpenedForWrite);
    busy->close();
    EXPECT_TRUE(block.isNull());
    EXPECT_TRUE(recordOf(db_, L"NODO").isNull());
    EXPECT_TRUE(recordOf(db_, L"TZ-RV-SIMBOLI", true).isNull());
    ASSERT_EQ(db_.insert(block, L"NODO", &source_), Acad::eOk);
    EXPECT_FALSE(recordOf(db_, L"TZ-RV-SIMBOLI", true).isNull());
}

using BlockReferences = enttest::DrawingTest;

// Attributes made from their definitions turn with the node as the plug-in inserts nodes
// (tests/schema), and a node is picked by its attribute (picking_test.cpp); here the transform.
TEST_F(BlockReferences, BlockTransformRoundTripsAndRefusesAShear) {
    const AcDbObjectId block = addBlock(L"Base", {1.0, 1.0, 0.0});
    AcDbBlockReference reference({5.0, 6.0, 7.0}, block);
    reference.setRotation(0.5);
    reference.setScaleFactors(AcGeScale3d(2.0, -3.0, 4.0));
    const AcGeMatrix3d transform = reference.blockTransform();
    EXPECT_NEAR((transform * AcGePoint3d(1.0, 1.0, 0.0)).distanceTo({5.0, 6.0, 7.0}), 0.0, 1e-12);
    AcDbBlockReference copy(AcGePoint3d::kOrigin, block);
    ASSERT_EQ(copy.setBlockTransform(transform), Acad::eOk);
    EXPECT_NEAR(copy.position().distanceTo({5.0, 6.0, 7.0}), 0.0, 1e-12);
    EXPECT_NEAR(copy.rotation(), 0.5, 1e-12);
    EXPECT_TRUE(copy.scaleFactors().isEqualTo(AcGeScale3d(2.0, -3.0, 4.0), AcGeTol()));
    AcGeMatrix3d shear;
    shear.entry[0][1] = 0.5;
    EXPECT_EQ(copy.setBlockTransform(shear), Acad::eCannotScaleNonUniformly);
    EXPECT_EQ(copy.setScaleFactors(AcGeScale3d(0.0)), Acad::eInvalidInput);
    EXPECT_EQ(copy.setBlockTableRecord(db_.layerTableId()), Acad::eInvalidInput);
    AcDbAttribute attribute;
    EXPECT_EQ(attribute.setAttributeFromBlock(nullptr, AcGeMatrix3d::kIdentity), Acad::eNullEntityPointer);
}

TEST_F(BlockReferences, ExtentsHoldConstantAttributeDefinitionsOnlyAndAttributesMoveWithTheReference) {
    const AcDbObjectId block = addBlock(L"TZ-RV-NODO");
    append(new AcDbLine({-1.0, 0.0, 0.0}, {1.0, 0.0, 0.0}), block);
    append(new AcDbAttributeDefinition({1.5, 5.0, 0.0}, L"", L"NODE_00", L"Valore"), block);
    auto* constant = new AcDbAttributeDefinition({0.0, -2.0, 0.0}, L"RVN", L"FISSO", L"");
    constant->setConstant(true);
    append(constant, block);
    auto* reference = new AcDbBlockReference({100.0, 0.0, 0.0}, block);
    reference->appendAttribute(new AcDbAttribute({101.5, 0.5, 0.0}, L"N1", L"NODE_00"));
    const AcDbObjectId node = append(reference);
    AcDbExtents extents;
    ASSERT_EQ(OpenedObject<AcDbEntity>(node, AcDb::kForRead)->getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(std::pair(99.0, -2.0), std::pair(extents.minPoint().x, extents.minPoint().y));
    EXPECT_LT(extents.maxPoint().y, 5.0);
    // A reference moved takes its attributes along.
    ASSERT_EQ(OpenedObject<AcDbEntity>(node, AcDb::kForWrite)->transformBy(AcGeMatrix3d::translation({0.0, 10.0, 0.0})),
              Acad::eOk);
    EXPECT_EQ(OpenedObject<AcDbAttribute>(rvnhost::subentitiesOf(node).at(0), AcDb::kForRead)->position(),
              AcGePoint3d(101.5, 10.5, 0.0));
}

TEST_F(BlockReferences, BlocksIterateTheirLiveEntitiesAndGiveThemTheCurrentLayer) {
    const AcDbObjectId layerZero = db_.clayer();
    const AcDbObjectId layer = addLayer(L"Corrente");
    ASSERT_EQ(db_.setClayer(layer), Acad::eOk);
    const AcDbObjectId block = addBlock(L"Tre");
    const AcDbObjectId first = append(new AcDbPoint({1.0, 0.0, 0.0}), block);
    const AcDbObjectId second = append(new AcDbPoint({2.0, 0.0, 0.0}), block);
    auto* onZero = new AcDbPoint({3.0, 0.0, 0.0});
    onZero->setLayer(L"0");
    const AcDbObjectId third = append(onZero, block);
    ASSERT_EQ(OpenedObject<AcDbEntity>(second, AcDb::kForWrite)->erase(), Acad::eOk);

    OpenedObject<AcDbBlockTableRecord> record(block, AcDb::kForRead);
    ASSERT_TRUE(record);
    EXPECT_FALSE(record->hasAttributeDefinitions());
    AcDbBlockTableRecordIterator* iterator = nullptr;
    ASSERT_EQ(record->newIterator(iterator), Acad::eOk);
    std::vector<AcDbObjectId> walked;
    for (const std::unique_ptr<AcDbBlockTableRecordIterator> owned(iterator); !iterator->done(); iterator->step()) {
        AcDbEntity* opened = nullptr;
        ASSERT_EQ(iterator->getEntity(opened, AcDb::kForRead), Acad::eOk);
        OpenedObject<AcDbEntity> entity(opened);
        EXPECT_EQ(entity->ownerId(), block);
        EXPECT_EQ(entity->layerId(), entity->objectId() == third ? layerZero : layer);
        walked.push_back(entity->objectId());
    }
    EXPECT_EQ(walked, (std::vector<AcDbObjectId>{first, third}));
}

}  // namespace
