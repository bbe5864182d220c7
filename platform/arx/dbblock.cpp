// Block definitions: containers of entities.
#include <algorithm>
#include <cwchar>

#include "builtin_class.h"
#include "db_entity_owned.h"
#include "dbsymtb.h"
#include "name_compare.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbBlockTable)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbBlockTableRecord)

using rvnhost::ObjectAccess;

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status == Acad::eOk) origin_ = origin;
    return status;
}

bool AcDbBlockTableRecord::isAnonymous() const {
    const std::wstring& name = nameText();
    return name.size() > 1 && name[0] == L'*' && !isLayout();
}

bool AcDbBlockTableRecord::isLayout() const {
    return rvnhost::sameName(nameText(), ACDB_MODEL_SPACE) || rvnhost::sameName(nameText(), ACDB_PAPER_SPACE);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    id.setNull();
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (entity == nullptr) return Acad::eNullEntityPointer;
    if (database() == nullptr) return Acad::eNoDatabase;
    if (!entity->objectId().isNull()) return Acad::eAlreadyInDb;
    if (entity->layerId().isNull()) entity->setDatabaseDefaults(database());
    status = database()->addAcDbObject(id, entity);
    if (status != Acad::eOk) return status;
    ObjectAccess::setOwner(*entity, objectId());
    entities_.push_back(id);
    rvnhost::joinSubentitiesToDatabase(*entity);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
    AcDbObjectId id;
    return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning,
                                                    bool skipErased) const {
    iterator = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    iterator = new AcDbBlockTableRecordIterator(entities_, atBeginning, skipErased);
    return Acad::eOk;
}

// The layouts cannot be erased; erasing a block erases (and unerasing restores) its entities.
Acad::ErrorStatus AcDbBlockTableRecord::subErase(bool erasing) {
    if (erasing && isLayout()) return Acad::eCannotBeErasedByCaller;
    for (AcDbObjectId entity : entities_) ObjectAccess::markErased(entity, erasing);
    return Acad::eOk;
}

// "*U" becomes "*U<n>", n one above the highest number of the anonymous blocks so far.
void AcDbBlockTable::prepareRecord(AcDbSymbolTableRecord* record) {
    const ACHAR* name = nullptr;
    record->getName(name);
    if (name == nullptr || !rvnhost::sameName(name, L"*U")) return;
    unsigned long highest = 0;
    for (AcDbObjectId id : recordIds()) {
        std::wstring name = recordName(id);
        if (name.size() < 3 || !rvnhost::sameName(name.substr(0, 2), L"*U")) continue;
        wchar_t* end = nullptr;
        unsigned long number = std::wcstoul(name.c_str() + 2, &end, 10);
        if (*end == L'\0') highest = std::max(highest, number);
    }
    record->setName((L"*U" + std::to_wstring(highest + 1)).c_str());
}

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(std::vector<AcDbObjectId> entities, bool atBeginning,
                                                           bool skipErased)
    : walker_(std::move(entities), atBeginning, skipErased) {}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipErased) { walker_.start(atBeginning, skipErased); }

bool AcDbBlockTableRecordIterator::done() const { return walker_.done(); }

void AcDbBlockTableRecordIterator::step(bool forward, bool skipErased) { walker_.step(forward, skipErased); }

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const { return walker_.getRecordId(id); }

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErasedEntity) const {
    entity = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus status = walker_.getRecordId(id);
    if (status != Acad::eOk) return status;
    return acdbOpenObject(entity, id, mode, openErasedEntity);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(AcDbObjectId id) { return walker_.seek(id); }

Acad::ErrorStatus AcDbBlockTableRecord::attachEntity(AcDbObjectId entity) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    AcDbObject* object = ObjectAccess::peek(entity);
    if (object == nullptr || entity.database() != database()) return Acad::eWrongDatabase;
    if (!object->isKindOf(AcDbEntity::desc())) return Acad::eNotAnEntity;
    if (std::find(entities_.begin(), entities_.end(), entity) != entities_.end()) return Acad::eDuplicateKey;
    ObjectAccess::setOwner(*object, objectId());
    entities_.push_back(entity);
    return Acad::eOk;
}
