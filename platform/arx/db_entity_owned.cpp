#include "db_entity_owned.h"

#include <algorithm>

#include "db_entity_iterator.h"
#include "dbents_vertex.h"
#include "dbfiler.h"
#include "dbmain.h"
#include "editor_open_object.h"
#include "object_access.h"

namespace rvnhost {

namespace {

// The most sub-entities a filed list may claim: a guard against a damaged count.
constexpr Adesk::Int32 kMaxSubentities = 1 << 24;

// A new entity without a layer takes the owner's properties.
void takeOwnerProperties(const AcDbEntity& owner, AcDbEntity& subentity) {
    if (subentity.layerId().isNull() && !owner.layerId().isNull()) subentity.setPropertiesFrom(&owner);
}

const AcDbEntity* peekEntity(AcDbObjectId id) { return AcDbEntity::cast(ObjectAccess::peek(id)); }

}  // namespace

SubentityList::~SubentityList() = default;

Acad::ErrorStatus SubentityList::append(const AcDbEntity& owner, AcDbObjectId& id, AcDbEntity* subentity,
                                        bool withSequenceEnd) {
    id.setNull();
    if (subentity == nullptr) return Acad::eNullEntityPointer;
    if (!subentity->objectId().isNull()) return Acad::eAlreadyInDb;
    takeOwnerProperties(owner, *subentity);
    AcDbDatabase* database = owner.database();
    if (database == nullptr) {
        held_.emplace_back(subentity);
        return Acad::eOk;
    }
    const Acad::ErrorStatus status = database->addAcDbObject(id, subentity);
    if (status != Acad::eOk) return status;
    ObjectAccess::setOwner(*subentity, owner.objectId());
    ids_.push_back(id);
    if (withSequenceEnd && sequenceEnd_.isNull()) addSequenceEnd(owner);
    return Acad::eOk;
}

void SubentityList::addSequenceEnd(const AcDbEntity& owner) {
    auto* end = new AcDbSequenceEnd;
    takeOwnerProperties(owner, *end);
    if (owner.database()->addAcDbObject(sequenceEnd_, end) != Acad::eOk) {
        delete end;
        return;
    }
    ObjectAccess::setOwner(*end, owner.objectId());
    end->close();
}

void SubentityList::joinDatabase(const AcDbEntity& owner, bool withSequenceEnd) {
    AcDbDatabase* database = owner.database();
    if (database == nullptr) return;
    for (auto& held : held_) {
        AcDbObjectId id;
        AcDbEntity* subentity = held.release();
        takeOwnerProperties(owner, *subentity);
        if (database->addAcDbObject(id, subentity) != Acad::eOk) {
            delete subentity;
            continue;
        }
        ObjectAccess::setOwner(*subentity, owner.objectId());
        subentity->close();
        ids_.push_back(id);
    }
    held_.clear();
    if ((withSequenceEnd || !ids_.empty()) && sequenceEnd_.isNull()) addSequenceEnd(owner);
}

Acad::ErrorStatus SubentityList::attach(const AcDbEntity& owner, AcDbObjectId subentity) {
    AcDbObject* object = ObjectAccess::peek(subentity);
    if (object == nullptr || subentity.database() != owner.database()) return Acad::eWrongDatabase;
    if (AcDbSequenceEnd::cast(object) != nullptr) {
        sequenceEnd_ = subentity;
    } else {
        if (contains(subentity)) return Acad::eDuplicateKey;
        ids_.push_back(subentity);
    }
    ObjectAccess::setOwner(*object, owner.objectId());
    return Acad::eOk;
}

bool SubentityList::contains(AcDbObjectId id) const {
    return !id.isNull() && std::find(ids_.begin(), ids_.end(), id) != ids_.end();
}

std::vector<const AcDbEntity*> SubentityList::live() const {
    std::vector<const AcDbEntity*> entities;
    for (const auto& held : held_) entities.push_back(held.get());
    for (AcDbObjectId id : ids_) {
        const AcDbEntity* entity = peekEntity(id);
        if (entity != nullptr && !id.isErased()) entities.push_back(entity);
    }
    return entities;
}

std::vector<AcDbObjectId> SubentityList::fileOrder() const {
    std::vector<AcDbObjectId> ids;
    for (AcDbObjectId id : ids_) {
        if (!id.isErased() && id.isValid()) ids.push_back(id);
    }
    if (sequenceEnd_.isValid() && !sequenceEnd_.isErased()) ids.push_back(sequenceEnd_);
    return ids;
}

AcDbObjectIterator* SubentityList::newIterator() const {
    std::vector<AcDbObjectIterator::Entry> entries;
    for (const auto& held : held_) entries.push_back({AcDbObjectId(), held.get()});
    for (AcDbObjectId id : ids_) entries.push_back({id, nullptr});
    return new AcDbObjectIterator(std::move(entries));
}

void SubentityList::markErased(bool erased) {
    for (AcDbObjectId id : ids_) ObjectAccess::markErased(id, erased);
    ObjectAccess::markErased(sequenceEnd_, erased);
}

Acad::ErrorStatus SubentityList::dwgOut(AcDbDwgFiler* filer) const {
    std::vector<AcDbObjectId> live;
    for (AcDbObjectId id : ids_) {
        if (!id.isErased()) live.push_back(id);
    }
    filer->writeInt32(static_cast<Adesk::Int32>(live.size()));
    for (AcDbObjectId id : live) filer->writeHardOwnershipId(id);
    filer->writeHardOwnershipId(sequenceEnd_);
    return filer->filerStatus();
}

Acad::ErrorStatus SubentityList::dwgIn(AcDbDwgFiler* filer) {
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (count < 0 || count > kMaxSubentities) return Acad::eDwgObjectImproperlyRead;
    std::vector<AcDbObjectId> read;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcDbHardOwnershipId id;
        filer->readHardOwnershipId(&id);
        read.push_back(id);
    }
    AcDbHardOwnershipId end;
    filer->readHardOwnershipId(&end);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    ids_ = std::move(read);
    sequenceEnd_ = end;
    return Acad::eOk;
}

