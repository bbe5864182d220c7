// The type tag that precedes every item of an object's data in a drawing file. The values are
// part of the file format (docs/drawing-format.md): never renumber them.
#pragma once

#include <cstdint>

namespace rvnhost {

enum class DwgItemTag : std::uint8_t {
    Int8 = 1,
    Int16 = 2,
    Int32 = 3,
    Int64 = 4,
    UInt8 = 5,
    UInt16 = 6,
    UInt32 = 7,
    UInt64 = 8,
    Boolean = 9,
    Bool = 10,
    Double = 11,
    String = 12,
    BChunk = 13,
    Handle = 14,
    HardOwnershipId = 15,
    SoftOwnershipId = 16,
    HardPointerId = 17,
    SoftPointerId = 18,
    Point3d = 19,
    Vector3d = 20,
    Bytes = 21,
};

}  // namespace rvnhost
