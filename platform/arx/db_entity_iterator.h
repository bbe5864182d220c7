// Walks the entities a complex entity owns: a polyline's vertices, a block reference's attributes.
// The caller deletes the iterator. It walks the entities as they were when it was made.
#pragma once

#include <vector>

#include "dbid.h"
#include "rxobject.h"

class AcDbEntity;

class AcDbObjectIterator : public AcRxObject {
public:
    struct Entry {
        AcDbObjectId id;       // null while the owner is not in a database
        AcDbEntity* entity;    // the entity itself while the owner is not in a database, else null
    };
    explicit AcDbObjectIterator(std::vector<Entry> entries);

    // To the first entity (or the last), skipping erased ones.
    void start(bool atEnd = false);
    bool done() const;
    // To the next entity (or the previous one).
    void step(bool backwards = false, bool skipErased = true);
    AcDbObjectId objectId() const;
    // The entity, for an owner that is not in a database; null for a resident one (open it by id).
    AcDbEntity* entity();
    // To the entity with that id; false when the iterator has none.
    bool setPosition(AcDbObjectId id);

private:
    bool erasedAt(std::ptrdiff_t position) const;
    void skipErased(bool backwards);

    std::vector<Entry> entries_;
    std::ptrdiff_t position_ = 0;
};
