#include "dbdict.h"

#include <algorithm>

#include "acutmem.h"
#include "builtin_class.h"
#include "dbfiler.h"
#include "name_compare.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbDictionary)

using rvnhost::ObjectAccess;

std::vector<AcDbDictionary::Entry>::const_iterator AcDbDictionary::findLive(const ACHAR* key) const {
    if (key == nullptr) return entries_.end();
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return !e.id.isErased() && rvnhost::sameName(e.key, key); });
}

std::vector<AcDbDictionary::Entry>::const_iterator AcDbDictionary::findLive(AcDbObjectId id) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return !id.isNull() && !e.id.isErased() && e.id == id; });
}

std::vector<AcDbDictionary::Entry> AcDbDictionary::liveEntries() const {
    std::vector<Entry> live;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(live),
                 [](const Entry& e) { return !e.id.isErased(); });
    return live;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObjectId& id) const {
    id.setNull();
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    auto found = findLive(key);
    if (found == entries_.end()) return Acad::eKeyNotFound;
    id = found->id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const {
    object = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus status = getAt(key, id);
    if (status != Acad::eOk) return status;
    return acdbOpenObject(object, id, mode);
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId id, std::wstring& name) const {
    name.clear();
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    auto found = findLive(id);
    if (found == entries_.end()) return Acad::eKeyNotFound;
    name = found->key;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId id, ACHAR*& name) const {
    name = nullptr;
    std::wstring text;
    Acad::ErrorStatus status = nameAt(id, text);
    if (status != Acad::eOk) return status;
    return acutNewString(text.c_str(), name);
}

bool AcDbDictionary::has(const ACHAR* key) const { return isReadEnabled() && findLive(key) != entries_.end(); }

bool AcDbDictionary::has(AcDbObjectId id) const { return isReadEnabled() && findLive(id) != entries_.end(); }

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* key, AcDbObject* newValue, AcDbObjectId& newId) {
    newId.setNull();
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (newValue == nullptr) return Acad::eNullObjectPointer;
    if (key == nullptr || *key == L'\0') return Acad::eInvalidKey;
    if (database() == nullptr) return Acad::eNoDatabase;
    if (newValue->database() != nullptr && newValue->database() != database()) return Acad::eWrongDatabase;
    if (newValue->database() != nullptr && !newValue->isWriteEnabled()) return Acad::eNotOpenForWrite;
    if (newValue->objectId() == objectId()) return Acad::eInvalidInput;
    if (newValue->database() == nullptr) {
        status = database()->addAcDbObject(newId, newValue);
        if (status != Acad::eOk) return status;
    }
    newId = newValue->objectId();
    ObjectAccess::setOwner(*newValue, objectId());

    auto same = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return rvnhost::sameName(e.key, key); });
    if (same != entries_.end()) {
        if (same->id != newId && !same->id.isErased()) ObjectAccess::markErased(same->id, true);
        *same = {key, newId};
    } else {
        entries_.push_back({key, newId});
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& removedId) {
    removedId.setNull();
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    auto found = findLive(key);
    if (found == entries_.end()) return Acad::eKeyNotFound;
    removedId = found->id;
    if (AcDbObject* object = ObjectAccess::peek(removedId)) ObjectAccess::setOwner(*object, AcDbObjectId::kNull);
    entries_.erase(found);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key) {
    AcDbObjectId removed;
    return remove(key, removed);
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId id) {
    std::wstring key;
    Acad::ErrorStatus status = nameAt(id, key);
    if (status != Acad::eOk) return status;
    return remove(key.c_str());
}

Acad::ErrorStatus AcDbDictionary::setName(const ACHAR* oldName, const ACHAR* newName) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (newName == nullptr || *newName == L'\0') return Acad::eInvalidKey;
    auto found = findLive(oldName);
    if (found == entries_.end()) return Acad::eKeyNotFound;
    auto taken = findLive(newName);
    if (taken != entries_.end() && taken != found) return Acad::eDuplicateKey;
    entries_[static_cast<std::size_t>(found - entries_.begin())].key = newName;
    return Acad::eOk;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator(AcRx::DictIterType type) const {
    if (!isReadEnabled()) return nullptr;
    std::vector<Entry> entries = liveEntries();
    if (type == AcRx::kDictSorted) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return rvnhost::nameLess(a.key, b.key); });
    }
    return new AcDbDictionaryIterator(std::move(entries));
}

bool AcDbDictionaryIterator::next() {
    if (done()) return false;
    ++position_;
    return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId id) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id == id) {
            position_ = i;
            return true;
        }
    }
    return false;
}

const ACHAR* AcDbDictionaryIterator::name() const { return done() ? nullptr : entries_[position_].key.c_str(); }

AcDbObjectId AcDbDictionaryIterator::objectId() const { return done() ? AcDbObjectId::kNull : entries_[position_].id; }

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& object, AcDb::OpenMode mode) const {
    object = nullptr;
    if (done()) return Acad::eInvalidIndex;
    return acdbOpenObject(object, entries_[position_].id, mode);
}

Acad::ErrorStatus AcDbDictionary::subErase(bool erasing) {
    for (const Entry& entry : entries_) ObjectAccess::markErased(entry.id, erasing);
    return Acad::eOk;
}
