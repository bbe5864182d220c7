// The content of a new default drawing.
#include "dbdatabase.h"
#include "dbdict.h"
#include "dbsymtb.h"

namespace {

// Adds a new object to the database and gives it back closed.
template <class T>
AcDbObjectId addClosed(AcDbDatabase& database, T* object) {
    AcDbObjectId id;
    database.addAcDbObject(id, object);
    object->close();
    return id;
}

template <class Table, class Record>
AcDbObjectId addRecordClosed(AcDbObjectId tableId, const ACHAR* name, Record* record) {
    record->setName(name);
    Table* table = nullptr;
    AcDbObjectId id;
    acdbOpenObject(table, tableId, AcDb::kForWrite);
    table->add(id, record);
    record->close();
    table->close();
    return id;
}

}  // namespace

void AcDbDatabase::buildDefaultDrawing() {
    blockTable_ = addClosed(*this, new AcDbBlockTable);
    layerTable_ = addClosed(*this, new AcDbLayerTable);
    textStyleTable_ = addClosed(*this, new AcDbTextStyleTable);
    linetypeTable_ = addClosed(*this, new AcDbLinetypeTable);
    regAppTable_ = addClosed(*this, new AcDbRegAppTable);
    namedObjects_ = addClosed(*this, new AcDbDictionary);

    byBlock_ = addRecordClosed<AcDbLinetypeTable>(linetypeTable_, L"ByBlock", new AcDbLinetypeTableRecord);
    byLayer_ = addRecordClosed<AcDbLinetypeTable>(linetypeTable_, L"ByLayer", new AcDbLinetypeTableRecord);
    auto* continuous = new AcDbLinetypeTableRecord;
    continuous->setComments(L"Solid line");
    continuous_ = addRecordClosed<AcDbLinetypeTable>(linetypeTable_, L"Continuous", continuous);
    clayer_ = addRecordClosed<AcDbLayerTable>(layerTable_, L"0", new AcDbLayerTableRecord);
    textstyle_ = addRecordClosed<AcDbTextStyleTable>(textStyleTable_, L"Standard", new AcDbTextStyleTableRecord);
    addRecordClosed<AcDbBlockTable>(blockTable_, ACDB_MODEL_SPACE, new AcDbBlockTableRecord);
    addRecordClosed<AcDbBlockTable>(blockTable_, ACDB_PAPER_SPACE, new AcDbBlockTableRecord);
    addRecordClosed<AcDbRegAppTable>(regAppTable_, L"ACAD", new AcDbRegAppTableRecord);
}
