#include "acdbads.h"

#include <cwchar>

#include "acutmem.h"
#include "dbapserv.h"
#include "dbsymtb.h"
#include "name_compare.h"
#include "object_access.h"

using rvnhost::ObjectAccess;

int acdbSNValid(const ACHAR* name, int pipeTest) {
    if (name == nullptr) return RTERROR;
    std::size_t length = std::wcslen(name);
    if (length == 0 || length > 255) return RTERROR;
    for (const ACHAR* c = name; *c != L'\0'; ++c) {
        if (*c < 0x20 || std::wcschr(L"<>/\\\":;?*,=`", *c) != nullptr) return RTERROR;
        if (*c == L'|' && pipeTest != 0) return RTERROR;
    }
    return RTNORM;
}

namespace {

// Appends one item to a list being built; returns the new tail link.
resbuf** append(resbuf** tail, resbuf* item) {
    *tail = item;
    return &item->rbnext;
}

resbuf* stringItem(int code, const ACHAR* text) {
    resbuf* item = acutNewRb(code);
    acutNewString(text != nullptr ? text : L"", item->resval.rstring);
    return item;
}

resbuf* shortItem(int code, int value) {
    resbuf* item = acutNewRb(code);
    item->resval.rint = static_cast<short>(value);
    return item;
}

resbuf* realItem(int code, double value) {
    resbuf* item = acutNewRb(code);
    item->resval.rreal = value;
    return item;
}

void appendLayerData(resbuf** tail, const AcDbLayerTableRecord& layer) {
    int flags = (layer.isFrozen() ? 1 : 0) | (layer.VPDFLT() ? 2 : 0) | (layer.isLocked() ? 4 : 0);
    tail = append(tail, shortItem(70, flags));
    tail = append(tail, shortItem(62, layer.isOff() ? -layer.colorIndex() : layer.colorIndex()));
    append(tail, stringItem(6, AcDbSymbolTable::recordName(layer.linetypeObjectId()).c_str()));
}

void appendBlockData(resbuf** tail, const AcDbBlockTableRecord& block) {
    tail = append(tail, shortItem(70, block.isAnonymous() ? 1 : 0));
    resbuf* origin = acutNewRb(10);
    origin->resval.rpoint[X] = block.origin().x;
    origin->resval.rpoint[Y] = block.origin().y;
    origin->resval.rpoint[Z] = block.origin().z;
    append(tail, origin);
}

void appendStyleData(resbuf** tail, const AcDbTextStyleTableRecord& style) {
    const ACHAR* file = nullptr;
    const ACHAR* bigFont = nullptr;
    style.fileName(file);
    style.bigFontFileName(bigFont);
    tail = append(tail, shortItem(70, 0));
    tail = append(tail, realItem(40, style.textSize()));
    tail = append(tail, realItem(41, style.xScale()));
    tail = append(tail, realItem(50, style.obliquingAngle()));
    tail = append(tail, stringItem(3, file));
    append(tail, stringItem(4, bigFont));
}

void appendLinetypeData(resbuf** tail, const AcDbLinetypeTableRecord& linetype) {
    const ACHAR* comments = nullptr;
    linetype.comments(comments);
    tail = append(tail, shortItem(70, 0));
    append(tail, stringItem(3, comments));
}

// The table of the working database that a C-interface table name stands for.
AcDbObjectId tableNamed(const AcDbDatabase& database, const ACHAR* tableName) {
    if (rvnhost::sameName(tableName, L"APPID")) return database.regAppTableId();
    if (rvnhost::sameName(tableName, L"BLOCK")) return database.blockTableId();
    if (rvnhost::sameName(tableName, L"LAYER")) return database.layerTableId();
    if (rvnhost::sameName(tableName, L"LTYPE")) return database.linetypeTableId();
    if (rvnhost::sameName(tableName, L"STYLE")) return database.textStyleTableId();
    return AcDbObjectId::kNull;
}

}  // namespace

// The record is opened for read while its list is made, and closed again.
resbuf* acdbTblSearch(const ACHAR* tableName, const ACHAR* symbol, int) {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr || tableName == nullptr || symbol == nullptr) return nullptr;
    auto* table = AcDbSymbolTable::cast(ObjectAccess::peek(tableNamed(*database, tableName)));
    if (table == nullptr) return nullptr;
    AcDbSymbolTableRecord* record = nullptr;
    if (acdbOpenObject(record, table->findRecord(symbol, false), AcDb::kForRead) != Acad::eOk) return nullptr;
    const ACHAR* name = nullptr;
    record->getName(name);
    resbuf* list = stringItem(0, rvnhost::foldedName(tableName).c_str());
    resbuf** tail = append(&list->rbnext, stringItem(2, name));
    if (auto* layer = AcDbLayerTableRecord::cast(record)) appendLayerData(tail, *layer);
    else if (auto* block = AcDbBlockTableRecord::cast(record)) appendBlockData(tail, *block);
    else if (auto* style = AcDbTextStyleTableRecord::cast(record)) appendStyleData(tail, *style);
    else if (auto* linetype = AcDbLinetypeTableRecord::cast(record)) appendLinetypeData(tail, *linetype);
    else append(tail, shortItem(70, 0));
    record->close();
    return list;
}

int acdbRegApp(const ACHAR* appName) {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr || acdbSNValid(appName, 1) != RTNORM) return RTERROR;
    AcDbRegAppTable* table = nullptr;
    if (database->getSymbolTable(table, AcDb::kForWrite) != Acad::eOk) return RTERROR;
    auto* record = new AcDbRegAppTableRecord;
    record->setName(appName);
    Acad::ErrorStatus status = table->add(record);
    if (status == Acad::eOk) record->close();
    else delete record;
    table->close();
    return status == Acad::eOk ? RTNORM : RTERROR;
}
