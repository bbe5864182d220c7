// Makes an object readable for filing: an object already open (for read, write or notify) is
// used as it is; any other is opened for read, erased or not, and closed again at the end.
#pragma once

#include "dbmain.h"
#include "object_access.h"

namespace rvnhost {

class ReadableObject {
public:
    explicit ReadableObject(AcDbObjectId id) {
        AcDbObject* object = nullptr;
        if (acdbOpenObject(object, id, AcDb::kForRead, true) == Acad::eOk) {
            object_ = object;
            opened_ = true;
        } else if (AcDbObject* open = ObjectAccess::peek(id); open != nullptr && open->isReadEnabled()) {
            object_ = open;
        }
    }
    ~ReadableObject() {
        if (opened_) object_->close();
    }
    ReadableObject(const ReadableObject&) = delete;
    ReadableObject& operator=(const ReadableObject&) = delete;

    // Null when the object can be neither opened nor read.
    AcDbObject* get() const { return object_; }

private:
    AcDbObject* object_ = nullptr;
    bool opened_ = false;
};

}  // namespace rvnhost
