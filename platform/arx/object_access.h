// The host's own access to the state of objects, beside their public interface: residency,
// open state and erase marks, changed by the database, the containers and the open check.
#pragma once

#include "acadstrc.h"
#include "acdb.h"
#include "dbid.h"

class AcDbObject;
class AcDbStub;

namespace rvnhost {

struct ObjectAccess {
    static AcDbStub* slot(const AcDbObject& object);
    // Makes the object resident in slot's database, open for write once.
    static void attach(AcDbObject& object, AcDbStub* slot);
    static void detach(AcDbObject& object);
    static Acad::ErrorStatus open(AcDbObject& object, AcDb::OpenMode mode);
    static void forceClose(AcDbObject& object);
    static AcDb::OpenMode openMode(const AcDbObject& object);
    static int openCount(const AcDbObject& object);
    static void setOwner(AcDbObject& object, AcDbObjectId owner);
    // The object behind an id without opening it; null for a null id or a reserved slot.
    static AcDbObject* peek(AcDbObjectId id);
    // Erases or unerases without the open discipline (containers erasing what they own).
    static void markErased(AcDbObjectId id, bool erased);
};

}  // namespace rvnhost
