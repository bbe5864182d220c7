#include <gtest/gtest.h>

#include <memory>

#include "db_entity_dxf.h"
#include "db_entity_owned.h"
#include "drawing_fixture.h"
#include "dwg_memory_filer.h"
#include "dxf_memory_filer.h"

namespace {

using rvnhost::MemoryDwgFiler;
using rvnhost::MemoryDxfFiler;

class EntityFiling : public enttest::DrawingTest {
protected:
    // Files source and reads the sequence into copy; every item must be read.
    static void dwgRoundTrip(const AcDbObject& source, AcDbObject& copy) {
        MemoryDwgFiler filer(AcDb::kCopyFiler);
        ASSERT_EQ(source.dwgOutFields(&filer), Acad::eOk);
        filer.rewind();
        ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk) << rvnos::toUtf8(filer.dump());
        EXPECT_EQ(filer.position(), filer.items().size());
    }
    // The DXF groups of the object after its handle (5) and owner (330).
    std::wstring groups(const AcDbObject& object) {
        MemoryDxfFiler filer(AcDb::kFileFiler, &db_);
        EXPECT_EQ(object.dxfOutFields(&filer), Acad::eOk);
        const std::wstring dump = filer.dump();
        std::size_t start = 0;
        for (int line = 0; line < 2; ++line) start = dump.find(L'\n', start) + 1;
        return dump.substr(start);
    }
    // Files source, cuts that many items off the end and reads the rest into target.
    static Acad::ErrorStatus readCut(const AcDbObject& source, AcDbObject& target, std::size_t cut) {
        MemoryDwgFiler filer(AcDb::kCopyFiler);
        EXPECT_EQ(source.dwgOutFields(&filer), Acad::eOk);
        filer.truncate(filer.items().size() - cut);
        filer.rewind();
        return target.dwgInFields(&filer);
    }
    Acad::ErrorStatus dxfRoundTrip(const AcDbObject& source, AcDbObject& copy) {
        MemoryDxfFiler filer(AcDb::kFileFiler, &db_);
        EXPECT_EQ(source.dxfOutFields(&filer), Acad::eOk);
        filer.rewind();
        const Acad::ErrorStatus status = copy.dxfInFields(&filer);
        EXPECT_TRUE(filer.atEOF());
        return status;
    }
    // Copies of source read through DWG and through DXF file the same groups as source itself.
    void expectCopiesFileAlike(const AcDbObject& source) {
        const std::wstring expected = groups(source);
        std::unique_ptr<AcDbObject> viaDwg(AcDbObject::cast(source.isA()->create()));
        ASSERT_NE(viaDwg, nullptr);
        dwgRoundTrip(source, *viaDwg);
        EXPECT_EQ(groups(*viaDwg), expected) << "through DWG";
        std::unique_ptr<AcDbObject> viaDxf(AcDbObject::cast(source.isA()->create()));
        ASSERT_EQ(dxfRoundTrip(source, *viaDxf), Acad::eOk);
        EXPECT_EQ(groups(*viaDxf), expected) << "through DXF";
    }
    // A DXF filer holding the common groups of an entity on layer "0", then the given ones.
    template <class Write>
    std::unique_ptr<MemoryDxfFiler> entityGroups(Write write) {
        auto filer = std::make_unique<MemoryDxfFiler>(AcDb::kFileFiler, &db_);
        filer->writeString(AcDb::kDxfSubclass, L"AcDbEntity");
        filer->writeString(AcDb::kDxfLayerName, L"0");
        write(*filer);
        filer->rewind();
        return filer;
    }
};

