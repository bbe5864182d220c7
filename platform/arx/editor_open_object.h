// Closes an object of the drawing database when the guard goes, on every path.
#pragma once

#include "dbmain.h"

namespace rvnhost {

template <class T>
class OpenedObject {
public:
    OpenedObject(AcDbObjectId id, AcDb::OpenMode mode) { status_ = acdbOpenObject(object_, id, mode); }
    // Takes over an object some call has opened (null when that call failed).
    explicit OpenedObject(T* opened) : object_(opened), status_(opened ? Acad::eOk : Acad::eNullObjectPointer) {}
    ~OpenedObject() {
        if (object_) object_->close();
    }
    OpenedObject(const OpenedObject&) = delete;
    OpenedObject& operator=(const OpenedObject&) = delete;

    explicit operator bool() const { return object_ != nullptr; }
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    Acad::ErrorStatus status() const { return status_; }

private:
    T* object_ = nullptr;
    Acad::ErrorStatus status_;
};

}  // namespace rvnhost
