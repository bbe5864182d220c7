#include "drawing_check.h"

#include <memory>

#include "db_entity_owned.h"
#include "dbdict.h"
#include "dbents_vertex.h"
#include "dbsymtb.h"
#include "drawing_read_guard.h"
#include "object_access.h"

namespace rvnhost {

namespace {

struct TableKind {
    AcRxClass* table;
    AcRxClass* record;
};

const TableKind* kindOfTable(const AcDbObject& object) {
    static const TableKind kinds[] = {
        {AcDbBlockTable::desc(), AcDbBlockTableRecord::desc()},
        {AcDbLayerTable::desc(), AcDbLayerTableRecord::desc()},
        {AcDbLinetypeTable::desc(), AcDbLinetypeTableRecord::desc()},
        {AcDbTextStyleTable::desc(), AcDbTextStyleTableRecord::desc()},
        {AcDbRegAppTable::desc(), AcDbRegAppTableRecord::desc()},
    };
    for (const TableKind& kind : kinds) {
        if (object.isKindOf(kind.table)) return &kind;
    }
    return nullptr;
}

bool isA(AcDbObjectId id, const AcRxClass* type) {
    const AcDbObject* object = ObjectAccess::peek(id);
    return object != nullptr && object->isKindOf(type);
}

bool isNullOr(AcDbObjectId id, const AcRxClass* type) { return id.isNull() || isA(id, type); }

// A record of the header: present, of the record class, and held by its table.
bool isRecordOf(AcDbObjectId record, AcDbObjectId table, const AcRxClass* type) {
    const auto* holder = AcDbSymbolTable::cast(ObjectAccess::peek(table));
    return isA(record, type) && holder != nullptr && holder->has(record);
}

bool headerIsConsistent(const AcDbDatabase& database) {
    AcDbDatabase::HeaderIds ids = database.headerIds();
    return isA(ids.namedObjects, AcDbDictionary::desc()) && isA(ids.blockTable, AcDbBlockTable::desc()) &&
           isA(ids.layerTable, AcDbLayerTable::desc()) && isA(ids.linetypeTable, AcDbLinetypeTable::desc()) &&
           isA(ids.textStyleTable, AcDbTextStyleTable::desc()) && isA(ids.regAppTable, AcDbRegAppTable::desc()) &&
           isRecordOf(ids.clayer, ids.layerTable, AcDbLayerTableRecord::desc()) &&
           isRecordOf(ids.textstyle, ids.textStyleTable, AcDbTextStyleTableRecord::desc()) &&
           isRecordOf(ids.byLayer, ids.linetypeTable, AcDbLinetypeTableRecord::desc()) &&
           isRecordOf(ids.byBlock, ids.linetypeTable, AcDbLinetypeTableRecord::desc()) &&
           isRecordOf(ids.continuous, ids.linetypeTable, AcDbLinetypeTableRecord::desc());
}

bool tableIsConsistent(const AcDbSymbolTable& table) {
    const TableKind* kind = kindOfTable(table);
    if (kind == nullptr) return false;
    for (AcDbObjectId record : table.recordIds()) {
        if (!isA(record, kind->record)) return false;
    }
    return true;
}

bool dictionaryIsConsistent(const AcDbDictionary& dictionary) {
    std::unique_ptr<AcDbDictionaryIterator> entries(dictionary.newIterator(AcRx::kDictCollated));
    for (; entries != nullptr && !entries->done(); entries->next()) {
        if (!entries->objectId().isValid()) return false;
    }
    return entries != nullptr;
}

bool blockIsConsistent(const AcDbBlockTableRecord& block) {
    for (AcDbObjectId entity : block.entityIds()) {
        if (!isA(entity, AcDbEntity::desc())) return false;
    }
    return true;
}

// What a complex entity owns: entities it accepts (vertices of its kind, attributes) and its
// sequence end.
bool subentitiesAreConsistent(const ComplexEntity& owner) {
    for (AcDbObjectId id : owner.subentityList().fileOrder()) {
        const AcDbEntity* entity = AcDbEntity::cast(ObjectAccess::peek(id));
        if (entity == nullptr || (AcDbSequenceEnd::cast(entity) == nullptr && !owner.acceptsSubentity(*entity))) {
            return false;
        }
    }
    return true;
}

bool entityIsConsistent(const AcDbEntity& entity) {
    if (!isNullOr(entity.layerId(), AcDbLayerTableRecord::desc()) ||
        !isNullOr(entity.linetypeId(), AcDbLinetypeTableRecord::desc())) {
        return false;
    }
    const auto* complex = dynamic_cast<const ComplexEntity*>(&entity);
    return complex == nullptr || subentitiesAreConsistent(*complex);
}

// The references every object of a host class holds, each to the right kind of object.
bool objectIsConsistent(const AcDbObject& object) {
    if (const auto* table = AcDbSymbolTable::cast(&object)) return tableIsConsistent(*table);
    if (const auto* dictionary = AcDbDictionary::cast(&object)) return dictionaryIsConsistent(*dictionary);
    if (const auto* block = AcDbBlockTableRecord::cast(&object)) return blockIsConsistent(*block);
    if (const auto* layer = AcDbLayerTableRecord::cast(&object)) {
        return isNullOr(layer->linetypeObjectId(), AcDbLinetypeTableRecord::desc());
    }
    if (const auto* entity = AcDbEntity::cast(&object)) return entityIsConsistent(*entity);
    return true;
}

}  // namespace

Acad::ErrorStatus checkDrawing(AcDbDatabase& database, std::wstring& message) {
    if (!headerIsConsistent(database)) {
        message = L"the file is damaged (its header does not name the drawing's tables and records)";
        return Acad::eDwgNeedsRecovery;
    }
    for (AcDbObjectId id : database.allObjectIds()) {
        ReadableObject object(id);
        if (object.get() == nullptr || !objectIsConsistent(*object.get())) {
            message = L"the file is damaged (object " + rvnhost::shownHandle(id.handle()) + L" is inconsistent)";
            return Acad::eDwgNeedsRecovery;
        }
    }
    return Acad::eOk;
}

}  // namespace rvnhost
