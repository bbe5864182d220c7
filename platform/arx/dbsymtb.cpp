// Symbol tables, their records' names, and iteration over records.
#include "dbsymtb.h"

#include <algorithm>

#include "acdbads.h"
#include "acutmem.h"
#include "builtin_class.h"
#include "name_compare.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbSymbolTableRecord)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbSymbolTable)

using rvnhost::ObjectAccess;

// Records --------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& name) const {
    name = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    return acutNewString(name_.c_str(), name);
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& name) const {
    name = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status == Acad::eOk) name = name_.c_str();
    return status;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(std::wstring& name) const {
    name.clear();
    Acad::ErrorStatus status = assertReadEnabled();
    if (status == Acad::eOk) name = name_;
    return status;
}

// A leading '*' marks the host's own and anonymous names; the rest must be a valid name.
Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (name == nullptr) return Acad::eInvalidSymbolTableName;
    const ACHAR* checked = name[0] == L'*' ? name + 1 : name;
    bool anonymousMark = name[0] == L'*' && checked[0] != L'\0' && checked[1] == L'\0';
    if (!anonymousMark && acdbSNValid(checked, 1) != RTNORM) return Acad::eInvalidSymbolTableName;
    auto* table = AcDbSymbolTable::cast(ObjectAccess::peek(ownerId()));
    if (table != nullptr) {
        AcDbObjectId holder = table->findRecord(name, false);
        if (!holder.isNull() && holder != objectId()) return Acad::eDuplicateRecordName;
    }
    name_ = name;
    return Acad::eOk;
}

// Tables ---------------------------------------------------------------------------------------------

AcDbObjectId AcDbSymbolTable::findRecord(const std::wstring& name, bool includeErased) const {
    for (AcDbObjectId id : records_) {
        if (!includeErased && id.isErased()) continue;
        auto* record = static_cast<AcDbSymbolTableRecord*>(ObjectAccess::peek(id));
        if (record != nullptr && rvnhost::sameName(record->name_, name)) return id;
    }
    return AcDbObjectId::kNull;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord) const {
    id.setNull();
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    if (name == nullptr) return Acad::eKeyNotFound;
    id = findRecord(name, false);
    if (id.isNull() && getErasedRecord) id = findRecord(name, true);
    return id.isNull() ? Acad::eKeyNotFound : Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                         bool openErasedRecord) const {
    record = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus status = getAt(name, id, openErasedRecord);
    if (status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbSymbolTable::getIdAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord) const {
    return getAt(name, id, getErasedRecord);
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
    return isReadEnabled() && name != nullptr && !findRecord(name, false).isNull();
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
    return !id.isNull() && !id.isErased() && std::find(records_.begin(), records_.end(), id) != records_.end();
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning,
                                               bool skipErased) const {
    iterator = nullptr;
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    iterator = new AcDbSymbolTableIterator(records_, atBeginning, skipErased);
    return Acad::eOk;
}

void AcDbSymbolTable::prepareRecord(AcDbSymbolTableRecord*) {}

std::wstring AcDbSymbolTable::recordName(AcDbObjectId id) {
    auto* record = AcDbSymbolTableRecord::cast(ObjectAccess::peek(id));
    return record != nullptr ? record->name_ : std::wstring();
}

Acad::ErrorStatus AcDbSymbolTable::addRecord(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
    id.setNull();
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (record == nullptr) return Acad::eNullObjectPointer;
    if (database() == nullptr) return Acad::eNoDatabase;
    if (!record->objectId().isNull()) return Acad::eAlreadyInDb;
    if (!record->isKindOf(recordClass())) return Acad::eWrongObjectType;
    prepareRecord(record);
    if (record->name_.empty() || record->name_ == L"*") return Acad::eInvalidSymbolTableName;
    if (!findRecord(record->name_, false).isNull()) return Acad::eDuplicateRecordName;
    status = database()->addAcDbObject(id, record);
    if (status != Acad::eOk) return status;
    ObjectAccess::setOwner(*record, objectId());
    records_.push_back(id);
    return Acad::eOk;
}

// Iteration ------------------------------------------------------------------------------------------

AcDbSymbolTableIterator::AcDbSymbolTableIterator(std::vector<AcDbObjectId> records, bool atBeginning,
                                                 bool skipErased)
    : records_(std::move(records)) {
    start(atBeginning, skipErased);
}

void AcDbSymbolTableIterator::skipErasedFrom(bool forward) {
    while (!done() && records_[static_cast<std::size_t>(position_)].isErased()) position_ += forward ? 1 : -1;
}

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipErased) {
    position_ = atBeginning ? 0 : static_cast<std::ptrdiff_t>(records_.size()) - 1;
    if (skipErased) skipErasedFrom(atBeginning);
}

bool AcDbSymbolTableIterator::done() const {
    return position_ < 0 || position_ >= static_cast<std::ptrdiff_t>(records_.size());
}

void AcDbSymbolTableIterator::step(bool forward, bool skipErased) {
    if (done()) return;
    position_ += forward ? 1 : -1;
    if (skipErased) skipErasedFrom(forward);
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
    id.setNull();
    if (done()) return Acad::eInvalidIndex;
    id = records_[static_cast<std::size_t>(position_)];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                                     bool openErasedRecord) const {
    record = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus status = getRecordId(id);
    if (status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(AcDbObjectId id) {
    auto found = std::find(records_.begin(), records_.end(), id);
    if (found == records_.end()) return Acad::eKeyNotFound;
    position_ = found - records_.begin();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::attachRecord(AcDbObjectId record) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    auto* object = static_cast<AcDbSymbolTableRecord*>(ObjectAccess::peek(record));
    if (object == nullptr || record.database() != database()) return Acad::eWrongDatabase;
    if (!object->isKindOf(recordClass())) return Acad::eWrongObjectType;
    if (std::find(records_.begin(), records_.end(), record) != records_.end()) return Acad::eDuplicateRecordName;
    if (!findRecord(object->name_, false).isNull()) return Acad::eDuplicateRecordName;
    ObjectAccess::setOwner(*object, objectId());
    records_.push_back(record);
    return Acad::eOk;
}
