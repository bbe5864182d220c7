// The database's slot for one object: what an AcDbObjectId points at. It outlives an erase and
// stays until its database is deleted. A slot reserved for a handle read before its object has
// no object yet.
#pragma once

#include <cstdint>

class AcDbDatabase;
class AcDbObject;

class AcDbStub {
public:
    AcDbDatabase* database = nullptr;
    std::uint64_t handle = 0;
    AcDbObject* object = nullptr;
    bool erased = false;
};
