#include <gtest/gtest.h>

#include <memory>

#include "db_entity_owned.h"
#include "drawing_fixture.h"
#include "editor_open_object.h"

namespace {

using rvnhost::OpenedObject;

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
