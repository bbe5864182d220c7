#include "drawing_samples.h"

#include <gtest/gtest.h>

#include "acutmem.h"
#include "adscodes.h"
#include "db3dpl.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbdict.h"
#include "dbline.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "drawing_fixture.h"
#include "drawing_reader.h"
#include "drawing_writer.h"
#include "dxf_drawing_reader.h"
#include "dxf_drawing_writer.h"
#include "editor_open_object.h"
#include "table_records.h"
#include "test_marker.h"
#include "text_codec.h"

using enttest::appendTo;
using enttest::recordOf;
using rvnhost::OpenedObject;

namespace rvntest {

namespace {

AcDbObjectId addLinetype(AcDbDatabase& database) {
    auto* linetype = new AcDbLinetypeTableRecord;
    linetype->setComments(L"Tratto __ __ __");
    return addRecord<AcDbLinetypeTable>(database, linetype, kSampleLinetype);
}

AcDbObjectId addSampleLayer(AcDbDatabase& database, AcDbObjectId linetype) {
    auto* layer = new AcDbLayerTableRecord;
    layer->setColorIndex(3);
    layer->setIsFrozen(true);
    layer->setIsOff(true);
    layer->setLinetypeObjectId(linetype);
    return addRecord<AcDbLayerTable>(database, layer, kSampleLayer);
}

void addTextStyleAndBlock(AcDbDatabase& database) {
    auto* style = new AcDbTextStyleTableRecord;
    style->setTextSize(0.25);
    style->setFileName(L"romans.shx");
    addRecord<AcDbTextStyleTable>(database, style, kSampleStyle);
    addBlock(database, kSampleBlock, AcGePoint3d(1.5, -2.0, 0.25));
}

void addXData(AcDbDatabase& database, AcDbObjectId layerId) {
    registerApplication(database, kSampleApp);
    ads_point point = {10.0, 20.0, 30.0};
    resbuf* xdata = acutBuildList(AcDb::kDxfRegAppName, kSampleApp, AcDb::kDxfXdAsciiString, L"Rete1",
                                  AcDb::kDxfXdInteger16, 7, AcDb::kDxfXdReal, 2.5, AcDb::kDxfXdXCoord, point, 0);
    OpenedObject<AcDbLayerTableRecord> layer(layerId, AcDb::kForWrite);
    EXPECT_EQ(Acad::eOk, layer->setXData(xdata));
    acutRelRb(xdata);
}

// Puts object in the dictionary under key and closes it; its id.
AcDbObjectId addEntry(AcDbObjectId dictionaryId, const wchar_t* key, AcDbObject* object) {
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, dictionary->setAt(key, object, id));
    object->close();
    return id;
}

}  // namespace

AcDbObjectId addMarker(AcDbObjectId dictionaryId, const wchar_t* key, const wchar_t* label, double value,
                       AcDbObjectId target) {
    auto* marker = new RvnTestMarker;
    marker->label = label;
    marker->value = value;
    marker->target = target;
    return addEntry(dictionaryId, key, marker);
}

SampleDrawing makeSampleDrawing() {
    registerMarkerClass();
    SampleDrawing sample;
    sample.database = std::make_unique<AcDbDatabase>();
    AcDbDatabase& database = *sample.database;
    sample.layer = addSampleLayer(database, addLinetype(database));
    addTextStyleAndBlock(database);
    addXData(database, sample.layer);
    sample.dictionary = addEntry(database.namedObjectsDictionaryId(), kSampleDictionary, new AcDbDictionary);
    sample.marker = addMarker(sample.dictionary, kSampleMarkerKey, kSampleLabel, 12.5, sample.layer);
    EXPECT_EQ(Acad::eOk, database.setClayer(sample.layer));
    EXPECT_EQ(Acad::eOk, database.setLuprec(6));
    EXPECT_EQ(Acad::eOk, database.setAttmode(2));
    EXPECT_EQ(Acad::eOk, database.setTextsize(0.35));
    return sample;
}

