// Object identifiers and handles of the drawing database.
// An AcDbObjectId names one object of one open database for as long as that database lives;
// a handle names it inside its drawing file and survives saving and reopening.
#pragma once

#include <cstdint>
#include <functional>

class AcDbDatabase;
class AcDbStub;

class AcDbHandle {
public:
    AcDbHandle() = default;
    explicit AcDbHandle(std::uint64_t value) : value_(value) {}
    std::uint64_t value() const { return value_; }
    bool isNull() const { return value_ == 0; }
    bool operator==(const AcDbHandle&) const = default;
    auto operator<=>(const AcDbHandle&) const = default;

private:
    std::uint64_t value_ = 0;
};

// A value type: a pointer to the database's slot for the object, or null.
class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(AcDbStub* stub) : stub_(stub) {}
    static const AcDbObjectId kNull;

    bool isNull() const { return stub_ == nullptr; }
    void setNull() { stub_ = nullptr; }
    AcDbStub* stub() const { return stub_; }
    AcDbDatabase* database() const;
    AcDbHandle handle() const;
    bool isErased() const;
    bool isValid() const;

    bool operator==(const AcDbObjectId&) const = default;
    bool operator<(const AcDbObjectId& other) const { return std::less<const AcDbStub*>()(stub_, other.stub_); }

private:
    AcDbStub* stub_ = nullptr;
};