// The drawing round trip (tests/drawing) files the plug-in's entities; here the groups each kind
// writes, and copies through DWG and DXF that file alike, for what that drawing does not hold.
TEST_F(EntityFiling, EntitiesWriteTheirGroupsAndFileAlikeThroughDwgAndDxf) {
    AcDbLine line({1.0, 2.0, 3.0}, {4.0, 5.0, 6.0});
    line.setLayer(L"0");
    line.setColorIndex(1);
    line.setThickness(2.0);
    line.setLinetype(L"Continuous");
    line.setNormal({0.0, 0.0, -2.0});
    EXPECT_EQ(groups(line),
              L"100 AcDbEntity\n8 0\n6 Continuous\n62 1\n100 AcDbLine\n39 2\n10 1,2,3\n11 4,5,6\n210 0,0,-1\n");
    expectCopiesFileAlike(line);
    AcDbPoint point({1.0, 2.0, 3.0});
    point.setLayer(L"0");
    point.setEcsRotation(0.5);
    expectCopiesFileAlike(point);
    AcDbAttributeDefinition definition({0.0, 0.0, 0.0}, L"-", L"NODE_01", L"Nome");
    definition.setLayer(L"0");
    definition.setHeight(0.5);
    definition.setInvisible(true);
    definition.setFieldLength(15);
    definition.setHorizontalMode(AcDb::kTextCenter);
    definition.setAlignmentPoint({3.0, 2.0, 0.0});
    definition.setWidthFactor(0.75);
    expectCopiesFileAlike(definition);
    AcDbAttribute attribute({2.0, 0.0, 0.0}, L"N1", L"NODE_01");
    attribute.setLayer(L"0");
    attribute.setHeight(0.5);
    attribute.setVerticalMode(AcDb::kTextTop);
    attribute.setAlignmentPoint({2.0, 1.0, 0.0});
    EXPECT_EQ(groups(attribute), L"100 AcDbEntity\n8 0\n100 AcDbText\n10 2,0,0\n40 0.5\n1 N1\n7 Standard\n"
                                 L"11 2,1,0\n100 AcDbAttribute\n2 NODE_01\n70 0\n74 3\n");
    expectCopiesFileAlike(attribute);
    const AcDbObjectId block = addBlock(L"B");
    auto* reference = new AcDbBlockReference({1.0, 2.0, 3.0}, block);
    reference->setRotation(0.5);
    reference->setScaleFactors(AcGeScale3d(2.0));
    reference->appendAttribute(new AcDbAttribute({1.0, 0.0, 0.0}, L"x", L"T"));
    const AcDbObjectId id = append(reference);
    const rvnhost::OpenedObject<AcDbBlockReference> opened(id, AcDb::kForRead);
    ASSERT_TRUE(opened);
    EXPECT_NE(groups(*opened.get()).find(L"100 AcDbBlockReference\n66 1\n2 B\n10 1,2,3\n41 2\n42 2\n43 2\n50 0.5\n"),
              std::wstring::npos);
    AcDbBlockReference copy;
    dwgRoundTrip(*opened.get(), copy);
    EXPECT_EQ(rvnhost::subentitiesOf(id), copy.subentityList().fileOrder());
}