SampleEntities addSampleEntities(SampleDrawing& sample) {
    AcDbDatabase& database = *sample.database;
    SampleEntities entities;
    entities.line = appendTo(database, ACDB_MODEL_SPACE, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 1)));
    ads_point point = {1.0, 2.0, 3.0};
    resbuf* xdata = acutBuildList(AcDb::kDxfRegAppName, kSampleApp, AcDb::kDxfXdAsciiString, L"ramo",
                                  AcDb::kDxfXdWorldXCoord, point, 0);
    EXPECT_EQ(Acad::eOk, OpenedObject<AcDbLine>(entities.line, AcDb::kForWrite)->setXData(xdata));
    acutRelRb(xdata);
    AcGePoint3dArray vertices = {AcGePoint3d(0, 0, 100), AcGePoint3d(50, 0, 99.5), AcGePoint3d(50, 40, 99)};
    entities.polyline = appendTo(database, ACDB_MODEL_SPACE, new AcDb3dPolyline(AcDb::k3dSimplePoly, vertices));
    auto* definition = new AcDbAttributeDefinition;
    definition->setTag(L"NODE_01");
    definition->setPrompt(L"Nome");
    appendTo(database, kSampleBlock, definition);
    entities.reference = appendTo(database, ACDB_MODEL_SPACE,
                                new AcDbBlockReference(AcGePoint3d(50, 40, 99), recordOf(database, kSampleBlock)));
    OpenedObject<AcDbBlockReference> reference(entities.reference, AcDb::kForWrite);
    auto* attribute = new AcDbAttribute(AcGePoint3d(50, 40, 99), L"N1", L"NODE_01");
    AcDbObjectId attributeId;
    EXPECT_EQ(Acad::eOk, reference->appendAttribute(attributeId, attribute));
    attribute->close();
    auto* profile = new AcDbPolyline;
    profile->addVertexAt(0, {0.0, -5.0}, 0.5);
    profile->addVertexAt(1, {20.0, -5.0});
    profile->setColorIndex(3);
    entities.profile = appendTo(database, ACDB_MODEL_SPACE, profile);
    entities.text = appendTo(database, ACDB_MODEL_SPACE, new AcDbText({0.0, -10.0, 0.0}, L"Profilo P1-P2"));
    return entities;
}

std::vector<unsigned char> saveToBytes(AcDbDatabase& database) {
    std::vector<unsigned char> bytes;
    std::wstring message;
    EXPECT_EQ(Acad::eOk, rvnhost::writeDrawing(database, bytes, message)) << rvnos::toUtf8(message);
    return bytes;
}

std::unique_ptr<AcDbDatabase> openFromBytes(const std::vector<unsigned char>& bytes, std::wstring& message) {
    auto database = std::make_unique<AcDbDatabase>(false, true);
    if (rvnhost::readDrawing(bytes, *database, message) != Acad::eOk) return nullptr;
    return database;
}

std::string saveToDxf(AcDbDatabase& database) {
    std::string text;
    std::wstring message;
    EXPECT_EQ(Acad::eOk, rvnhost::writeDxf(database, text, message)) << rvnos::toUtf8(message);
    return text;
}

std::unique_ptr<AcDbDatabase> openFromDxf(const std::string& text, std::wstring& message) {
    auto database = std::make_unique<AcDbDatabase>(false, true);
    if (rvnhost::readDxf(text, *database, message) != Acad::eOk) return nullptr;
    return database;
}

std::vector<std::wstring> objectInventory(AcDbDatabase& database) {
    std::vector<std::wstring> inventory;
    for (AcDbObjectId id : database.allObjectIds()) {
        if (id.isErased()) continue;
        OpenedObject<AcDbObject> object(id, AcDb::kForRead);
        inventory.push_back(id.handle().text() + L" " + (object ? object->isA()->name() : L"?"));
    }
    return inventory;
}

AcDbObjectId idOf(AcDbDatabase& database, AcDbObjectId sameHandleElsewhere) {
    AcDbObjectId id;
    database.getAcDbObjectId(id, false, sameHandleElsewhere.handle());
    return id;
}

}  // namespace rvntest
