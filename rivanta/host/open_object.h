// An object of the drawing opened for one action: the guard closes it when it goes out of scope,
// on every path, so that no command leaves an object open.
//
//     TzRvnOpenObject<AcDbBlockReference> block(id, AcDb::kForRead);
//     if (!block.isOpen()) return block.status();
//
//     TzRvnOpenObject<AcDbDictionary> named;
//     if (named.take(database->getNamedObjectsDictionary(named.slot(), AcDb::kForRead)) != Acad::eOk) ...
#pragma once

#include "dbmain.h"

#include <utility>

template <class T>
class TzRvnOpenObject {
public:
    TzRvnOpenObject() = default;
    // Opens the object as a T; status() tells how it went (eNotThatKindOfClass for another class).
    TzRvnOpenObject(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
        : status_(acdbOpenObject(object_, id, mode, openErased)) {}
    ~TzRvnOpenObject() { close(); }

    TzRvnOpenObject(const TzRvnOpenObject&) = delete;
    TzRvnOpenObject& operator=(const TzRvnOpenObject&) = delete;
    TzRvnOpenObject(TzRvnOpenObject&& other) noexcept
        : object_(std::exchange(other.object_, nullptr)), status_(other.status_) {}
    TzRvnOpenObject& operator=(TzRvnOpenObject&& other) noexcept {
        if (this != &other) {
            close();
            object_ = std::exchange(other.object_, nullptr);
            status_ = other.status_;
        }
        return *this;
    }

    // For host calls that hand back an opened object through a pointer argument: slot() closes
    // what the guard holds and gives the pointer to fill; take() records the call's status (the
    // guard stays empty unless it is eOk) and returns it.
    T*& slot() {
        close();
        return object_;
    }
    Acad::ErrorStatus take(Acad::ErrorStatus status) {
        status_ = status;
        if (status != Acad::eOk) object_ = nullptr;
        return status;
    }

    bool isOpen() const { return object_ != nullptr; }
    Acad::ErrorStatus status() const { return status_; }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }

    // Closes the object now; eOk when there was nothing to close.
    Acad::ErrorStatus close() {
        if (object_ == nullptr) return Acad::eOk;
        return std::exchange(object_, nullptr)->close();
    }

private:
    T* object_ = nullptr;
    Acad::ErrorStatus status_ = Acad::eNullObjectId;
};
