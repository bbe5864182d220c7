// Copies objects from one database into another through their DWG filing. Each copy is made by
// its class's pseudo-constructor and reads the source's item sequence back with every id
// translated: an owned object (what is filed as an ownership id) is copied with its owner; a
// symbol table record is this database's record of the same name, or a copy of the source's
// added to the table when there is none (a block definition with its entities); other objects
// are not followed (their ids become null).
#pragma once

#include <map>
#include <vector>

#include "dbmain.h"
#include "dwg_memory_filer.h"

namespace rvnhost {

class DatabaseCopier {
public:
    DatabaseCopier(AcDbDatabase& source, AcDbDatabase& target) : source_(source), target_(target) {}

    // Copies the object (opened for read) as an object owned by newOwner, which the caller puts
    // in its container. copy is its id in the target, closed.
    Acad::ErrorStatus copyObject(AcDbObjectId object, AcDbObjectId newOwner, AcDbObjectId& copy);
    // The target's record for a source record (see above).
    Acad::ErrorStatus translateRecord(AcDbObjectId record, AcDbObjectId& result);
    // Every registered application of the source is registered in the target too, so that the
    // copies' extended data is accepted.
    Acad::ErrorStatus copyApplications();
    // Notes an object the caller made for the copy, to be discarded with the copies.
    void noteMade(AcDbObjectId id) { made_.push_back(id); }
    // Erases everything made so far: the target is as it was.
    void discard();

private:
    Acad::ErrorStatus translate(const MemoryDwgFiler::Item& item, AcDbObjectId owner, AcDbObjectId& result);
    Acad::ErrorStatus translatedItems(const MemoryDwgFiler& from, AcDbObjectId owner, MemoryDwgFiler& to);
    AcDbObjectId targetTableFor(const AcDbObject& record) const;

    AcDbDatabase& source_;
    AcDbDatabase& target_;
    std::map<AcDbObjectId, AcDbObjectId> copies_;
    std::vector<AcDbObjectId> made_;
};

}  // namespace rvnhost
