#include "clone_objects.h"

#include <memory>

#include "dbdict.h"
#include "dbsymtb.h"
#include "drawing_read_guard.h"
#include "dwg_memory_filer.h"
#include "editor_open_object.h"
#include "object_access.h"
#include "proxy_object.h"

namespace rvnhost {

namespace {

// A copy filer whose ids, read back, name the copies of the objects copied.
class CloneFiler : public MemoryDwgFiler {
public:
    CloneFiler(AcDbDatabase* database, const IdMapping& mapping)
        : MemoryDwgFiler(AcDb::kCopyFiler, database), mapping_(mapping) {}

    Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override {
        return translate(MemoryDwgFiler::readHardOwnershipId(id), id);
    }
    Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override {
        return translate(MemoryDwgFiler::readSoftOwnershipId(id), id);
    }
    Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override {
        return translate(MemoryDwgFiler::readHardPointerId(id), id);
    }
    Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override {
        return translate(MemoryDwgFiler::readSoftPointerId(id), id);
    }

private:
    Acad::ErrorStatus translate(Acad::ErrorStatus status, AcDbObjectId* id) const {
        auto copy = mapping_.find(*id);
        if (copy != mapping_.end()) *id = copy->second;
        return status;
    }
    const IdMapping& mapping_;
};

struct Copy {
    AcDbObjectId source;
    AcDbObjectId sourceOwner;
    std::wstring sourceKey;  // the source's key in its owner dictionary, if any
    bool isPrimary = false;
    std::unique_ptr<CloneFiler> filer;
    AcDbObject* object = nullptr;  // the new copy, owned by the database once added
};

bool isOwnership(MemoryDwgFiler::ItemType type) {
    return type == MemoryDwgFiler::ItemType::HardOwnershipId || type == MemoryDwgFiler::ItemType::SoftOwnershipId;
}

std::wstring keyInOwner(AcDbObjectId id, AcDbObjectId owner) {
    ReadableObject dictionary(owner);
    std::wstring key;
    if (auto* holder = AcDbDictionary::cast(dictionary.get())) holder->nameAt(id, key);
    return key;
}

// A new object of the class of source, ready to read its items; null when the class cannot be created.
AcDbObject* newObjectLike(const AcDbObject& source) {
    if (proxyDataOf(&source) != nullptr) return makeProxy({}, source.isKindOf(AcDbEntity::desc()), nullptr);
    AcRxObject* made = source.isA()->create();
    AcDbObject* object = AcDbObject::cast(made);
    if (object == nullptr) delete made;
    return object;
}

// Files every object to copy, following ownership from the primaries; makes (not yet adds) the copies.
Acad::ErrorStatus gather(const std::vector<AcDbObjectId>& ids, AcDbDatabase* database, const IdMapping& mapping,
                         std::vector<Copy>& copies) {
    std::map<AcDbObjectId, bool> seen;
    for (AcDbObjectId id : ids) seen.emplace(id, true);
    std::vector<AcDbObjectId> pending(ids.begin(), ids.end());
    for (std::size_t next = 0; next < pending.size(); ++next) {
        ReadableObject source(pending[next]);
        if (source.get() == nullptr || pending[next].database() != database) return Acad::eNotApplicable;
        Copy copy{pending[next], source.get()->ownerId(), keyInOwner(pending[next], source.get()->ownerId()),
                  seen[pending[next]], std::make_unique<CloneFiler>(database, mapping), newObjectLike(*source.get())};
        if (copy.object == nullptr || source.get()->dwgOutFields(copy.filer.get()) != Acad::eOk) {
            delete copy.object;
            return Acad::eNotApplicable;
        }
        for (const MemoryDwgFiler::Item& item : copy.filer->items()) {
            auto owned = std::get_if<AcDbObjectId>(&item.value);
            if (!isOwnership(item.type) || owned == nullptr || !owned->isValid() || owned->isErased()) continue;
            if (seen.emplace(*owned, false).second) pending.push_back(*owned);
        }
        copies.push_back(std::move(copy));
    }
    return Acad::eOk;
}

Acad::ErrorStatus placeInDictionary(AcDbDictionary& dictionary, const Copy& copy) {
    std::wstring key = copy.sourceKey.empty() ? copy.object->objectId().handle().text() : copy.sourceKey;
    std::wstring free = key;
    for (int n = 1; dictionary.has(free.c_str()); ++n) free = key + L"_" + std::to_wstring(n);
    AcDbObjectId id;
    return dictionary.setAt(free.c_str(), copy.object, id);
}

Acad::ErrorStatus placePrimary(AcDbObject* owner, const Copy& copy) {
    if (owner == nullptr) return Acad::eOk;
    if (auto* dictionary = AcDbDictionary::cast(owner)) return placeInDictionary(*dictionary, copy);
    if (auto* block = AcDbBlockTableRecord::cast(owner)) return block->attachEntity(copy.object->objectId());
    return Acad::eWrongObjectType;
}

Acad::ErrorStatus checkOwner(AcDbObjectId ownerId, AcDbDatabase* database, const std::vector<AcDbObjectId>& ids) {
    if (ownerId.isNull()) return Acad::eOk;
    if (ownerId.database() != database) return Acad::eWrongDatabase;
    OpenedObject<AcDbObject> owner(ownerId, AcDb::kForRead);
    if (!owner) return owner.status();
    if (AcDbDictionary::cast(owner.get()) != nullptr) return Acad::eOk;
    if (AcDbBlockTableRecord::cast(owner.get()) == nullptr) return Acad::eWrongObjectType;
    for (AcDbObjectId id : ids) {
        OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        if (!entity) return Acad::eWrongObjectType;
    }
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus deepCloneObjects(const std::vector<AcDbObjectId>& ids, AcDbObjectId ownerId, IdMapping& idMap) {
    if (ids.empty()) return Acad::eOk;
    AcDbDatabase* database = ids.front().database();
    Acad::ErrorStatus status = checkOwner(ownerId, database, ids);
    std::vector<Copy> copies;
    IdMapping mapping;
    if (status == Acad::eOk) status = gather(ids, database, mapping, copies);
    if (status != Acad::eOk) {
        for (Copy& copy : copies) delete copy.object;
        return status;
    }
    for (Copy& copy : copies) {
        AcDbObjectId id;
        database->addAcDbObject(id, copy.object);
        mapping[copy.source] = id;
    }
    OpenedObject<AcDbObject> owner(ownerId, AcDb::kForWrite);
    for (Copy& copy : copies) {
        copy.filer->rewind();
        Acad::ErrorStatus read = copy.object->dwgInFields(copy.filer.get());
        if (status == Acad::eOk) status = read;
        auto translated = mapping.find(copy.sourceOwner);
        AcDbObjectId newOwner = copy.isPrimary ? ownerId : translated != mapping.end() ? translated->second : copy.sourceOwner;
        ObjectAccess::setOwner(*copy.object, newOwner);
        if (copy.isPrimary && status == Acad::eOk) status = placePrimary(owner.get(), copy);
        copy.object->close();
    }
    idMap.insert(mapping.begin(), mapping.end());
    return status;
}

}  // namespace rvnhost
