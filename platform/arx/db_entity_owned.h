// Complex entities: entities that own other entities (a polyline its vertices, a block reference
// its attributes), closed by a sequence end. The owned entities are objects of the database of
// their own, each with its handle, filed on its own and reached by id; the owner files their ids.
//
// An owner that is not yet in a database holds what is appended to it; when it is appended to a
// block, they join the database with it. Erasing the owner erases them too.
//
// For the drawing writers and readers:
//   - subentitiesOf(id) gives what follows a complex entity in a DXF file (VERTEX or ATTRIB
//     entities, then SEQEND), in order; it is empty for a simple entity;
//   - attachSubentity(owner, id) takes a sub-entity read from a file (its class must suit the
//     owner: eWrongObjectType otherwise) into its owner's list, a sequence end as its end.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "acadstrc.h"
#include "dbid.h"
#include "dbmain.h"

class AcDbDwgFiler;
class AcDbEntity;
class AcDbObjectIterator;
class AcGeMatrix3d;

namespace rvnhost {

class SubentityList {
public:
    SubentityList() = default;
    ~SubentityList();
    SubentityList(const SubentityList&) = delete;
    SubentityList& operator=(const SubentityList&) = delete;

    // Appends a new entity. With the owner in a database the entity joins it, open for write (the
    // caller closes it); else the list holds it. An entity without a layer takes the owner's.
    // eAlreadyInDb for an entity already in a database.
    Acad::ErrorStatus append(const AcDbEntity& owner, AcDbObjectId& id, AcDbEntity* subentity,
                             bool withSequenceEnd);
    // After the owner joined a database: the held entities join it, closed, followed by a new
    // sequence end when withSequenceEnd.
    void joinDatabase(const AcDbEntity& owner, bool withSequenceEnd);
    // For the readers: a sub-entity already in the owner's database joins the list.
    Acad::ErrorStatus attach(const AcDbEntity& owner, AcDbObjectId subentity);

    bool contains(AcDbObjectId id) const;
    // The sub-entities not erased, in order: held ones, or resident ones looked at without opening.
    std::vector<const AcDbEntity*> live() const;
    // The ids of those not erased, then the sequence end (when there is one).
    std::vector<AcDbObjectId> fileOrder() const;
    AcDbObjectId sequenceEnd() const { return sequenceEnd_; }
    AcDbObjectIterator* newIterator() const;
    // Erases (unerases) the sub-entities and the sequence end with their owner.
    void markErased(bool erased);

    // The count of ids, the ids as hard ownership ids, and the sequence end's id.
    Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const;
    Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);

private:
    void addSequenceEnd(const AcDbEntity& owner);

    std::vector<std::unique_ptr<AcDbEntity>> held_;
    std::vector<AcDbObjectId> ids_;
    AcDbObjectId sequenceEnd_;
};

// The interface of a complex entity to the host.
class ComplexEntity {
public:
    virtual ~ComplexEntity() = default;
    virtual SubentityList& subentityList() = 0;
    virtual const SubentityList& subentityList() const = 0;
    // True for an entity of the class this owner takes (vertices of its kind, attributes).
    virtual bool acceptsSubentity(const AcDbEntity& entity) const = 0;
    // Polylines always end in a sequence end; block references only once they have attributes.
    virtual bool alwaysHasSequenceEnd() const = 0;
};

// Changes every sub-entity of the list (the held ones directly). Every resident one is opened for
// write before any changes, so that one open elsewhere stops it with its status before anything
// changed; the first change that fails stops the rest.
Acad::ErrorStatus changeSubentities(const SubentityList& list, const std::function<Acad::ErrorStatus(AcDbEntity&)>& change);
// Moves the sub-entities with their owner.
Acad::ErrorStatus transformSubentities(const SubentityList& list, const AcGeMatrix3d& xform);
// Opens a sub-entity of the list as class T: eInvalidInput for an id the list does not hold.
template <class T>
Acad::ErrorStatus openSubentity(const SubentityList& list, T*& entity, AcDbObjectId id, AcDb::OpenMode mode,
                                bool openErased) {
    entity = nullptr;
    if (!list.contains(id)) return Acad::eInvalidInput;
    return acdbOpenObject(entity, id, mode, openErased);
}

std::vector<AcDbObjectId> subentitiesOf(AcDbObjectId entity);
Acad::ErrorStatus attachSubentity(AcDbObjectId owner, AcDbObjectId subentity);
// Called when an entity joins a database: what it holds joins with it.
void joinSubentitiesToDatabase(AcDbEntity& entity);

}  // namespace rvnhost