TEST_F(EntityFiling, PolylinesAndVertices) {
    const AcDbObjectId id = append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}}, true));
    const std::vector<AcDbObjectId> owned = rvnhost::subentitiesOf(id);
    AcDb3dPolyline* polyline = nullptr;
    ASSERT_EQ(acdbOpenObject(polyline, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(groups(*polyline), L"100 AcDbEntity\n8 0\n100 AcDb3dPolyline\n66 1\n10 0,0,0\n70 9\n");
    AcDb3dPolyline copy;
    dwgRoundTrip(*polyline, copy);
    EXPECT_TRUE(copy.isClosed());
    EXPECT_EQ(copy.subentityList().fileOrder(), owned);
    polyline->setPolyType(AcDb::k3dCubicSplinePoly);
    EXPECT_EQ(groups(*polyline), L"100 AcDbEntity\n8 0\n100 AcDb3dPolyline\n66 1\n10 0,0,0\n70 13\n75 6\n");
    AcDb3dPolyline fromDxf;
    ASSERT_EQ(dxfRoundTrip(*polyline, fromDxf), Acad::eOk);
    EXPECT_EQ(fromDxf.polyType(), AcDb::k3dCubicSplinePoly);
    EXPECT_TRUE(fromDxf.isClosed());
    AcDb3dPolylineVertex* vertex = nullptr;
    ASSERT_EQ(polyline->openVertex(vertex, owned[0], AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(groups(*vertex), L"100 AcDbEntity\n8 0\n100 AcDbVertex\n100 AcDb3dPolylineVertex\n10 1,2,3\n70 48\n");
    expectCopiesFileAlike(*vertex);
    vertex->close();
    polyline->close();
    const rvnhost::OpenedObject<AcDbSequenceEnd> end(owned.back(), AcDb::kForRead);
    ASSERT_TRUE(end);
    EXPECT_EQ(groups(*end.get()), L"100 AcDbEntity\n8 0\n");

    AcDb2dPolyline flat(AcDb::k2dSimplePoly, {}, 2.0, true);
    flat.setLayer(L"0");
    expectCopiesFileAlike(flat);
    AcDb2dVertex flatVertex({1.0, 1.0, 2.0}, 0.5);
    flatVertex.setLayer(L"0");
    expectCopiesFileAlike(flatVertex);

    AcDbPolyline light;
    light.setLayer(L"0");
    light.addVertexAt(0, {0.0, 0.0}, 0.5);
    light.addVertexAt(1, {1.0, 0.0});
    light.setElevation(5.0);
    light.setClosed(true);
    light.setWidthsAt(1, 0.5, 0.25);
    expectCopiesFileAlike(light);
}

TEST_F(EntityFiling, ACutOrDamagedSequenceIsRefusedAndChangesNothing) {
    AcDbLine target({7.0, 7.0, 7.0}, {8.0, 8.0, 8.0});
    EXPECT_EQ(readCut(AcDbLine({1.0, 1.0, 1.0}, {2.0, 2.0, 2.0}), target, 2), Acad::eEndOfFile);
    EXPECT_EQ(target.startPoint(), AcGePoint3d(7.0, 7.0, 7.0));

    // A polyline claiming a negative number of vertices.
    MemoryDwgFiler crafted(AcDb::kCopyFiler);
    AcDb3dPolyline().AcDbCurve::dwgOutFields(&crafted);
    crafted.writeInt16(0);
    crafted.writeBool(false);
    crafted.writeInt32(-4);
    crafted.rewind();
    AcDb3dPolyline polyline;
    EXPECT_EQ(polyline.dwgInFields(&crafted), Acad::eDwgObjectImproperlyRead);

    AcDbText textTarget({5.0, 5.0, 5.0}, L"kept");
    EXPECT_EQ(readCut(AcDbText({0.0, 0.0, 0.0}, L"t"), textTarget, 1), Acad::eEndOfFile);
    EXPECT_STREQ(textTarget.textStringConst(), L"kept");
}

TEST_F(EntityFiling, MalformedDxfGroupsAreRefusedWithAMessage) {
    auto noTag = entityGroups([](MemoryDxfFiler& f) {
        f.writeString(AcDb::kDxfSubclass, L"AcDbText");
        f.writePoint3d(AcDb::kDxfXCoord, AcGePoint3d::kOrigin);
        f.writeDouble(AcDb::kDxfTxtSize, 1.0);
        f.writeString(AcDb::kDxfSubclass, L"AcDbAttribute");
    });
    AcDbAttribute attribute;
    EXPECT_EQ(attribute.dxfInFields(noTag.get()), Acad::eMissingDxfField);
    EXPECT_NE(std::wstring(noTag->errorMessage()).find(L"tag"), std::wstring::npos);

    auto unknownBlock = entityGroups([](MemoryDxfFiler& f) {
        f.writeString(AcDb::kDxfSubclass, L"AcDbBlockReference");
        f.writeString(AcDb::kDxfSymbolTableName, L"NESSUNO");
    });
    AcDbBlockReference reference;
    EXPECT_EQ(reference.dxfInFields(unknownBlock.get()), Acad::eKeyNotFound);
    EXPECT_NE(std::wstring(unknownBlock->errorMessage()).find(L"NESSUNO"), std::wstring::npos);

    auto widthFirst = entityGroups([](MemoryDxfFiler& f) {
        f.writeString(AcDb::kDxfSubclass, L"AcDbPolyline");
        f.writeDouble(AcDb::kDxfReal, 1.0);
    });
    AcDbPolyline light;
    EXPECT_EQ(light.dxfInFields(widthFirst.get()), Acad::eBadDxfSequence);

    auto flatText = entityGroups([](MemoryDxfFiler& f) {
        f.writeString(AcDb::kDxfSubclass, L"AcDbText");
        f.writeDouble(AcDb::kDxfTxtSize, 0.0);
    });
    AcDbText text;
    EXPECT_EQ(text.dxfInFields(flatText.get()), Acad::eInvalidInput);

    auto wrongClass = entityGroups([](MemoryDxfFiler& f) { f.writeString(AcDb::kDxfSubclass, L"AcDbCircle"); });
    AcDbLine line;
    EXPECT_EQ(line.dxfInFields(wrongClass.get()), Acad::eBadDxfSequence);
}

// A DXF file's entity names and flags give the classes its entities are read as.
TEST_F(EntityFiling, DxfNamesGiveTheClasses) {
    EXPECT_EQ(rvnhost::dxfEntityClass(L"POLYLINE", 8), AcDb3dPolyline::desc());
    EXPECT_EQ(rvnhost::dxfEntityClass(L"POLYLINE", 1), AcDb2dPolyline::desc());
    EXPECT_EQ(rvnhost::dxfEntityClass(L"POLYLINE", 64), nullptr);
    EXPECT_EQ(rvnhost::dxfEntityClass(L"VERTEX", 32), AcDb3dPolylineVertex::desc());
    EXPECT_EQ(rvnhost::dxfEntityClass(L"VERTEX", 0), AcDb2dVertex::desc());
    EXPECT_EQ(rvnhost::dxfEntityClass(L"CIRCLE", 0), nullptr);
    EXPECT_TRUE(rvnhost::isPlanarPointGroup(L"LWPOLYLINE", 10));
    EXPECT_FALSE(rvnhost::isPlanarPointGroup(L"LINE", 10));
}

TEST_F(EntityFiling, SubentitiesReadFromAFileJoinTheirOwner) {
    const AcDbObjectId polylineId = append(new AcDb3dPolyline);
    auto* loose = new AcDb3dPolylineVertex({1.0, 0.0, 0.0});
    const AcDbObjectId looseId = append(loose);
    auto* flat = new AcDb2dVertex({0.0, 0.0, 0.0});
    const AcDbObjectId flatId = append(flat);
    EXPECT_EQ(rvnhost::attachSubentity(polylineId, flatId), Acad::eWrongObjectType);
    ASSERT_EQ(rvnhost::attachSubentity(polylineId, looseId), Acad::eOk);
    EXPECT_EQ(rvnhost::attachSubentity(polylineId, looseId), Acad::eDuplicateKey);
    EXPECT_EQ(rvnhost::attachSubentity(looseId, flatId), Acad::eNotApplicable);
    const std::vector<AcDbObjectId> owned = rvnhost::subentitiesOf(polylineId);
    ASSERT_EQ(owned.size(), 2u);
    EXPECT_EQ(owned[0], looseId);
}

}  // namespace
