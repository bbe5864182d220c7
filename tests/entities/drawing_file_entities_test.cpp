// A drawing holding the schema's entities saved to a drawing file and opened again.
#include <gtest/gtest.h>

#include <memory>

#include "acutmem.h"
#include "db_entity_owned.h"
#include "drawing_file.h"
#include "drawing_fixture.h"
#include "object_access.h"
#include "pick.h"
#include "temp_folder.h"
#include "text_codec.h"

namespace {

using rvnhost::ObjectAccess;

class EntitiesInADrawingFile : public enttest::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        registerApplication(L"TZ-SCHEMA_RETE-RVN");
        addLayer(L"TZ-RV-Rete");
        const AcDbObjectId block = addBlock(L"TZ-RV-NODO");
        append(new AcDbLine({-0.5, 0.0, 0.0}, {0.5, 0.0, 0.0}), block);
        append(new AcDbAttributeDefinition({0.5, 0.5, 0.0}, L"", L"NODE_01", L"Nome"), block);

        auto* node = new AcDbBlockReference({10.0, 0.0, 2.0}, block);
        node->setLayer(L"TZ-RV-Rete");
        node->appendAttribute(new AcDbAttribute({10.5, 0.5, 2.0}, L"N1", L"NODE_01"));
        node_ = append(node);

        auto* branch = new AcDb3dPolyline(AcDb::k3dSimplePoly, {{10.0, 0.0, 2.0}, {20.0, 0.0, 2.5}});
        branch->setLayer(L"TZ-RV-Rete");
        const ads_point lengthAndDiameter = {10.0, 0.2, 0.0};
        resbuf* data = acutBuildList(AcDb::kDxfRegAppName, L"TZ-SCHEMA_RETE-RVN", AcDb::kDxfXdXCoord,
                                     lengthAndDiameter, 0);
        branch->setXData(data);
        acutRelRb(data);
        branch_ = append(branch);

        auto* profile = new AcDbPolyline;
        profile->addVertexAt(0, {0.0, -5.0}, 0.5);
        profile->addVertexAt(1, {20.0, -5.0});
        profile->setColorIndex(3);
        profile_ = append(profile);
        text_ = append(new AcDbText({0.0, -10.0, 0.0}, L"Profilo P1-P2"));
    }

    std::unique_ptr<AcDbDatabase> saveAndOpen() {
        rvntest::TempFolder folder;
        const std::wstring path = rvnos::fromUtf8((folder.path() / "schema.dwg").string());
        std::wstring message;
        EXPECT_EQ(rvnhost::saveDrawingFile(db_, path, message), Acad::eOk) << rvnos::toUtf8(message);
        std::unique_ptr<AcDbDatabase> reopened = rvnhost::openDrawingFile(path, message);
        EXPECT_NE(reopened, nullptr) << rvnos::toUtf8(message);
        return reopened;
    }

    static AcDbObjectId same(AcDbDatabase& database, AcDbObjectId original) {
        AcDbObjectId id;
        database.getAcDbObjectId(id, false, original.handle());
        return id;
    }

    AcDbObjectId node_, branch_, profile_, text_;
};

TEST_F(EntitiesInADrawingFile, ComeBackWithTheirGeometryAttributesVerticesAndData) {
    const std::unique_ptr<AcDbDatabase> reopened = saveAndOpen();
    ASSERT_NE(reopened, nullptr);

    AcDbBlockReference* node = nullptr;
    ASSERT_EQ(acdbOpenObject(node, same(*reopened, node_), AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(node->position(), AcGePoint3d(10.0, 0.0, 2.0));
    ACHAR* layer = node->layer();
    EXPECT_STREQ(layer, L"TZ-RV-Rete");
    acutDelString(layer);
    std::unique_ptr<AcDbObjectIterator> attributes(node->attributeIterator());
    ASSERT_FALSE(attributes->done());
    AcDbAttribute* attribute = nullptr;
    ASSERT_EQ(node->openAttribute(attribute, attributes->objectId(), AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(attribute->textStringConst(), L"N1");
    EXPECT_STREQ(attribute->tagConst(), L"NODE_01");
    attribute->close();
    AcDbBlockTableRecord* block = nullptr;
    ASSERT_EQ(acdbOpenObject(block, node->blockTableRecord(), AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(block->hasAttributeDefinitions());
    block->close();
    node->close();

    AcDb3dPolyline* branch = nullptr;
    ASSERT_EQ(acdbOpenObject(branch, same(*reopened, branch_), AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(branch->pathPoints(), (AcGePoint3dArray{{10.0, 0.0, 2.0}, {20.0, 0.0, 2.5}}));
    resbuf* data = branch->xData(L"TZ-SCHEMA_RETE-RVN");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->rbnext->resval.rpoint[Y], 0.2);
    acutRelRb(data);
    branch->close();
    EXPECT_EQ(rvnhost::subentitiesOf(same(*reopened, branch_)).size(), 3u);

    AcDbPolyline* profile = nullptr;
    ASSERT_EQ(acdbOpenObject(profile, same(*reopened, profile_), AcDb::kForRead), Acad::eOk);
    double bulge = 0.0;
    profile->getBulgeAt(0, bulge);
    EXPECT_EQ(bulge, 0.5);
    EXPECT_EQ(profile->colorIndex(), 3);
    profile->close();

    AcDbText* text = nullptr;
    ASSERT_EQ(acdbOpenObject(text, same(*reopened, text_), AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(text->textStringConst(), L"Profilo P1-P2");
    text->close();

    // Picking finds the entities of the drawing opened.
    EXPECT_EQ(rvnhost::entityUnder(*reopened, {15.0, 0.0, 0.0}, 0.1), same(*reopened, branch_));
    EXPECT_EQ(rvnhost::entityUnder(*reopened, {10.5, 0.6, 0.0}, 0.1), same(*reopened, node_));
}

}  // namespace