Acad::ErrorStatus changeSubentities(const SubentityList& list, const std::function<Acad::ErrorStatus(AcDbEntity&)>& change) {
    std::vector<AcDbEntity*> followers;
    std::vector<std::unique_ptr<OpenedObject<AcDbEntity>>> opened;
    const std::unique_ptr<AcDbObjectIterator> iterator(list.newIterator());
    for (; !iterator->done(); iterator->step()) {
        if (iterator->entity() != nullptr) {
            followers.push_back(iterator->entity());
            continue;
        }
        opened.push_back(std::make_unique<OpenedObject<AcDbEntity>>(iterator->objectId(), AcDb::kForWrite));
        if (!*opened.back()) return opened.back()->status();
        followers.push_back(opened.back()->get());
    }
    for (AcDbEntity* follower : followers) {
        const Acad::ErrorStatus status = change(*follower);
        if (status != Acad::eOk) return status;
    }
    return Acad::eOk;
}

Acad::ErrorStatus transformSubentities(const SubentityList& list, const AcGeMatrix3d& xform) {
    return changeSubentities(list, [&](AcDbEntity& entity) { return entity.transformBy(xform); });
}

namespace {

ComplexEntity* complexEntity(AcDbObjectId id) { return dynamic_cast<ComplexEntity*>(ObjectAccess::peek(id)); }

}  // namespace

std::vector<AcDbObjectId> subentitiesOf(AcDbObjectId entity) {
    const ComplexEntity* owner = complexEntity(entity);
    return owner != nullptr ? owner->subentityList().fileOrder() : std::vector<AcDbObjectId>();
}

Acad::ErrorStatus attachSubentity(AcDbObjectId ownerId, AcDbObjectId subentity) {
    ComplexEntity* owner = complexEntity(ownerId);
    if (owner == nullptr) return Acad::eNotApplicable;
    const AcDbEntity* entity = peekEntity(subentity);
    if (entity == nullptr) return Acad::eNotAnEntity;
    if (AcDbSequenceEnd::cast(entity) == nullptr && !owner->acceptsSubentity(*entity)) return Acad::eWrongObjectType;
    return owner->subentityList().attach(*AcDbEntity::cast(ObjectAccess::peek(ownerId)), subentity);
}

void joinSubentitiesToDatabase(AcDbEntity& entity) {
    auto* owner = dynamic_cast<ComplexEntity*>(&entity);
    if (owner != nullptr) owner->subentityList().joinDatabase(entity, owner->alwaysHasSequenceEnd());
}

}  // namespace rvnhost
