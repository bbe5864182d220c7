#include <gtest/gtest.h>

#include <memory>

#include "drawing_fixture.h"
#include "editor_open_object.h"

namespace {

using rvnhost::OpenedObject;

class BlockReferences : public enttest::DrawingTest {
protected:
    // A node block: a cross, five attribute definitions NODE_00..NODE_04 (the last invisible) and
    // a constant one, which references do not carry.
    AcDbObjectId makeNodeBlock() {
        const AcDbObjectId block = addBlock(L"TZ-RV-NODO");
        append(new AcDbLine({-1.0, 0.0, 0.0}, {1.0, 0.0, 0.0}), block);
        append(new AcDbLine({0.0, -1.0, 0.0}, {0.0, 1.0, 0.0}), block);
        for (int i = 0; i < 5; ++i) {
            const std::wstring tag = L"NODE_0" + std::to_wstring(i);
            auto* definition = new AcDbAttributeDefinition({1.5, 0.5 * i, 0.0}, L"", tag.c_str(), L"Valore");
            definition->setHeight(0.25);
            definition->setRotation(0.1 * i);
            definition->setFieldLength(15);
            definition->setInvisible(i == 4);
            append(definition, block);
        }
        auto* constant = new AcDbAttributeDefinition({0.0, -2.0, 0.0}, L"RVN", L"FISSO", L"");
        constant->setConstant(true);
        append(constant, block);
        return block;
    }

    // Inserts the node block as the schema commands do: one attribute per non-constant
    // definition, made from it by the block transform, with the text "v" and its tag.
    AcDbObjectId insertNode(AcDbObjectId block, const AcGePoint3d& at, double angle) {
        auto* reference = new AcDbBlockReference(at, block);
        reference->setRotation(angle);
        const AcDbObjectId id = append(reference);
        OpenedObject<AcDbBlockReference> opened(id, AcDb::kForWrite);
        OpenedObject<AcDbBlockTableRecord> record(block, AcDb::kForRead);
        EXPECT_TRUE(record->hasAttributeDefinitions());
        for (AcDbObjectId entityId : record->entityIds()) {
            OpenedObject<AcDbAttributeDefinition> definition(entityId, AcDb::kForRead);
            if (!definition || definition->isConstant()) continue;
            auto* attribute = new AcDbAttribute;
            EXPECT_EQ(attribute->setAttributeFromBlock(definition.get(), opened->blockTransform()), Acad::eOk);
            attribute->setTextString((L"v" + std::wstring(definition->tagConst())).c_str());
            EXPECT_EQ(opened->appendAttribute(attribute), Acad::eOk);
            attribute->close();
        }
        return id;
    }

    // The positions of the reference's attributes.
    std::vector<AcGePoint3d> attributePositions(AcDbObjectId referenceId) {
        std::vector<AcGePoint3d> positions;
        OpenedObject<AcDbBlockReference> reference(referenceId, AcDb::kForRead);
        std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
        for (; !attributes->done(); attributes->step()) {
            AcDbAttribute* opened = nullptr;
            EXPECT_EQ(reference->openAttribute(opened, attributes->objectId(), AcDb::kForRead), Acad::eOk);
            positions.push_back(OpenedObject<AcDbAttribute>(opened)->position());
        }
        return positions;
    }
};

// Attributes made from their definitions turn with the node as the plug-in inserts nodes
// (tests/schema); here what a reference does with the attributes made so.
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

TEST_F(BlockReferences, ExtentsHoldTheBlockAndTheAttributesAndMoveWithThem) {
    const AcDbObjectId node = insertNode(makeNodeBlock(), {100.0, 0.0, 0.0}, 0.0);
    {
        OpenedObject<AcDbBlockReference> reference(node, AcDb::kForWrite);
        AcDbExtents extents;
        ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk);
        // The constant definition is shown, the others not.
        EXPECT_EQ(std::pair(99.0, -2.0), std::pair(extents.minPoint().x, extents.minPoint().y));
        EXPECT_GE(extents.maxPoint().y, 2.0 + 0.25);
        ASSERT_EQ(reference->transformBy(AcGeMatrix3d::translation({0.0, 10.0, 0.0})), Acad::eOk);
        EXPECT_EQ(reference->position(), AcGePoint3d(100.0, 10.0, 0.0));
    }
    EXPECT_EQ(attributePositions(node)[1], AcGePoint3d(101.5, 10.5, 0.0));
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
