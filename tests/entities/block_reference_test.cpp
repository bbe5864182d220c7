#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "drawing_fixture.h"

namespace {

constexpr double kAngle = std::numbers::pi / 4.0;

struct AttributeSeen {
    std::wstring tag;
    std::wstring text;
    AcGePoint3d position;
    double rotation;
    bool invisible;
    double height;
    int fieldLength;
};

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
        AcDbBlockReference* opened = nullptr;
        EXPECT_EQ(acdbOpenObject(opened, id, AcDb::kForWrite), Acad::eOk);
        AcDbBlockTableRecord* record = nullptr;
        EXPECT_EQ(acdbOpenObject(record, block, AcDb::kForRead), Acad::eOk);
        EXPECT_TRUE(record->hasAttributeDefinitions());
        for (AcDbObjectId entityId : record->entityIds()) {
            AcDbAttributeDefinition* definition = nullptr;
            if (acdbOpenObject(definition, entityId, AcDb::kForRead) != Acad::eOk) continue;
            if (!definition->isConstant()) {
                auto* attribute = new AcDbAttribute;
                EXPECT_EQ(attribute->setAttributeFromBlock(definition, opened->blockTransform()), Acad::eOk);
                attribute->setTextString((L"v" + std::wstring(definition->tagConst())).c_str());
                EXPECT_EQ(opened->appendAttribute(attribute), Acad::eOk);
                attribute->close();
            }
            definition->close();
        }
        record->close();
        opened->close();
        return id;
    }

    std::vector<AttributeSeen> attributesOf(AcDbObjectId referenceId) {
        std::vector<AttributeSeen> seen;
        AcDbBlockReference* reference = nullptr;
        EXPECT_EQ(acdbOpenObject(reference, referenceId, AcDb::kForRead), Acad::eOk);
        std::unique_ptr<AcDbObjectIterator> attributes(reference->attributeIterator());
        for (; !attributes->done(); attributes->step()) {
            AcDbAttribute* attribute = nullptr;
            EXPECT_EQ(reference->openAttribute(attribute, attributes->objectId(), AcDb::kForRead), Acad::eOk);
            seen.push_back({attribute->tagConst(), attribute->textStringConst(), attribute->position(),
                            attribute->rotation(), attribute->isInvisible(), attribute->height(),
                            attribute->fieldLength()});
            attribute->close();
        }
        reference->close();
        return seen;
    }
};

TEST_F(BlockReferences, AttributesMadeFromTheirDefinitionsTurnWithTheNode) {
    const AcDbObjectId node = insertNode(makeNodeBlock(), {10.0, 20.0, 3.0}, kAngle);
    const std::vector<AttributeSeen> seen = attributesOf(node);
    ASSERT_EQ(seen.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(seen[i].tag, L"NODE_0" + std::to_wstring(i));
        EXPECT_EQ(seen[i].text, L"vNODE_0" + std::to_wstring(i));
        EXPECT_NEAR(seen[i].rotation, 0.1 * i + kAngle, 1e-12);
        EXPECT_EQ(seen[i].invisible, i == 4);
        EXPECT_EQ(seen[i].height, 0.25);
        EXPECT_EQ(seen[i].fieldLength, 15);
        // The definition's (1.5, 0.5 i) turned by 45 degrees about the insertion point.
        const double x = 1.5 * std::cos(kAngle) - 0.5 * i * std::sin(kAngle);
        const double y = 1.5 * std::sin(kAngle) + 0.5 * i * std::cos(kAngle);
        EXPECT_NEAR(seen[i].position.distanceTo({10.0 + x, 20.0 + y, 3.0}), 0.0, 1e-12);
    }
    AcDbAttribute attribute;
    EXPECT_EQ(attribute.setAttributeFromBlock(nullptr, AcGeMatrix3d::kIdentity), Acad::eNullEntityPointer);
}

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
}

TEST_F(BlockReferences, ExtentsHoldTheBlockAndTheAttributesAndMoveWithThem) {
    const AcDbObjectId node = insertNode(makeNodeBlock(), {100.0, 0.0, 0.0}, 0.0);
    AcDbBlockReference* reference = nullptr;
    ASSERT_EQ(acdbOpenObject(reference, node, AcDb::kForWrite), Acad::eOk);
    AcDbExtents extents;
    ASSERT_EQ(reference->getGeomExtents(extents), Acad::eOk);
    EXPECT_EQ(extents.minPoint().x, 99.0);
    EXPECT_EQ(extents.minPoint().y, -2.0);  // the constant definition is shown, the others not
    EXPECT_GE(extents.maxPoint().y, 2.0 + 0.25);
    ASSERT_EQ(reference->transformBy(AcGeMatrix3d::translation({0.0, 10.0, 0.0})), Acad::eOk);
    EXPECT_EQ(reference->position(), AcGePoint3d(100.0, 10.0, 0.0));
    reference->close();
    EXPECT_EQ(attributesOf(node)[1].position, AcGePoint3d(101.5, 10.5, 0.0));
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
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, second, AcDb::kForWrite), Acad::eOk);
    entity->erase();
    entity->close();

    AcDbBlockTableRecord* record = nullptr;
    ASSERT_EQ(acdbOpenObject(record, block, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(record->hasAttributeDefinitions());
    AcDbBlockTableRecordIterator* iterator = nullptr;
    ASSERT_EQ(record->newIterator(iterator), Acad::eOk);
    std::vector<AcDbObjectId> walked;
    for (; !iterator->done(); iterator->step()) {
        ASSERT_EQ(iterator->getEntity(entity, AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(entity->ownerId(), block);
        EXPECT_EQ(entity->layerId(), entity->objectId() == third ? layerZero : layer);
        walked.push_back(entity->objectId());
        entity->close();
    }
    delete iterator;
    record->close();
    EXPECT_EQ(walked, (std::vector<AcDbObjectId>{first, third}));
}

}  // namespace
