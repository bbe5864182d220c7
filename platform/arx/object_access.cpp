#include "object_access.h"

#include "dbobject.h"
#include "dbstub.h"
#include "undo_history.h"

namespace rvnhost {

AcDbStub* ObjectAccess::slot(const AcDbObject& object) { return object.stub_; }

void ObjectAccess::attach(AcDbObject& object, AcDbStub* slot) {
    object.stub_ = slot;
    object.openMode_ = AcDb::kForWrite;
    object.openCount_ = 1;
}

void ObjectAccess::detach(AcDbObject& object) {
    object.stub_ = nullptr;
    object.openMode_ = AcDb::kNotOpen;
    object.openCount_ = 0;
}

// Many readers at once; one writer alone. A notify open joins whatever open there is.
Acad::ErrorStatus ObjectAccess::open(AcDbObject& object, AcDb::OpenMode mode) {
    if (mode != AcDb::kForRead && mode != AcDb::kForWrite && mode != AcDb::kForNotify) {
        return Acad::eInvalidOpenState;
    }
    if (object.openCount_ == 0) {
        object.openMode_ = mode;
        object.openCount_ = 1;
        if (mode == AcDb::kForWrite) undoNoteOpenedForWrite(object);
        return Acad::eOk;
    }
    if (mode == AcDb::kForWrite || object.openMode_ == AcDb::kForWrite) {
        if (mode == AcDb::kForNotify) {
            ++object.openCount_;
            return Acad::eOk;
        }
        switch (object.openMode_) {
        case AcDb::kForRead: return Acad::eWasOpenedForRead;
        case AcDb::kForNotify: return Acad::eWasOpenedForNotify;
        default: return Acad::eWasOpenedForWrite;
        }
    }
    ++object.openCount_;
    return Acad::eOk;
}

void ObjectAccess::forceClose(AcDbObject& object) {
    object.openMode_ = AcDb::kNotOpen;
    object.openCount_ = 0;
}

AcDb::OpenMode ObjectAccess::openMode(const AcDbObject& object) { return object.openMode_; }

int ObjectAccess::openCount(const AcDbObject& object) { return object.openCount_; }

void ObjectAccess::setOwner(AcDbObject& object, AcDbObjectId owner) { object.ownerId_ = owner; }

AcDbObject* ObjectAccess::peek(AcDbObjectId id) { return id.isNull() ? nullptr : id.slot()->object; }

void ObjectAccess::markErased(AcDbObjectId id, bool erased) {
    if (id.isNull()) return;
    undoNoteEraseMark(id);
    id.slot()->erased = erased;
}

}  // namespace rvnhost
