// Object identifiers and handles of the drawing database.
// An AcDbObjectId names one object of one open database for as long as that database lives;
// a handle names it inside its drawing file and survives saving and reopening.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "AdAChar.h"

class AcDbDatabase;
class AcDbStub;

class AcDbHandle {
public:
    AcDbHandle() = default;
    explicit AcDbHandle(std::uint64_t value) : value_(value) {}
    // A handle from its hexadecimal text ("1F"); the null handle when the text is not hexadecimal.
    explicit AcDbHandle(const ACHAR* hexText);
    std::uint64_t value() const { return value_; }
    bool isNull() const { return value_ == 0; }
    // Upper-case hexadecimal text without leading zeros ("0" for the null handle).
    std::wstring text() const;
    void getIntoAsciiBuffer(ACHAR* buffer, std::size_t bufferSize) const;
    bool operator==(const AcDbHandle&) const = default;
    auto operator<=>(const AcDbHandle&) const = default;

private:
    std::uint64_t value_ = 0;
};

namespace rvnhost {

// A handle as messages show it: its hexadecimal text after "#", the way a user gives it to pick
// the object ("#78" for handle 120).
std::wstring shownHandle(const AcDbHandle& handle);

}  // namespace rvnhost

// A value type: a pointer to the database's slot for the object, or null.
class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(AcDbStub* slot) : stub_(slot) {}
    static const AcDbObjectId kNull;

    bool isNull() const { return stub_ == nullptr; }
    void setNull() { stub_ = nullptr; }
    AcDbStub* slot() const { return stub_; }
    AcDbDatabase* database() const;
    AcDbHandle handle() const;
    bool isErased() const;
    // True when the id names an object present in its database.
    bool isValid() const;

    bool operator==(const AcDbObjectId&) const = default;
    bool operator<(const AcDbObjectId& other) const { return std::less<const AcDbStub*>()(stub_, other.stub_); }

private:
    AcDbStub* stub_ = nullptr;
};

// The four kinds of reference an object files: ownership (the owner saves and copies what it
// owns) and pointers, each hard (keeps the target alive) or soft.
class AcDbHardOwnershipId : public AcDbObjectId {
public:
    AcDbHardOwnershipId() = default;
    AcDbHardOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};

class AcDbSoftOwnershipId : public AcDbObjectId {
public:
    AcDbSoftOwnershipId() = default;
    AcDbSoftOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};

class AcDbHardPointerId : public AcDbObjectId {
public:
    AcDbHardPointerId() = default;
    AcDbHardPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};

class AcDbSoftPointerId : public AcDbObjectId {
public:
    AcDbSoftPointerId() = default;
    AcDbSoftPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
